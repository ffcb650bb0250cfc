#include "core/codegen/target.h"

namespace pattaro {
namespace {

QString unit(char32_t c) { return QStringLiteral("\\x{%1}").arg(hex4(c)); }

// Single quotes know only \\ and \', which suits patterns.
QString quoted(const QString& text)
{
    return u'\'' + QString(text).replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'")) + u'\'';
}

QString stringLiteral(const QString& text, QStringList& caveats)
{
    if (allPlainPrintable(text))
        return quoted(text);
    const auto other = [&caveats](const QString& units, qsizetype& i) {
        const QChar c = units[i];
        if (c.isHighSurrogate() && i + 1 < units.size() && units[i + 1].isLowSurrogate())
            return QStringLiteral("\\u{%1}").arg(uint(QChar::surrogateToUcs4(c, units[++i])), 0, 16);
        if (c.isSurrogate()) {
            caveats << QStringLiteral("PHP's UTF-8 strings cannot hold a lone surrogate; U+FFFD stands for it.");
            return QStringLiteral("\\u{fffd}");
        }
        return isPlainPrintable(c.unicode()) ? QString(c) : QStringLiteral("\\u{%1}").arg(hex4(c.unicode()));
    };
    // In double quotes $ would start a variable.
    return u'"' + cStyleEscaped(text, other, u"$") + u'"';
}

QString replacement(const CodeInput& input, QStringList& caveats)
{
    QString out;
    for (const ReplacementPart& part : input.replacement) {
        switch (part.kind) {
        case ReplacementPart::Kind::Text:
            for (const QChar c : part.text)
                out += c == u'\\' || c == u'$' ? u'\\' + QString(c) : QString(c);
            break;
        case ReplacementPart::Kind::Group:
            out += QStringLiteral("${%1}").arg(part.group);
            break;
        case ReplacementPart::Kind::Before:
        case ReplacementPart::Kind::After:
            caveats << caveatForBeforeAfter(QStringLiteral("PHP"));
            break;
        }
    }
    return out;
}

QString snippet(const CodeInput& input, QStringList& caveats)
{
    // u: the text is UTF-8. Every character of the pattern is escaped or
    // a letter, digit or space, so any delimiter does.
    const QString text =
        QStringLiteral("$pattern = %1;\n"
                       "$result = preg_replace($pattern, %2, $text);\n")
            .arg(stringLiteral(u'/' + input.pattern.pattern +
                                   (input.request.ignoreCase ? QStringLiteral("/ui") : QStringLiteral("/u")),
                               caveats),
                 stringLiteral(replacement(input, caveats), caveats));
    caveats.removeDuplicates();
    return text;
}

QString program(const QString& snippet)
{
    return QStringLiteral("<?php\n"
                          "$text = stream_get_contents(STDIN);\n"
                          "%1"
                          "fwrite(STDOUT, $result);\n")
        .arg(snippet);
}

} // namespace

const TargetLanguage& phpTarget()
{
    static const TargetLanguage t{
        {false, unit, QStringLiteral("(?<"), true, true, true, false, true, QStringLiteral("PHP")},
        QStringLiteral("// "), snippet, program, {}};
    return t;
}

} // namespace pattaro
