#pragma once

#include "core/regex/regexp.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace pattaro {

// Line break written after each item when the user wants one item per line.
inline constexpr QStringView kItemLineBreak = u"\r\n";

// "Replace and delete the other characters": each matched text is replaced on
// its own with the engine's current settings, so anchors, word boundaries and
// further matches inside it are judged against the matched text alone, not
// against its place in the source. Each result goes to sink in match order,
// followed by a CR LF piece when onePerLine is set. index is the loop
// counter: it ends at the number of matches, or at the item that failed.
//
// Throws RegexError when the engine fails on an item; the items before it
// have already gone to sink.
void ReplaceEachMatch(RegExp& engine, const MatchCollection& matches,
                      const QString& replacement, bool onePerLine,
                      const std::function<void(QStringView)>& sink, qsizetype& index);

// The same, appending to out. On RegexError, out keeps the items appended so
// far, as the result pane does when the command stops part-way.
void AppendEachReplaced(RegExp& engine, const MatchCollection& matches,
                        const QString& replacement, bool onePerLine, QString& out,
                        qsizetype& index);

} // namespace pattaro
