#include "core/explain/characternames.h"

namespace pattaro {
namespace {

struct NamedUnit {
    char16_t unit;
    const char* chinese;
    const char* english;
};

constexpr NamedUnit kNamedUnits[] = {
    {0x00, "空字符 NUL", "NUL"},
    {0x08, "退格符 BS", "backspace BS"},
    {0x09, "制表符 TAB", "tab TAB"},
    {0x0A, "换行符 LF", "line feed LF"},
    {0x0B, "垂直制表符 VT", "vertical tab VT"},
    {0x0C, "换页符 FF", "form feed FF"},
    {0x0D, "回车符 CR", "carriage return CR"},
    {0x20, "空格", "space"},
    {0xA0, "不换行空格", "no-break space"},
    {0x2028, "行分隔符", "line separator"},
    {0x2029, "段分隔符", "paragraph separator"},
    {0x3000, "全角空格", "ideographic space"},
};

QString codePoint(char16_t unit) { return QStringLiteral("U+%1").arg(uint(unit), 4, 16, QChar(u'0')).toUpper(); }

} // namespace

QString characterName(char16_t unit, ExplainLanguage language)
{
    for (const NamedUnit& named : kNamedUnits) {
        if (named.unit == unit) {
            if (language == ExplainLanguage::Chinese)
                return QStringLiteral("%1（%2）").arg(QString::fromUtf8(named.chinese), codePoint(unit));
            return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(named.english), codePoint(unit));
        }
    }
    const QChar c(unit);
    if (c.isPrint() && !c.isSpace() && !c.isSurrogate())
        return QString(c);
    return codePoint(unit);
}

} // namespace pattaro
