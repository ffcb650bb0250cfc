#pragma once

#include <QString>
#include <QStringView>

namespace pattaro {

// Case conversion one code point at a time, by Unicode's simple mappings:
// the result has exactly as many UTF-16 code units as the text, so offsets
// into the text stay valid in the result (ß stays ß, İ becomes i). A code
// point whose mapping would need a different number of code units, a lone
// surrogate and every character without a case pass through unchanged.
QString SimpleUpperCase(QStringView text);
QString SimpleLowerCase(QStringView text);

} // namespace pattaro
