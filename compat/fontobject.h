#pragma once

#include <QString>

namespace pattaro::platform {

// A font description handed to and from the font dialog. Bold and Weight
// describe the same thing and follow each other: Bold sets the weight to 700
// or 400, a weight of 600 or more reads as bold. Setters refuse impossible
// values by throwing std::invalid_argument and keep the old value.
class FontObject {
public:
    static constexpr int kNormal = 400;
    static constexpr int kBold = 700;

    QString Name() const { return m_name; }
    void Name(const QString& value) { m_name = value; }
    // Points; more than 0.
    double Size() const { return m_size; }
    void Size(double value);
    bool Bold() const { return m_weight >= 600; }
    void Bold(bool value) { m_weight = value ? kBold : kNormal; }
    bool Italic() const { return m_italic; }
    void Italic(bool value) { m_italic = value; }
    bool Underline() const { return m_underline; }
    void Underline(bool value) { m_underline = value; }
    bool Strikethrough() const { return m_strikethrough; }
    void Strikethrough(bool value) { m_strikethrough = value; }
    // 1 … 1000; 400 normal, 700 bold.
    int Weight() const { return m_weight; }
    void Weight(int value);

private:
    QString m_name;
    double m_size = 9;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    int m_weight = kNormal;
};

} // namespace pattaro::platform
