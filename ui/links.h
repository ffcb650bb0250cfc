#pragma once

#include <QString>

namespace pattaro {

// The project's pages behind the link labels and the banner.
inline const QString kProjectPageAddress = QStringLiteral("https://pattaro.example.org/");
inline const QString kContactPageAddress =
    QStringLiteral("https://pattaro.example.org/msgrd?V=1&Uin=10000&Site=Pattaro&Menu=yes");

} // namespace pattaro
