#pragma once

#include "core/settings/library.h"

#include <QString>
#include <vector>

namespace pattaro {

// The ready-made expressions the help text lists at its end, each named by
// what it matches: lines "匹配<name>的正则表达式：<expression>" and
// "<expression>　　//匹配<name>". An expression written as a literal between
// slashes is given without them.
std::vector<LibraryEntry> readyMadeExpressions(const QString& helpText);

} // namespace pattaro
