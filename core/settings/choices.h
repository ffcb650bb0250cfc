#pragma once

#include "core/settings/history.h"
#include "core/settings/library.h"

#include <QString>
#include <vector>

namespace pattaro {

// One line of the list Text3 offers: what it shows and what picking it sets.
struct ExpressionChoice {
    QString label;
    HistoryEntry entry;
};

// The history first, newest first, then the user's library, then the
// ready-made expressions, each line marked with where it comes from.
std::vector<ExpressionChoice> ExpressionChoices(const ExpressionHistory& history, const ExpressionLibrary& library,
                                                const std::vector<LibraryEntry>& readyMade);

// The indices of the choices whose label holds every word typed, in any
// case, in their order; all of them for nothing typed.
std::vector<std::size_t> FilterChoices(const std::vector<ExpressionChoice>& choices, const QString& typed);

} // namespace pattaro
