#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace pattaro::cli {

// Decodes strict UTF-8 exactly: a leading byte order mark stays as U+FEFF.
// Returns nothing for bytes that are not UTF-8, a sequence cut short included.
std::optional<QString> DecodeUtf8(QByteArrayView bytes);

} // namespace pattaro::cli
