#include "core/settings/preferences.h"

#include <QStringList>
#include <algorithm>

namespace pattaro {

namespace {

const QString kSwatch = QStringLiteral("colours/swatch%1");
const QString kCustomColours = QStringLiteral("colours/custom");
const QString kCaseSensitive = QStringLiteral("expression/caseSensitive");
const QString kExpression = QStringLiteral("expression/pattern");
const QString kReplacement = QStringLiteral("expression/replacement");
const QString kWindowX = QStringLiteral("window/x");
const QString kWindowY = QStringLiteral("window/y");
// The key live preview has always used.
const QString kLivePreview = QStringLiteral("livePreview");
const QString kTheme = QStringLiteral("appearance/theme");
const QString kLook = QStringLiteral("appearance/look");
const QString kZoom = QStringLiteral("panes/zoom");
const QString kHistory = QStringLiteral("expression/history");

constexpr int kLargestColour = 0xFFFFFF;
// Far enough for any desktop of screens side by side.
constexpr int kFarthestPlace = 100000;

std::optional<int> numberIn(const QVariant& value, int lowest, int highest)
{
    if (!value.isValid())
        return std::nullopt;
    bool isNumber = false;
    const qlonglong number = value.toString().toLongLong(&isNumber);
    if (!isNumber || number < lowest || number > highest)
        return std::nullopt;
    return int(number);
}

} // namespace

std::optional<int> Preferences::number(const QString& key, int lowest, int highest) const
{
    return numberIn(m_store.value(key), lowest, highest);
}

std::optional<bool> Preferences::flag(const QString& key) const
{
    // A file keeps booleans as the words; nothing else counts as one.
    const QString word = m_store.value(key).toString();
    if (word == u"true")
        return true;
    if (word == u"false")
        return false;
    return std::nullopt;
}

std::optional<QString> Preferences::text(const QString& key) const
{
    const QVariant value = m_store.value(key);
    if (!value.isValid() || !value.canConvert<QString>() || value.typeId() == QMetaType::QStringList)
        return std::nullopt;
    return value.toString();
}

std::optional<Preferences::Colour> Preferences::SwatchColour(int swatch) const
{
    const auto colour = number(kSwatch.arg(swatch), 0, kLargestColour);
    return colour ? std::optional<Colour>(Colour(*colour)) : std::nullopt;
}

void Preferences::SwatchColour(int swatch, Colour colour)
{
    m_store.setValue(kSwatch.arg(swatch), int(colour));
}

std::optional<Preferences::CustomColours> Preferences::DialogCustomColours() const
{
    const QStringList words = m_store.value(kCustomColours).toStringList();
    CustomColours colours{};
    if (words.size() != qsizetype(colours.size()))
        return std::nullopt;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const auto colour = numberIn(words[qsizetype(i)], 0, kLargestColour);
        if (!colour)
            return std::nullopt;
        colours[i] = Colour(*colour);
    }
    return colours;
}

void Preferences::DialogCustomColours(const CustomColours& colours)
{
    QStringList words;
    for (const Colour colour : colours)
        words << QString::number(colour);
    m_store.setValue(kCustomColours, words);
}

std::optional<bool> Preferences::CaseSensitive() const
{
    return flag(kCaseSensitive);
}

void Preferences::CaseSensitive(bool on)
{
    m_store.setValue(kCaseSensitive, on);
}

std::optional<QString> Preferences::Expression() const
{
    return text(kExpression);
}

void Preferences::Expression(const QString& text)
{
    m_store.setValue(kExpression, text);
}

std::optional<QString> Preferences::Replacement() const
{
    return text(kReplacement);
}

void Preferences::Replacement(const QString& text)
{
    m_store.setValue(kReplacement, text);
}

std::optional<QPoint> Preferences::WindowPosition() const
{
    const auto x = number(kWindowX, -kFarthestPlace, kFarthestPlace);
    const auto y = number(kWindowY, -kFarthestPlace, kFarthestPlace);
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

void Preferences::WindowPosition(QPoint at)
{
    m_store.setValue(kWindowX, at.x());
    m_store.setValue(kWindowY, at.y());
}

std::optional<bool> Preferences::LivePreview() const
{
    return flag(kLivePreview);
}

void Preferences::LivePreview(bool on)
{
    m_store.setValue(kLivePreview, on);
}

std::optional<int> Preferences::Theme() const
{
    return number(kTheme, 0, kThemeCount - 1);
}

void Preferences::Theme(int theme)
{
    m_store.setValue(kTheme, theme);
}

std::optional<int> Preferences::Look() const
{
    return number(kLook, 0, kLookCount - 1);
}

void Preferences::Look(int look)
{
    m_store.setValue(kLook, look);
}

std::optional<int> Preferences::Zoom() const
{
    return number(kZoom, kSmallestZoom, kLargestZoom);
}

void Preferences::Zoom(int points)
{
    m_store.setValue(kZoom, ClampZoom(points));
}

ExpressionHistory Preferences::History() const
{
    return ExpressionHistory::FromJson(m_store.value(kHistory).toString().toUtf8());
}

void Preferences::History(const ExpressionHistory& history)
{
    m_store.setValue(kHistory, QString::fromUtf8(history.ToJson()));
}

int ClampZoom(int points)
{
    return std::clamp(points, Preferences::kSmallestZoom, Preferences::kLargestZoom);
}

} // namespace pattaro
