#pragma once

#include "core/text/textlimit.h"
#include "ui/encodingchooser.h"
#include "compat/filestore.h"

#include <QString>
#include <optional>

namespace pattaro {

// How much of each encoding the chooser shows.
inline constexpr int kPreviewLineCount = 6;
inline constexpr int kPreviewColumns = 200;

struct OpenedText {
    std::optional<QString> text;
    QString problem; // without text: what to tell the user; empty when the user declined
    QString notice;  // with text: what the user should know about it
};

// A text file for the source pane, its encoding detected (DecodeText). When
// detection cannot tell, `chooser` asks, showing the first lines in each
// likely encoding. Binary, oversized, unreadable, undecodable or special
// files (a pipe, a device, a folder) give no text but a message naming the
// file; UTF-8 cut short in its last character gives text and a notice.
OpenedText OpenTextFile(platform::FileStore& files, const QString& path, EncodingChooser& chooser);

struct SavedText {
    bool saved = false;
    // What to tell the user, if anything: why it failed, or that a lone
    // surrogate was written as U+FFFD.
    QString message;
};

// The text as UTF-8 without a byte order mark, every character and line
// break as it is.
SavedText SaveTextFile(platform::FileStore& files, const QString& path, const QString& text);

} // namespace pattaro
