#include "cli/terminal.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace pattaro::cli {

bool SystemTerminal::OutputIsTerminal() const
{
    return isatty(fileno(stdout)) == 1;
}

QString SystemTerminal::Variable(const char* name) const
{
    return QString::fromLocal8Bit(std::getenv(name));
}

bool UseColor(ColorWhen when, const Terminal& terminal)
{
    switch (when) {
    case ColorWhen::Always:
        return true;
    case ColorWhen::Never:
        return false;
    case ColorWhen::Auto:
        break;
    }
    return terminal.OutputIsTerminal() && terminal.Variable("NO_COLOR").isEmpty()
           && terminal.Variable("TERM") != u"dumb";
}

} // namespace pattaro::cli
