#include "core/regex/casefold.h"

#include <QString>
#include <array>
#include <vector>

namespace pattaro {
namespace {

struct CaseTable {
    std::array<char16_t, 0x10000> canonical;
    // Units grouped by canonical form: members of class k are
    // byClass[start[k] .. start[k + 1]).
    std::vector<char16_t> byClass;
    std::vector<uint32_t> start;

    CaseTable()
    {
        for (uint32_t u = 0; u < 0x10000; ++u) {
            const char16_t unit = char16_t(u);
            char16_t canon = unit;
            // Only units with a simple upper case can have a different
            // canonical form; asking QString for the full mapping of just
            // those keeps building the table cheap.
            if (QChar::toUpper(u) != u) {
                const QString upper = QString(QChar(unit)).toUpper();
                if (upper.size() == 1) {
                    const char16_t cu = upper.at(0).unicode();
                    if (!(u >= 128 && cu < 128))
                        canon = cu;
                }
            }
            canonical[u] = canon;
        }
        std::vector<uint32_t> count(0x10001, 0);
        for (uint32_t u = 0; u < 0x10000; ++u)
            ++count[canonical[u] + 1];
        start.assign(0x10001, 0);
        for (uint32_t k = 1; k <= 0x10000; ++k)
            start[k] = start[k - 1] + count[k];
        byClass.resize(0x10000);
        std::vector<uint32_t> fill(start.begin(), start.end() - 1);
        for (uint32_t u = 0; u < 0x10000; ++u)
            byClass[fill[canonical[u]]++] = char16_t(u);
    }
};

const CaseTable& table()
{
    static const CaseTable t;
    return t;
}

} // namespace

std::span<const char16_t> caseVariants(char16_t unit)
{
    const CaseTable& t = table();
    const char16_t canon = t.canonical[unit];
    return {t.byClass.data() + t.start[canon], t.start[canon + 1] - t.start[canon]};
}

} // namespace pattaro
