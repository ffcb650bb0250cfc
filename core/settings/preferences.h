#pragma once

#include "core/settings/history.h"
#include "core/settings/settingsstore.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace pattaro {

// What the window remembers, each value read back only when it is one the
// window can use: nothing for a key never stored, of the wrong type or out
// of range, so that the design's own value stays.
class Preferences {
public:
    using Colour = std::uint32_t; // 0x00BBGGRR
    using CustomColours = std::array<Colour, 16>;
    static constexpr int kThemeCount = 7;
    static constexpr int kLookCount = 4;
    static constexpr int kSmallestZoom = 8;
    static constexpr int kLargestZoom = 48;

    explicit Preferences(SettingsStore& store)
        : m_store(store)
    {
    }

    // swatch: 1 or 2, for Color1 and Color2.
    std::optional<Colour> SwatchColour(int swatch) const;
    void SwatchColour(int swatch, Colour colour);
    std::optional<CustomColours> DialogCustomColours() const;
    void DialogCustomColours(const CustomColours& colours);
    std::optional<bool> CaseSensitive() const;
    void CaseSensitive(bool on);
    std::optional<QString> Expression() const;
    void Expression(const QString& text);
    std::optional<QString> Replacement() const;
    void Replacement(const QString& text);
    std::optional<QPoint> WindowPosition() const;
    void WindowPosition(QPoint at);
    std::optional<bool> LivePreview() const;
    void LivePreview(bool on);
    // The skin's ThemeColor (0..6) and Style (0..3).
    std::optional<int> Theme() const;
    void Theme(int theme);
    std::optional<int> Look() const;
    void Look(int look);
    // The panes' text size in points.
    std::optional<int> Zoom() const;
    void Zoom(int points);
    ExpressionHistory History() const;
    void History(const ExpressionHistory& history);

private:
    std::optional<int> number(const QString& key, int lowest, int highest) const;
    std::optional<bool> flag(const QString& key) const;
    std::optional<QString> text(const QString& key) const;

    SettingsStore& m_store;
};

// A text size within the panes' range.
int ClampZoom(int points);

} // namespace pattaro
