#include "core/commands/simplecase.h"

#include <cstddef>

namespace pattaro {
namespace {

// QChar::toUpper and toLower leave a character as it is when its full
// mapping is longer than one character; of those, these few have a simple
// mapping all the same.
struct WithheldMapping {
    char32_t first, last;
    char32_t offset; // added modulo 2^32, so it may step down
};

constexpr WithheldMapping kWithheldUpper[] = {
    {0x1F80, 0x1F87, 8}, {0x1F90, 0x1F97, 8}, {0x1FA0, 0x1FA7, 8}, // Greek with ypogegrammeni
    {0x1FB3, 0x1FB3, 9}, {0x1FC3, 0x1FC3, 9}, {0x1FF3, 0x1FF3, 9},
};
constexpr WithheldMapping kWithheldLower[] = {
    {0x0130, 0x0130, char32_t(0x0069 - 0x0130)}, // İ to i
};

// Qt's mapping, or the withheld one where Qt left the character as it was.
// The tables are in order, so most text is done with two comparisons.
template <std::size_t N>
char32_t simpleMapping(char32_t c, char32_t qtMapped, const WithheldMapping (&withheld)[N])
{
    if (qtMapped != c || c < withheld[0].first || c > withheld[N - 1].last)
        return qtMapped;
    for (const WithheldMapping& m : withheld)
        if (c >= m.first && c <= m.last)
            return c + m.offset;
    return qtMapped;
}

template <class Mapping> QString mapEachCodePoint(QStringView text, Mapping map)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(unit, text[i + 1]));
            const bool keepsWidth = QChar::requiresSurrogates(mapped);
            out[i] = keepsWidth ? QChar(QChar::highSurrogate(mapped)) : unit;
            out[i + 1] = keepsWidth ? QChar(QChar::lowSurrogate(mapped)) : text[i + 1];
            ++i;
        } else {
            const char32_t mapped = map(char32_t(unit.unicode()));
            out[i] = QChar::requiresSurrogates(mapped) ? unit : QChar(char16_t(mapped));
        }
    }
    return result;
}

} // namespace

QString SimpleUpperCase(QStringView text)
{
    return mapEachCodePoint(text, [](char32_t c) { return simpleMapping(c, QChar::toUpper(c), kWithheldUpper); });
}

QString SimpleLowerCase(QStringView text)
{
    return mapEachCodePoint(text, [](char32_t c) { return simpleMapping(c, QChar::toLower(c), kWithheldLower); });
}

} // namespace pattaro
