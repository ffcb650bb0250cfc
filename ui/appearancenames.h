#pragma once

#include <QString>
#include <array>

namespace pattaro {

// The Chinese names of the skin's colour themes, by ThemeColor value, and of
// its title-bar looks, by Style value, as the system menu offers them.
inline const std::array<QString, 7> kThemeNames = {
    QStringLiteral("蓝色"),   QStringLiteral("银色"),   QStringLiteral("橄榄绿"),   QStringLiteral("灰绿"),
    QStringLiteral("金色"),   QStringLiteral("自定义渐变"), QStringLiteral("跟随系统配色"),
};
inline const std::array<QString, 4> kLookNames = {
    QStringLiteral("圆柱标题栏"),
    QStringLiteral("双层标题栏"),
    QStringLiteral("深色条带标题栏"),
    QStringLiteral("线性渐变标题栏"),
};

} // namespace pattaro
