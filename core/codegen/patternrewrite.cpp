#include "core/codegen/patternrewrite.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace pattaro {
namespace {

using Ranges = std::vector<std::pair<char32_t, char32_t>>;

const Ranges kDigit = {{u'0', u'9'}};
const Ranges kWord = {{u'0', u'9'}, {u'A', u'Z'}, {u'_', u'_'}, {u'a', u'z'}};
// The window's \s: white space and line terminators.
const Ranges kSpace = {{0x09, 0x0d},     {0x20, 0x20},     {0xa0, 0xa0},     {0x1680, 0x1680},
                       {0x2000, 0x200a}, {0x2028, 0x2029}, {0x202f, 0x202f}, {0x205f, 0x205f},
                       {0x3000, 0x3000}, {0xfeff, 0xfeff}};
const Ranges kLineTerminators = {{0x0a, 0x0a}, {0x0d, 0x0d}, {0x2028, 0x2029}};

bool isAsciiAlnum(char16_t c) { return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z'); }
bool isOctal(QChar c) { return c >= u'0' && c <= u'7'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if ((u | 0x20) >= u'a' && (u | 0x20) <= u'f')
        return (u | 0x20) - u'a' + 10;
    return -1;
}

// The number in `digits` hex digits at `at`, or -1.
int hexAt(const QString& s, qsizetype at, int digits)
{
    if (at + digits > s.size())
        return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = hexValue(s[at + i]);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

// A group name with its \uHHHH and \u{…} escapes read.
QString decodedName(const QString& raw)
{
    QString name;
    for (qsizetype k = 0; k < raw.size(); ++k) {
        if (raw[k] != u'\\' || k + 1 >= raw.size() || raw[k + 1] != u'u') {
            name += raw[k];
        } else if (k + 2 < raw.size() && raw[k + 2] == u'{') {
            const qsizetype end = raw.indexOf(u'}', k);
            const char32_t c = raw.mid(k + 3, end - k - 3).toUInt(nullptr, 16);
            name += QString::fromUcs4(&c, 1);
            k = end;
        } else {
            name += QChar(char16_t(hexAt(raw, k + 2, 4)));
            k += 5;
        }
    }
    return name;
}

struct Group {
    int number = 0; // 0: not capturing
    bool lookbehind = false;
    bool lookaround = false;
    bool varies = false;
    // Whether the current alternative, up to its last item and the last
    // item itself, can match the empty text; and whether an earlier
    // alternative can.
    bool leadingNullable = true;
    bool lastNullable = true;
    bool anAlternativeNullable = false;
    bool holdsCapture = false;
    qsizetype written = 0; // where it starts in the rewritten pattern
};

// The item just read, when it is a group: what a repeat of it implies.
struct ClosedGroup {
    bool nullable = false;
    bool holdsCapture = false;
    bool lookaround = false;
    qsizetype written = 0; // where it starts in the rewritten pattern
};

class Rewriter {
public:
    Rewriter(const QString& source, const PatternDialect& dialect) : s(source), d(dialect) {}

    RewrittenPattern run()
    {
        scanGroups();
        while (i < s.size())
            atom();
        return std::move(r);
    }

private:
    const QString& s;
    const PatternDialect& d;
    RewrittenPattern r;
    qsizetype i = 0;
    int opened = 0;
    std::vector<Group> open{Group{}}; // the whole pattern first
    std::optional<ClosedGroup> lastGroup;
    bool afterQuantifier = false;
    bool quantifierDropped = false;
    std::vector<bool> closed{false};

    void caveat(const QString& text)
    {
        if (!r.caveats.contains(text))
            r.caveats << text;
    }

    void scanGroups()
    {
        bool inClass = false;
        for (qsizetype k = 0; k < s.size(); ++k) {
            const QChar c = s[k];
            if (c == u'\\') {
                ++k;
            } else if (inClass) {
                inClass = c != u']';
            } else if (c == u'[') {
                inClass = true;
            } else if (c == u'(' && !s.mid(k + 1).startsWith(u'?')) {
                ++r.groupCount;
            } else if (c == u'(' && s.mid(k + 1, 2) == u"?<" && s.mid(k + 3, 1) != u"=" && s.mid(k + 3, 1) != u"!") {
                ++r.groupCount;
                const qsizetype end = s.indexOf(u'>', k + 3);
                r.groupNumbers.insert(decodedName(s.mid(k + 3, end - k - 3)), r.groupCount);
            }
        }
        closed.resize(r.groupCount + 1, false);
    }

    // Tab, LF and CR in the form every language knows; the rest in the
    // language's own.
    QString unit(char32_t c) const
    {
        switch (c) {
        case u'\t':
            return QStringLiteral("\\t");
        case u'\n':
            return QStringLiteral("\\n");
        case u'\r':
            return QStringLiteral("\\r");
        default:
            return d.unit(c);
        }
    }

    // A member of a class the rewriter writes out itself.
    QString setMember(char32_t c) const
    {
        if (c == u' ' || (c < 0x80 && isAsciiAlnum(char16_t(c))))
            return QString(QChar(char16_t(c)));
        if (c > 0x20 && c < 0x7f)
            return u'\\' + QString(QChar(char16_t(c)));
        return unit(c);
    }

    // One character standing for itself, in or out of a class.
    QString literal(char16_t c)
    {
        if (isAsciiAlnum(c) || c == u' ')
            return QString(QChar(c));
        if (c > 0x20 && c < 0x7f)
            return u'\\' + QString(QChar(c));
        if (QChar::isSurrogate(c) && d.codePoints)
            caveat(QStringLiteral("%1 matches whole characters, so a surrogate half in the expression "
                                  "does not match a half of a character as it does in the window.")
                       .arg(d.name));
        if (c < 0xa0 || QChar::isSurrogate(c) || c == 0x2028 || c == 0x2029 || c == 0xfeff)
            return unit(c);
        return QString(QChar(c));
    }

    QString rangeText(const Ranges& ranges) const
    {
        QString text;
        for (const auto& [first, last] : ranges) {
            text += setMember(first);
            if (last != first)
                text += (last > first + 1 ? QStringLiteral("-") : QString()) + setMember(last);
        }
        return text;
    }

    Ranges complement(const Ranges& ranges) const
    {
        Ranges out;
        char32_t next = 0;
        for (const auto& [first, last] : ranges) {
            if (first > next)
                out.push_back({next, first - 1});
            next = last + 1;
        }
        out.push_back({next, d.codePoints ? 0x10ffff : 0xffff});
        return out;
    }

    // \d \D \w \W \s \S: the window's sets, which in most languages are
    // larger (Unicode digits and letters) or smaller (\s without U+FEFF).
    const Ranges* classEscape(QChar c, bool& negated) const
    {
        negated = c.isUpper();
        switch (c.toLower().unicode()) {
        case u'd':
            return &kDigit;
        case u'w':
            return &kWord;
        case u's':
            return &kSpace;
        default:
            return nullptr;
        }
    }

    void noteVarying()
    {
        for (Group& g : open)
            if (g.lookbehind)
                g.varies = true;
    }

    // An item has been read; `nullable` if it can match the empty text.
    void item(bool nullable)
    {
        Group& g = open.back();
        g.leadingNullable = g.leadingNullable && g.lastNullable;
        g.lastNullable = nullable;
        lastGroup.reset();
    }

    // Whether the quantifier is to be written.
    bool quantifier(bool optional, bool repeats)
    {
        if (optional)
            open.back().lastNullable = true;
        afterQuantifier = true;
        quantifierDropped = false;
        if (lastGroup && lastGroup->lookaround && !d.javaScript) {
            // A repeated look-around holds once, or not at all when it may
            // be repeated zero times, its groups then unset.
            if (optional)
                r.pattern.insert(lastGroup->written, QStringLiteral("(?:(?!)")) += QStringLiteral(")?");
            lastGroup.reset();
            quantifierDropped = true;
            return false;
        }
        // Each repetition of a group clears the groups inside it in the
        // window, and one that matches the empty text ends the loop; the
        // languages keep the values of earlier repetitions and count empty
        // ones, so the groups' values, and the match, can differ.
        if (lastGroup && (lastGroup->nullable || (repeats && lastGroup->holdsCapture)) && !d.javaScript)
            caveat(QStringLiteral("%1 keeps the groups of an earlier repetition and repeats what matches the empty "
                                  "text, where the window does neither, so groups and matches may differ.")
                       .arg(d.name));
        lastGroup.reset();
        return true;
    }

    void alternative()
    {
        Group& g = open.back();
        g.anAlternativeNullable = g.anAlternativeNullable || (g.leadingNullable && g.lastNullable);
        g.leadingNullable = g.lastNullable = true;
        lastGroup.reset();
    }

    void atom()
    {
        const QChar c = s[i++];
        const bool lazy = afterQuantifier && c == u'?';
        const bool dropped = lazy && quantifierDropped;
        afterQuantifier = false;
        switch (c.unicode()) {
        case u'\\':
            item(escape());
            return;
        case u'[':
            characterClass();
            item(false);
            return;
        case u'(':
            groupOpen();
            return;
        case u')':
            groupClose();
            return;
        case u'|':
            noteVarying();
            alternative();
            r.pattern += c;
            return;
        case u'*':
        case u'+':
        case u'?':
            noteVarying();
            if ((lazy && !dropped) || (!lazy && quantifier(c != u'+', c != u'?')))
                r.pattern += c;
            return;
        case u'{':
            braces();
            return;
        case u'.':
            r.pattern += d.javaScript ? QStringLiteral(".") : u'[' + (u'^' + rangeText(kLineTerminators)) + u']';
            item(false);
            return;
        case u'^':
        case u'$':
            anchor(c == u'^');
            item(true);
            return;
        default:
            item(false);
            if (c.isHighSurrogate() && i < s.size() && s[i].isLowSurrogate()) {
                r.pattern += c;
                r.pattern += s[i++];
                return;
            }
            r.pattern += literal(c.unicode());
        }
    }

    void braces()
    {
        qsizetype k = i;
        while (k < s.size() && isDigit(s[k]))
            ++k;
        bool isQuantifier = k > i;
        if (isQuantifier && k < s.size() && s[k] == u',')
            for (++k; k < s.size() && isDigit(s[k]);)
                ++k;
        isQuantifier = isQuantifier && k < s.size() && s[k] == u'}';
        if (!isQuantifier) {
            r.pattern += literal(u'{');
            item(false);
            return;
        }
        const QString counts = s.mid(i, k - i);
        if (counts.contains(u',') || counts.toInt() != 1)
            noteVarying();
        if (quantifier(counts.startsWith(u'0'),
                       counts.contains(u',') ? counts.section(u',', 1) != u"1" : counts.toInt() > 1))
            r.pattern += s.mid(i - 1, k + 1 - (i - 1));
        i = k + 1;
    }

    void anchor(bool start)
    {
        const QString sign = start ? QStringLiteral("^") : QStringLiteral("$");
        if (d.javaScript) {
            r.pattern += sign;
        } else if (!d.backtracking) {
            r.pattern += QStringLiteral("(?m:%1)").arg(sign);
            caveat(QStringLiteral("%1's ^ and $ take only LF as a line end; the window also takes CR, "
                                  "U+2028 and U+2029.")
                       .arg(d.name));
        } else {
            // Next to a line terminator or the end of the text: the
            // languages' own multiline anchors know other line ends, and
            // some let $ match before a final LF.
            const QString lineEnds = rangeText(kLineTerminators);
            r.pattern += start ? QStringLiteral("(?<![^%1])").arg(lineEnds) : QStringLiteral("(?![^%1])").arg(lineEnds);
        }
    }

    void wordBoundary(bool boundary)
    {
        if (d.javaScript || !d.backtracking) {
            r.pattern += boundary ? QStringLiteral("\\b") : QStringLiteral("\\B");
            return;
        }
        // ASCII word characters, as in the window; the languages' own \b
        // also counts other letters and digits.
        const QString w = u'[' + rangeText(kWord) + u']';
        r.pattern += boundary ? QStringLiteral("(?:(?<=%1)(?!%1)|(?<!%1)(?=%1))").arg(w)
                              : QStringLiteral("(?:(?<=%1)(?=%1)|(?<!%1)(?!%1))").arg(w);
    }

    void backReference(int number)
    {
        if (d.javaScript) {
            r.pattern += QStringLiteral("(?:\\%1)").arg(number);
            return;
        }
        if (!d.backtracking) {
            caveat(QStringLiteral("%1 has no back-references, so the expression does not compile there.").arg(d.name));
            r.pattern += QStringLiteral("\\%1").arg(number);
            return;
        }
        // A group not yet closed has not taken part: the window matches the
        // empty text there, where some languages refuse the pattern.
        if (!closed[number]) {
            r.pattern += QStringLiteral("(?:)");
            return;
        }
        if (d.conditionals) {
            r.pattern += QStringLiteral("(?(%1)\\%1)").arg(number);
            return;
        }
        caveat(QStringLiteral("In %1 a back-reference to a group that has not taken part fails; "
                              "in the window it matches the empty text.")
                   .arg(d.name));
        r.pattern += QStringLiteral("(?:\\%1)").arg(number);
    }

    // \NUM that names no group, outside a class or in one: legacy octal.
    char16_t octal()
    {
        int value = 0;
        for (int n = 0; n < 3 && i < s.size() && isOctal(s[i]) && value * 8 + (s[i].unicode() - u'0') < 256; ++n)
            value = value * 8 + (s[i++].unicode() - u'0');
        return char16_t(value);
    }

    // The code unit a character escape stands for, in or out of a class;
    // class escapes, \b and back-references are read before.
    char16_t characterEscape(QChar c, bool inClass)
    {
        switch (c.unicode()) {
        case u'f':
            return 0x0c;
        case u'n':
            return 0x0a;
        case u'r':
            return 0x0d;
        case u't':
            return 0x09;
        case u'v':
            return 0x0b;
        case u'c':
            if (i < s.size() && ((s[i].isLetter() && s[i].unicode() < 0x80) ||
                                 (inClass && (isDigit(s[i]) || s[i] == u'_'))))
                return char16_t(s[i++].unicode() % 32);
            --i; // a backslash, and the c stands for itself
            return u'\\';
        case u'x':
        case u'u': {
            const int digits = c == u'x' ? 2 : 4;
            const int v = hexAt(s, i, digits);
            if (v < 0)
                return c.unicode();
            i += digits;
            return char16_t(v);
        }
        case u'o':
            return i < s.size() && isOctal(s[i]) ? octal() : u'o';
        default:
            return c.unicode();
        }
    }

    // Whether the escape can match the empty text.
    bool escape()
    {
        const QChar c = s[i++];
        bool negated = false;
        if (const Ranges* set = classEscape(c, negated)) {
            if (d.javaScript)
                r.pattern += u'\\' + QString(c);
            else
                r.pattern += (negated ? QStringLiteral("[^") : QStringLiteral("[")) + rangeText(*set) + u']';
            return false;
        }
        if (c == u'b' || c == u'B') {
            wordBoundary(c == u'b');
            return true;
        }
        if (c >= u'1' && c <= u'9') {
            qsizetype k = i - 1;
            int number = 0;
            while (k < s.size() && isDigit(s[k]) && number <= r.groupCount)
                number = number * 10 + (s[k++].unicode() - u'0');
            if (number <= r.groupCount) {
                i = k;
                backReference(number);
                return true;
            }
            if (c >= u'8') {
                r.pattern += literal(c.unicode());
                return false;
            }
            --i;
            r.pattern += literal(octal());
            return false;
        }
        if (c == u'0') {
            --i;
            r.pattern += literal(octal());
            return false;
        }
        if (c == u'k' && !r.groupNumbers.isEmpty()) {
            const qsizetype end = s.indexOf(u'>', i);
            const int number = r.groupNumbers.value(decodedName(s.mid(i + 1, end - i - 1)));
            i = end + 1;
            backReference(number);
            return true;
        }
        r.pattern += literal(characterEscape(c, false));
        return false;
    }

    void groupOpen()
    {
        Group g;
        g.written = r.pattern.size();
        if (s.mid(i).startsWith(u"?<=") || s.mid(i).startsWith(u"?<!")) {
            g.lookbehind = true;
            g.lookaround = true;
            r.pattern += u'(' + s.mid(i, 3);
            i += 3;
            if (!d.backtracking)
                caveat(QStringLiteral("%1 has no look-around, so the expression does not compile there.").arg(d.name));
        } else if (s.mid(i).startsWith(u"?=") || s.mid(i).startsWith(u"?!") || s.mid(i).startsWith(u"?:")) {
            g.lookaround = s[i + 1] != u':';
            r.pattern += u'(' + s.mid(i, 2);
            i += 2;
            if (!d.backtracking && s[i - 1] != u':')
                caveat(QStringLiteral("%1 has no look-around, so the expression does not compile there.").arg(d.name));
        } else if (s.mid(i).startsWith(u"?<")) {
            g.number = ++opened;
            const qsizetype end = s.indexOf(u'>', i);
            const QString name = s.mid(i + 2, end - i - 2);
            i = end + 1;
            const bool plainName = !name.isEmpty() && name[0].unicode() < 0x80 && name[0].isLetter() &&
                                   std::all_of(name.begin(), name.end(),
                                               [](QChar n) { return isAsciiAlnum(n.unicode()); });
            const bool keepName = d.javaScript || (d.keepsNames && plainName);
            r.pattern += keepName ? d.namedGroupOpen + name + u'>' : QStringLiteral("(");
        } else {
            g.number = ++opened;
            r.pattern += u'(';
        }
        open.push_back(g);
    }

    void groupClose()
    {
        const Group g = open.back();
        const qsizetype written = g.written;
        open.pop_back();
        open.back().holdsCapture = open.back().holdsCapture || g.holdsCapture || g.number != 0;
        item(g.lookaround || g.anAlternativeNullable || (g.leadingNullable && g.lastNullable));
        lastGroup = ClosedGroup{open.back().lastNullable, g.holdsCapture, g.lookaround, written};
        closed[g.number] = g.number != 0;
        r.pattern += u')';
        if (g.lookbehind && g.varies && !d.anyLookbehind && d.backtracking)
            caveat(QStringLiteral("%1 takes only look-behinds of fixed length, and this one may vary.").arg(d.name));
    }

    void characterClass()
    {
        const bool negated = i < s.size() && s[i] == u'^';
        i += negated ? 1 : 0;
        if (i < s.size() && s[i] == u']' && !d.javaScript) {
            ++i;
            // [] matches nothing and [^] any code unit.
            r.pattern += negated ? u'[' + rangeText({{0, d.codePoints ? 0x10ffff : 0xffff}}) + u']'
                                 : (d.backtracking ? QStringLiteral("(?!)") : QStringLiteral("[^\\x00-\\x{10FFFF}]"));
            return;
        }
        QString body;
        // One member at a time: a code unit (returned) or a set (written).
        const auto member = [&](bool& isSet) -> char16_t {
            isSet = false;
            const QChar c = s[i++];
            if (c != u'\\')
                return c.unicode();
            const QChar e = s[i++];
            bool setNegated = false;
            if (const Ranges* set = classEscape(e, setNegated)) {
                isSet = true;
                body += d.javaScript ? u'\\' + QString(e) : rangeText(setNegated ? complement(*set) : *set);
                return 0;
            }
            if (e == u'b')
                return 0x08;
            if (e >= u'8' && e <= u'9')
                return e.unicode();
            if (e >= u'0' && e <= u'7') {
                --i;
                return octal();
            }
            return characterEscape(e, true);
        };
        while (s[i] != u']') {
            bool firstSet = false;
            const char16_t first = member(firstSet);
            if (firstSet)
                continue;
            if (s[i] == u'-' && i + 1 < s.size() && s[i + 1] != u']') {
                ++i;
                bool lastSet = false;
                const QString before = body;
                const char16_t last = member(lastSet);
                if (!lastSet) {
                    body += literal(first) + u'-' + literal(last);
                    continue;
                }
                // A hyphen next to a class escape is itself.
                const QString set = body.mid(before.size());
                body = before + literal(first) + literal(u'-') + set;
                continue;
            }
            body += literal(first);
        }
        ++i;
        r.pattern += (negated ? QStringLiteral("[^") : QStringLiteral("[")) + body + u']';
    }
};

} // namespace

RewrittenPattern rewritePattern(const QString& source, const PatternDialect& dialect)
{
    return Rewriter(source, dialect).run();
}

} // namespace pattaro
