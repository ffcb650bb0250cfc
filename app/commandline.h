#pragma once

#include <QStringList>
#include <optional>

namespace pattaro {

// pattaro's own options. --help and --version are answered before any window
// or display connection exists, so they work in a plain terminal; options
// that are not ours (Qt's -platform, -style, …) are left to QApplication.
enum class InfoRequest { Help, Version };

// arguments: the command line without the program name.
std::optional<InfoRequest> FindInfoRequest(const QStringList& arguments);
// The FILE to open, the first argument that is not an option (or any after
// "--"); the FILE of --screenshot is not one. Qt has taken its own options
// out by then.
std::optional<QString> FindFileArgument(const QStringList& arguments);
QString HelpText();
QString VersionText();

// Prints the answer to --help or --version on standard output and gives the
// exit status; nothing when the window should open.
std::optional<int> AnswerInfoRequest(int argc, char** argv);

} // namespace pattaro
