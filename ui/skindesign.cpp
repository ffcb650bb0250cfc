#include "ui/skindesign.h"

#include <QFile>

namespace pattaro {

platform::PropertyBag programSkinDesign()
{
    QFile file(QStringLiteral(":/pattaro/form1_design.txt"));
    const bool read = file.open(QIODevice::ReadOnly);
    const auto design = platform::PropertyBag::fromText(read ? QString::fromUtf8(file.readAll()) : QString());
    return design.value_or(platform::PropertyBag());
}

} // namespace pattaro
