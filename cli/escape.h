#pragma once

#include <QString>
#include <QStringView>

namespace pattaro::cli {

// For the plain listing of matches: backslash, tab, LF and CR as \\ \t \n \r;
// other control characters and lone surrogates as \uXXXX. Everything else,
// surrogate pairs included, is kept.
QString EscapePlain(QStringView text);

// A JSON string literal, quotes included. Lone surrogates become \uXXXX so the
// output stays valid UTF-8 and keeps the exact code units.
QString JsonString(QStringView text);

} // namespace pattaro::cli
