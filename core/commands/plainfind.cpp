#include "core/commands/plainfind.h"

#include <algorithm>

namespace pattaro {

std::optional<FoundText> FindPlainText(const QString& text, const QString& needle, qsizetype from, bool forward,
                                       Qt::CaseSensitivity caseSensitivity)
{
    if (needle.isEmpty() || needle.size() > text.size())
        return std::nullopt;
    from = std::clamp<qsizetype>(from, 0, text.size());
    qsizetype at = -1;
    if (forward) {
        at = text.indexOf(needle, from, caseSensitivity);
        if (at < 0)
            at = text.indexOf(needle, 0, caseSensitivity);
    } else {
        const qsizetype lastStart = from - needle.size();
        if (lastStart >= 0)
            at = text.lastIndexOf(needle, lastStart, caseSensitivity);
        if (at < 0)
            at = text.lastIndexOf(needle, -1, caseSensitivity);
    }
    if (at < 0)
        return std::nullopt;
    return FoundText{at, needle.size()};
}

} // namespace pattaro
