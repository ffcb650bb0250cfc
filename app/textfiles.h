#pragma once

#include "app/components/textfile/textlimit.h"
#include "platform/filestore.h"

#include <QString>
#include <optional>

namespace pattaro {

struct OpenedText {
    std::optional<QString> text;
    QString problem; // without text: what to tell the user
};

// A text file for the source pane, its encoding detected: UTF-8, UTF-16 by
// its byte order mark, else GB18030. Binary, oversized, unreadable or
// undecodable files give no text but a message naming the file.
OpenedText OpenTextFile(platform::FileStore& files, const QString& path);

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
