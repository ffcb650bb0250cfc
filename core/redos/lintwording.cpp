#include "core/redos/lintwording.h"

#include <QStringList>

namespace pattaro {
namespace {

// Pieces of an attack text longer than this are cut, with an ellipsis.
constexpr qsizetype kLongestPiece = 24;

// A piece of text as it can be read in a tool tip: controls spelled out,
// pieces longer than `longest` cut.
QString shown(const QString& text, qsizetype longest = kLongestPiece)
{
    QString out = controlsSpelledOut(QStringView(text).left(longest));
    if (text.size() > longest)
        out += u'…';
    return QStringLiteral("「") + out + QStringLiteral("」");
}

QString growthSentence(const LintFinding& f)
{
    if (f.measuredGrowth == Ambiguity::Growth::Exponential)
        return QStringLiteral("匹配时间随输入呈指数增长：攻击文本每多重复一次，所需步数约乘以 %1。")
            .arg(f.measuredRate, 0, 'f', 1);
    return QStringLiteral("匹配时间随输入长度的 %1 次方增长（实测约为 n 的 %2 次方）。")
        .arg(f.predicted.degree)
        .arg(f.measuredRate, 0, 'f', 1);
}

QString attackSentence(const LintFinding& f)
{
    QStringList pieces;
    if (!f.predicted.prefix.isEmpty())
        pieces << shown(f.predicted.prefix);
    for (const QString& pump : f.predicted.pumps)
        pieces << shown(pump) + QStringLiteral("×n");
    if (!f.suffix.isEmpty())
        pieces << shown(f.suffix);
    return QStringLiteral("攻击文本：%1；n = %2 时共 %3 个字符，足以让没有时间限制的回溯引擎（如 JavaScript 的）运行一秒以上。")
        .arg(pieces.join(QStringLiteral(" + ")))
        .arg(f.attackRepeats)
        .arg(f.attackText(f.attackRepeats).size());
}

} // namespace

QString lintWarningText(const LintReport& report, const QString& expression)
{
    if (report.verdict == LintReport::Verdict::Undecided)
        return QStringLiteral("未能判定：分析超出了时间或内存的限制，无法判断此表达式是否会无休止地回溯。");
    if (report.verdict != LintReport::Verdict::Vulnerable)
        return {};
    const LintFinding& f = report.findings.front();
    const SourceSpan& part = f.predicted.source;
    QStringList lines;
    const QString blamed = expression.mid(part.start, part.end - part.start);
    lines << QStringLiteral("此表达式可能无休止地回溯：其中的%1（第 %2 至 %3 个字符）可以用多种方式匹配同一段文本，"
                            "遇到不匹配的文本时会逐一尝试。")
                 .arg(shown(blamed, blamed.size()))
                 .arg(part.start + 1)
                 .arg(part.end);
    lines << growthSentence(f);
    lines << attackSentence(f);
    if (f.rewrite)
        lines << QStringLiteral("建议改写为：") + shown(*f.rewrite, f.rewrite->size());
    return lines.join(u'\n');
}

QString controlsSpelledOut(QStringView text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            out += c;
    }
    return out;
}

} // namespace pattaro
