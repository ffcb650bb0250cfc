#include "core/explain/description.h"

#include "core/regex/faultwording.h"

#include <QStringList>

namespace pattaro {
namespace {

// Each sentence in both languages, side by side so that neither lags.
struct Words {
    const char* chinese;
    const char* english;
};

QString say(ExplainLanguage language, Words words)
{
    return QString::fromUtf8(language == ExplainLanguage::Chinese ? words.chinese : words.english);
}

QString sourceOf(const SyntaxEvent& what, const SyntaxTree& tree)
{
    return tree.source.mid(what.start, what.end - what.start);
}

QString flagsText(const ExpressionFlags& flags, ExplainLanguage language)
{
    QStringList names;
    if (flags.ignoreCase)
        names << say(language, {"忽略大小写（i）", "ignore case (i)"});
    if (flags.multiline)
        names << say(language, {"多行（m）", "multiline (m)"});
    if (flags.global)
        names << say(language, {"全局（g）", "global (g)"});
    if (names.isEmpty())
        return say(language, {"整个表达式，无标志", "the whole expression, no flags"});
    return say(language, {"整个表达式，标志：%1", "the whole expression, flags: %1"})
        .arg(names.join(say(language, {"、", ", "})));
}

QString classEscapeText(char16_t letter, ExplainLanguage language)
{
    switch (letter) {
    case 'd': return say(language, {"任一数字 0–9", "any digit 0–9"});
    case 'D': return say(language, {"任一非数字字符", "any character but a digit"});
    case 'w': return say(language, {"任一单词字符（A–Z、a–z、0–9、_）", "any word character (A–Z, a–z, 0–9, _)"});
    case 'W': return say(language, {"任一非单词字符", "any character but a word character"});
    case 's': return say(language, {"任一空白符或换行符", "any white space or line terminator"});
    default: return say(language, {"任一非空白、非换行字符", "any character but white space and line terminators"});
    }
}

// How many times, without the greediness.
QString countText(const SyntaxEvent& q, ExplainLanguage language)
{
    if (q.most < 0)
        return say(language, {"重复 %1 次或更多次", "repeated %1 or more times"}).arg(q.least);
    if (q.least == 0 && q.most == 1)
        return say(language, {"可有可无（0 或 1 次）", "optional (0 or 1 time)"});
    if (q.least == q.most)
        return say(language, {"重复 %1 次", "repeated exactly %1 times"}).arg(q.least);
    return say(language, {"重复 %1 到 %2 次", "repeated %1 to %2 times"}).arg(q.least).arg(q.most);
}

QString quantifierText(const SyntaxNode& node, ExplainLanguage language)
{
    const SyntaxEvent& q = node.what;
    const SyntaxKind repeated = node.children.front().what.kind;
    if (repeated == SyntaxKind::Lookahead || repeated == SyntaxKind::NegativeLookahead) {
        if (q.least == 0)
            return say(language, {"先行断言可重复 0 次：这个断言不起作用",
                                  "a look-ahead that may run 0 times: it has no effect"});
        return say(language, {"先行断言的重复只算一次：照常检查一次", "a repeated look-ahead: checked once as usual"});
    }
    return countText(q, language)
           + (q.lazy ? say(language, {"（非贪婪，尽量少）", " (lazy, as few as possible)"})
                     : say(language, {"（贪婪）", " (greedy)"}));
}

// A short label for one item of a class, for the class's own sentence.
// A class escape is shown as written: its sentence would not fit in a list.
QString classItemLabel(const SyntaxNode& item, const SyntaxTree& tree, ExplainLanguage language)
{
    const SyntaxEvent& what = item.what;
    if (what.kind == SyntaxKind::ClassRange)
        return characterName(what.unit, language) + u'–' + characterName(what.last, language);
    if (what.kind == SyntaxKind::ClassEscape)
        return sourceOf(what, tree);
    return characterName(what.unit, language);
}

QString classText(const SyntaxNode& node, const SyntaxTree& tree, ExplainLanguage language)
{
    if (node.children.empty())
        return node.what.negated ? say(language, {"任一字符（包括换行符）", "any character, line terminators included"})
                                 : say(language, {"空字符类：什么也不匹配", "an empty class: matches nothing"});
    QStringList items;
    for (const SyntaxNode& item : node.children)
        items << classItemLabel(item, tree, language);
    const QString list = items.join(say(language, {"、", ", "}));
    return node.what.negated ? say(language, {"不在 %1 中的任一字符", "any character not in %1"}).arg(list)
                             : say(language, {"%1 中的任一字符", "any character in %1"}).arg(list);
}

QString characterText(const SyntaxEvent& what, const SyntaxTree& tree, ExplainLanguage language)
{
    const QString written = sourceOf(what, tree);
    const QString name = characterName(what.unit, language);
    switch (what.reading) {
    case CharacterReading::AsWritten: return say(language, {"字符 %1", "the character %1"}).arg(name);
    case CharacterReading::PlainPunctuation:
        return say(language, {"`%1` 在此为普通字符", "`%1` is an ordinary character here"}).arg(written);
    case CharacterReading::ControlEscape:
    case CharacterReading::HexEscape:
    case CharacterReading::UnicodeEscape:
    case CharacterReading::Nul:
        return say(language, {"`%1` 即 %2", "`%1` is %2"}).arg(written, name);
    case CharacterReading::ControlLetter:
        return say(language, {"`%1` 即控制字符 %2", "`%1` is the control character %2"}).arg(written, name);
    case CharacterReading::BackslashOfLoneC:
        return say(language, {"`\\c` 后面没有控制字母：`\\` 在此为普通字符，c 即字符 c",
                              "`\\c` without a control letter: `\\` is an ordinary character, c is c"});
    case CharacterReading::LoneX:
        return say(language, {"`\\x` 后面不是两位十六进制数：即字符 x", "`\\x` without two hex digits is x"});
    case CharacterReading::LoneU:
        return say(language, {"`\\u` 后面不是四位十六进制数：即字符 u", "`\\u` without four hex digits is u"});
    case CharacterReading::OctalEscape:
        return say(language, {"`%1` 即八进制码对应的字符 %2", "`%1` is the octal code of %2"}).arg(written, name);
    case CharacterReading::LoneO:
        return say(language, {"`\\o` 后面没有八进制数字：即字符 o", "`\\o` without an octal digit is o"});
    case CharacterReading::LegacyOctal:
        return say(language, {"`%1` 不是反向引用，按旧式八进制读：即字符 %2",
                              "`%1` is no back-reference but legacy octal: %2"})
            .arg(written, name);
    case CharacterReading::EightOrNine:
        return say(language, {"`%1` 即字符 %2", "`%1` is the character %2"}).arg(written, name);
    case CharacterReading::KWithoutNames:
        return say(language, {"表达式中没有命名组，`\\k` 即字符 k", "no group has a name, so `\\k` is k"});
    case CharacterReading::Backspace:
        return say(language, {"`\\b` 在字符类中即退格符（U+0008）", "`\\b` in a class is the backspace (U+0008)"});
    case CharacterReading::IdentityEscape:
        return say(language, {"`%1` 即字符 %2", "`%1` is the character %2"}).arg(written, name);
    }
    return {};
}

} // namespace

QString describe(const SyntaxNode& node, const SyntaxTree& tree, ExplainLanguage language)
{
    const SyntaxEvent& what = node.what;
    const bool multiline = tree.flags.multiline;
    switch (what.kind) {
    case SyntaxKind::Expression: return flagsText(tree.flags, language);
    case SyntaxKind::Alternation:
        return say(language, {"以下 %1 个分支任选其一，自左向右尝试", "one of %1 alternatives, tried left to right"})
            .arg(what.number);
    case SyntaxKind::Alternative:
        if (what.start == what.end)
            return say(language, {"第 %1 个分支：空，匹配空文本", "alternative %1: empty, matches the empty text"})
                .arg(what.number);
        return say(language, {"第 %1 个分支", "alternative %1"}).arg(what.number);
    case SyntaxKind::Text: return say(language, {"文本“%1”", "the text “%1”"}).arg(what.name);
    case SyntaxKind::CapturingGroup: return say(language, {"第 %1 个捕获组", "capturing group %1"}).arg(what.number);
    case SyntaxKind::NamedGroup:
        return say(language, {"第 %1 个捕获组，名为“%2”", "capturing group %1, named “%2”"})
            .arg(QString::number(what.number), what.name);
    case SyntaxKind::NonCapturingGroup: return say(language, {"分组（不捕获）", "non-capturing group"});
    case SyntaxKind::Lookahead:
        return say(language, {"其后必须是……（先行断言）", "must be followed by … (look-ahead)"});
    case SyntaxKind::NegativeLookahead:
        return say(language, {"其后不能是……（否定先行断言）", "must not be followed by … (negative look-ahead)"});
    case SyntaxKind::Lookbehind:
        return say(language, {"其前必须是……（后行断言）", "must be preceded by … (look-behind)"});
    case SyntaxKind::NegativeLookbehind:
        return say(language, {"其前不能是……（否定后行断言）", "must not be preceded by … (negative look-behind)"});
    case SyntaxKind::Class: return classText(node, tree, language);
    case SyntaxKind::Quantifier: return quantifierText(node, language);
    case SyntaxKind::LineStart:
        return multiline ? say(language, {"行首：文本开头或任一换行符之后（多行）",
                                          "start of a line: of the text or after any line terminator (multiline)"})
                         : say(language, {"文本开头", "start of the text"});
    case SyntaxKind::LineEnd:
        return multiline ? say(language, {"行尾：文本末尾或任一换行符之前（多行）",
                                          "end of a line: of the text or before any line terminator (multiline)"})
                         : say(language, {"文本末尾", "end of the text"});
    case SyntaxKind::WordBoundary:
        return say(language, {"单词边界：一边是单词字符，另一边不是", "word boundary: a word character on one side only"});
    case SyntaxKind::NotWordBoundary:
        return say(language, {"非单词边界：两边同为单词字符或同不是", "not a word boundary: both sides alike"});
    case SyntaxKind::AnyCharacter:
        return say(language, {"除换行符（LF、CR、U+2028、U+2029）外的任一字符",
                              "any character but the line terminators LF, CR, U+2028, U+2029"});
    case SyntaxKind::ClassEscape: return classEscapeText(what.unit, language);
    case SyntaxKind::Backreference:
        return say(language, {"引用第 %1 组匹配到的文本", "the text group %1 matched"}).arg(what.number);
    case SyntaxKind::NamedBackreference:
        return say(language, {"引用第 %1 组（“%2”）匹配到的文本", "the text group %1 (“%2”) matched"})
            .arg(QString::number(what.number), what.name);
    case SyntaxKind::Character: return characterText(what, tree, language);
    case SyntaxKind::ClassRange:
        return say(language, {"从 %1 到 %2 的任一字符", "any character from %1 to %2"})
            .arg(characterName(what.unit, language), characterName(what.last, language));
    }
    return {};
}

QString kindName(SyntaxKind kind)
{
    switch (kind) {
    case SyntaxKind::Expression: return QStringLiteral("expression");
    case SyntaxKind::Alternation: return QStringLiteral("alternation");
    case SyntaxKind::Text: return QStringLiteral("text");
    case SyntaxKind::Alternative: return QStringLiteral("alternative");
    case SyntaxKind::CapturingGroup: return QStringLiteral("capturingGroup");
    case SyntaxKind::NamedGroup: return QStringLiteral("namedGroup");
    case SyntaxKind::NonCapturingGroup: return QStringLiteral("nonCapturingGroup");
    case SyntaxKind::Lookahead: return QStringLiteral("lookahead");
    case SyntaxKind::NegativeLookahead: return QStringLiteral("negativeLookahead");
    case SyntaxKind::Lookbehind: return QStringLiteral("lookbehind");
    case SyntaxKind::NegativeLookbehind: return QStringLiteral("negativeLookbehind");
    case SyntaxKind::Class: return QStringLiteral("class");
    case SyntaxKind::Quantifier: return QStringLiteral("quantifier");
    case SyntaxKind::LineStart: return QStringLiteral("lineStart");
    case SyntaxKind::LineEnd: return QStringLiteral("lineEnd");
    case SyntaxKind::WordBoundary: return QStringLiteral("wordBoundary");
    case SyntaxKind::NotWordBoundary: return QStringLiteral("notWordBoundary");
    case SyntaxKind::AnyCharacter: return QStringLiteral("anyCharacter");
    case SyntaxKind::ClassEscape: return QStringLiteral("classEscape");
    case SyntaxKind::Backreference: return QStringLiteral("backreference");
    case SyntaxKind::NamedBackreference: return QStringLiteral("namedBackreference");
    case SyntaxKind::Character: return QStringLiteral("character");
    case SyntaxKind::ClassRange: return QStringLiteral("classRange");
    }
    return {};
}

QString describeError(const SyntaxTree& tree, ExplainLanguage language)
{
    if (language == ExplainLanguage::Chinese)
        return expressionFaultText(*tree.error, tree.source);
    return tree.error->message();
}

} // namespace pattaro
