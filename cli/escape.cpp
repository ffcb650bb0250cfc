#include "cli/escape.h"

namespace pattaro::cli {
namespace {

void appendUnicodeEscape(QString& out, char16_t unit)
{
    out += QStringLiteral("\\u%1").arg(unsigned(unit), 4, 16, QLatin1Char('0'));
}

// Length of the well-formed character at i: 2 for a surrogate pair, 1 for any
// other non-surrogate, 0 for a lone surrogate.
int wellFormedLength(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (!c.isSurrogate())
        return 1;
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return 2;
    return 0;
}

enum class Style { Plain, Json };

// Both listings escape the same way but for two details: JSON also escapes the
// quote, and the plain listing also escapes the C1 controls.
void appendEscaped(QString& out, QStringView text, Style style)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const int n = wellFormedLength(text, i);
        if (n == 2) {
            out += text.sliced(i, 2);
            ++i;
        } else if (n == 0) {
            appendUnicodeEscape(out, u);
        } else if (u == u'"' && style == Style::Json) {
            out += u"\\\"";
        } else if (u == u'\\') {
            out += u"\\\\";
        } else if (u == u'\t') {
            out += u"\\t";
        } else if (u == u'\n') {
            out += u"\\n";
        } else if (u == u'\r') {
            out += u"\\r";
        } else if (u < 0x20 || (style == Style::Plain && u >= 0x7F && u <= 0x9F)) {
            appendUnicodeEscape(out, u);
        } else {
            out += QChar(u);
        }
    }
}

} // namespace

QString EscapePlain(QStringView text)
{
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text, Style::Plain);
    return out;
}

QString JsonEscaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text, Style::Json);
    return out;
}

QString JsonString(QStringView text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    appendEscaped(out, text, Style::Json);
    out += u'"';
    return out;
}

} // namespace pattaro::cli
