#pragma once

#include "app/components/textfile/textdecoding.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

namespace pattaro::cli {

enum class Command { Count, Matches, Replace, Extract, Upper, Lower };

struct Arguments {
    Command command = Command::Count;
    bool help = false;
    bool version = false;
    bool ignoreCase = false;
    bool json = false;
    bool lines = false;
    QString file; // empty: standard input
    EncodingChoice encoding = EncodingChoice::Auto;
    // How long a search may run; none: in proportion to the text.
    std::optional<std::chrono::milliseconds> timeLimit;
    QString pattern;
    QString replacement;
};

struct ParsedArguments {
    Arguments arguments;
    QString error; // empty when the command line is usable
};

// Options come before the command word; everything after it is taken
// literally, so a pattern may begin with '-'.
ParsedArguments ParseArguments(const QStringList& args);

} // namespace pattaro::cli
