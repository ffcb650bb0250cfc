#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace pattaro {

// The encodings a text is read in. The legacy ones after Utf32BE are
// decoded by Qt by their codec name.
enum class TextEncoding {
    Utf8,
    Utf16LE,
    Utf16BE,
    Utf32LE,
    Utf32BE,
    Gb18030,
    Big5,
    ShiftJis,
    EucJp,
    EucKr,
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
};

// What the caller asks for: detection, or one encoding taken as given.
struct EncodingChoice {
    std::optional<TextEncoding> encoding; // none: detect
    static const EncodingChoice Auto;

    constexpr EncodingChoice() = default;
    // Implicit, so that an encoding is a choice wherever one is asked for.
    constexpr EncodingChoice(TextEncoding named) : encoding(named) {}
    bool operator==(const EncodingChoice&) const = default;
};
inline constexpr EncodingChoice EncodingChoice::Auto{};

// "UTF-8", "UTF-16LE", …, "GB18030", "Big5", "Shift_JIS", "EUC-JP",
// "EUC-KR", "windows-1250" … "windows-1258".
QString EncodingName(TextEncoding encoding);

// The name with what the encoding is for, for a person choosing one:
// "GB18030（简体中文）", "windows-1252（西欧）"; UTF-8 and the other Unicode
// forms are their names.
QString EncodingLabel(TextEncoding encoding);

// The name Qt's converters know the encoding by; empty for the Unicode forms,
// which are decoded here.
const char* LegacyCodecName(TextEncoding encoding);

// Two-byte encodings of Chinese, Japanese and Korean.
bool IsMultiByteLegacy(TextEncoding encoding);

// A name as a person gives it, case aside: "auto", each encoding's name
// ("utf-16" is UTF-16 with either mark, little endian without; "utf-32"
// likewise) and the common aliases gbk, gb2312, sjis and cp1250 … cp1258.
std::optional<EncodingChoice> EncodingChoiceByName(const QString& name);

// The names EncodingChoiceByName takes, aliases aside, in lower case, for
// a usage text.
QStringList EncodingChoiceNames();

// An encoding as the charset detector names it; ISO-8859-1 and ISO-8859-9
// are read as windows-1252 and windows-1254, which contain them. Nothing
// for the detector's other answers.
std::optional<TextEncoding> EncodingFromDetectorName(QByteArrayView name);

} // namespace pattaro
