#include "core/text/textencoding.h"

#include <iterator>

namespace pattaro {
namespace {

struct EncodingInfo {
    TextEncoding encoding;
    const char* name;    // as shown and as Qt's converters know it
    const char* purpose; // for the label; empty for the Unicode forms
};

// In the order of TextEncoding.
constexpr EncodingInfo kEncodings[] = {
    {TextEncoding::Utf8, "UTF-8", ""},
    {TextEncoding::Utf16LE, "UTF-16LE", ""},
    {TextEncoding::Utf16BE, "UTF-16BE", ""},
    {TextEncoding::Utf32LE, "UTF-32LE", ""},
    {TextEncoding::Utf32BE, "UTF-32BE", ""},
    {TextEncoding::Gb18030, "GB18030", "简体中文"},
    {TextEncoding::Big5, "Big5", "繁体中文"},
    {TextEncoding::ShiftJis, "Shift_JIS", "日文"},
    {TextEncoding::EucJp, "EUC-JP", "日文"},
    {TextEncoding::EucKr, "EUC-KR", "韩文"},
    {TextEncoding::Windows1250, "windows-1250", "中欧"},
    {TextEncoding::Windows1251, "windows-1251", "西里尔文"},
    {TextEncoding::Windows1252, "windows-1252", "西欧"},
    {TextEncoding::Windows1253, "windows-1253", "希腊文"},
    {TextEncoding::Windows1254, "windows-1254", "土耳其文"},
    {TextEncoding::Windows1255, "windows-1255", "希伯来文"},
    {TextEncoding::Windows1256, "windows-1256", "阿拉伯文"},
    {TextEncoding::Windows1257, "windows-1257", "波罗的海文"},
    {TextEncoding::Windows1258, "windows-1258", "越南文"},
};

const EncodingInfo& info(TextEncoding encoding) { return kEncodings[int(encoding)]; }

constexpr struct {
    const char* name;
    TextEncoding encoding;
} kAliases[] = {
    {"utf-16", TextEncoding::Utf16LE}, {"utf-32", TextEncoding::Utf32LE}, {"gbk", TextEncoding::Gb18030},
    {"gb2312", TextEncoding::Gb18030}, {"sjis", TextEncoding::ShiftJis},  {"cp1250", TextEncoding::Windows1250},
    {"cp1251", TextEncoding::Windows1251}, {"cp1252", TextEncoding::Windows1252},
    {"cp1253", TextEncoding::Windows1253}, {"cp1254", TextEncoding::Windows1254},
    {"cp1255", TextEncoding::Windows1255}, {"cp1256", TextEncoding::Windows1256},
    {"cp1257", TextEncoding::Windows1257}, {"cp1258", TextEncoding::Windows1258},
};

} // namespace

QString EncodingName(TextEncoding encoding) { return QString::fromLatin1(info(encoding).name); }

QString EncodingLabel(TextEncoding encoding)
{
    const EncodingInfo& e = info(encoding);
    if (*e.purpose == '\0')
        return QString::fromLatin1(e.name);
    return QStringLiteral("%1（%2）").arg(QString::fromLatin1(e.name), QString::fromUtf8(e.purpose));
}

const char* LegacyCodecName(TextEncoding encoding) { return encoding >= TextEncoding::Gb18030 ? info(encoding).name : ""; }

bool IsMultiByteLegacy(TextEncoding encoding)
{
    return encoding >= TextEncoding::Gb18030 && encoding <= TextEncoding::EucKr;
}

std::optional<EncodingChoice> EncodingChoiceByName(const QString& name)
{
    if (name.compare(u"auto", Qt::CaseInsensitive) == 0)
        return EncodingChoice::Auto;
    for (const EncodingInfo& e : kEncodings)
        if (name.compare(QLatin1StringView(e.name), Qt::CaseInsensitive) == 0)
            return e.encoding;
    for (const auto& alias : kAliases)
        if (name.compare(QLatin1StringView(alias.name), Qt::CaseInsensitive) == 0)
            return alias.encoding;
    return std::nullopt;
}

QStringList EncodingChoiceNames()
{
    QStringList names{QStringLiteral("auto"), QStringLiteral("utf-8"), QStringLiteral("utf-16"),
                      QStringLiteral("utf-16le"), QStringLiteral("utf-16be"), QStringLiteral("utf-32"),
                      QStringLiteral("utf-32le"), QStringLiteral("utf-32be")};
    for (auto e = std::begin(kEncodings) + int(TextEncoding::Gb18030); e != std::end(kEncodings); ++e)
        names << QString::fromLatin1(e->name).toLower();
    return names;
}

std::optional<TextEncoding> EncodingFromDetectorName(QByteArrayView name)
{
    if (name == "ISO-8859-1")
        return TextEncoding::Windows1252;
    if (name == "ISO-8859-9")
        return TextEncoding::Windows1254;
    for (auto e = std::begin(kEncodings) + int(TextEncoding::Gb18030); e != std::end(kEncodings); ++e)
        if (name.compare(QByteArrayView(e->name), Qt::CaseInsensitive) == 0)
            return e->encoding;
    return std::nullopt;
}

} // namespace pattaro
