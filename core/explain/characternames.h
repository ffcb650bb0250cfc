#pragma once

#include <QString>

namespace pattaro {

enum class ExplainLanguage { Chinese, English };

// A code unit as a reader can see it: the character itself when it shows,
// else its number, with a name for the control characters people meet.
QString characterName(char16_t unit, ExplainLanguage language);

} // namespace pattaro
