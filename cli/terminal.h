#pragma once

#include "cli/arguments.h"

#include <QString>

namespace pattaro::cli {

// What decides whether output is coloured: where standard output goes and
// the environment. Tests give a scripted one.
class Terminal {
public:
    virtual ~Terminal() = default;
    virtual bool OutputIsTerminal() const = 0;
    // Empty when unset.
    virtual QString Variable(const char* name) const = 0;
};

class SystemTerminal : public Terminal {
public:
    bool OutputIsTerminal() const override;
    QString Variable(const char* name) const override;
};

// Colour for --color=always; for auto only on a terminal that can show it
// and when NO_COLOR is not set, so a pipe or a file never gets escape codes.
bool UseColor(ColorWhen when, const Terminal& terminal);

// How a match is shown in colour, as grep shows it.
inline constexpr QStringView kMatchColorOn = u"\x1b[01;31m";
inline constexpr QStringView kMatchColorOff = u"\x1b[m";

} // namespace pattaro::cli
