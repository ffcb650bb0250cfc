#pragma once

#include "core/text/textencoding.h"

#include <QString>
#include <optional>
#include <vector>

namespace pattaro {

// One encoding a file might be in, as offered to the user.
struct EncodingOption {
    TextEncoding encoding;
    QString label;   // EncodingLabel
    QString preview; // the file's first lines read in it
};

// Asks which encoding a file is in when detection cannot tell. The window
// asks through this, so tests can answer instead of a person.
class EncodingChooser {
public:
    virtual ~EncodingChooser() = default;
    // options: best guess first, at least one. Nothing when the user
    // declines to open the file.
    virtual std::optional<TextEncoding> choose(const QString& fileName, const std::vector<EncodingOption>& options) = 0;
};

// For runs with nobody at the screen: writes the question to standard
// error and declines, so that nothing waits and no guess is shown as fact.
class UnattendedEncodingChooser : public EncodingChooser {
public:
    std::optional<TextEncoding> choose(const QString& fileName, const std::vector<EncodingOption>& options) override;
};

} // namespace pattaro
