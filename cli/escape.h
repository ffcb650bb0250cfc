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
// The same without the quotes, for a string written in pieces; a pair split
// between two pieces becomes two escapes, which JSON reads as the pair.
QString JsonEscaped(QStringView text);

} // namespace pattaro::cli
