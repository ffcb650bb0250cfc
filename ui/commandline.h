#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pattaro {

// pattaro's own options. --help and --version are answered before any window
// or display connection exists, so they work in a plain terminal; options
// that are not ours (Qt's -platform, -style, …) are left to QApplication.
enum class InfoRequest { Help, Version };

struct WindowArguments {
    std::optional<InfoRequest> info;
    // The FILE to open: the first argument that is not an option (or any
    // after "--"); the FILE of --screenshot is not one.
    std::optional<QString> file;
    // Where --screenshot FILE (or --screenshot=FILE) writes the window.
    std::optional<QString> screenshot;
};

// arguments: the command line without the program name. Options that are
// not ours are passed over, so Qt's own may still be among them; Qt's take
// the form -name, which is never read as bundled letters.
WindowArguments ParseWindowArguments(const QStringList& arguments);
QString HelpText();
QString VersionText();

// Prints the answer to --help or --version on standard output and gives the
// exit status; nothing when the window should open.
std::optional<int> AnswerInfoRequest(int argc, char** argv);

} // namespace pattaro
