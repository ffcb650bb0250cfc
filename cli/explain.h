#pragma once

#include "core/explain/characternames.h"
#include "cli/arguments.h"
#include "cli/output.h"

#include <QLocale>

namespace pattaro::cli {

// Chinese for a Chinese locale, English for any other.
ExplainLanguage LanguageOfLocale(const QLocale& locale);

// explain: the expression's tree as indented text or JSON, flags as the
// other commands search with them. A refused expression is explained too,
// where and why, and exits kExitFailure.
int RunExplain(const Arguments& args, const QLocale& locale, Utf8Output& out);

} // namespace pattaro::cli
