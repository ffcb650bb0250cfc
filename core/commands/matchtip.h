#pragma once

#include "core/regex/regexp.h"

#include <QString>

namespace pattaro {

// The match that covers the character at `offset` (a code-unit offset into
// the searched text), or -1 when none does. Empty matches cover nothing.
// Binary search: the spans are ascending and do not overlap.
qsizetype MatchAt(const MatchCollection& matches, qsizetype offset);

// The details of match `index` as one plain-text tool tip: its number out of
// the total, its offset and length, and each capture group's text or that it
// took no part. Texts are shortened and their control characters written
// out, so the tip stays small and unbroken whatever the subject holds.
QString MatchTipText(const MatchCollection& matches, qsizetype index);

// A text as it appears in the tip: at most kMaxTipTextUnits code units (a
// surrogate pair is never split) followed by "…" when longer; line breaks,
// tabs, NUL and other invisible or line-breaking characters as escapes.
inline constexpr qsizetype kMaxTipTextUnits = 60;
QString TipVisibleText(QStringView text);

// Groups past this many are summed up in one line.
inline constexpr int kMaxTipGroups = 20;

} // namespace pattaro
