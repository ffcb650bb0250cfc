#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace pattaro::platform {

// One saved property: a 32-bit integer, a 16-bit integer, a truth value or a
// text. The to* conversions are strict where the skin needs them to be:
// truth values read as -1 / 0, texts are parsed as numbers or True / False, a
// text that is neither fails with a type mismatch (VBError 13) and a number
// out of range with an overflow (VBError 6).
class PropertyValue {
public:
    enum class Type { Long, Integer, Boolean, String };

    PropertyValue() : m_value(std::int32_t(0)) {}
    PropertyValue(std::int32_t v) : m_value(v) {}
    // Colour values: the bit pattern as a 32-bit integer.
    PropertyValue(std::uint32_t v) : m_value(std::int32_t(v)) {}
    PropertyValue(std::int16_t v) : m_value(v) {}
    PropertyValue(bool v) : m_value(v) {}
    PropertyValue(const QString& v) : m_value(v) {}
    PropertyValue(const char* v) : m_value(QString::fromUtf8(v)) {}

    Type type() const { return Type(m_value.index()); }

    std::int32_t toLong() const;
    std::int16_t toInteger() const;
    bool toBoolean() const;
    QString toString() const;

    // Same value for the purpose of omitting a default: numbers and truth
    // values compare by number (true equals -1), texts by text.
    bool sameValue(const PropertyValue& other) const;

    // The typed value exactly, type included.
    friend bool operator==(const PropertyValue&, const PropertyValue&) = default;

private:
    std::variant<std::int32_t, std::int16_t, bool, QString> m_value;
};

// The store a control's design properties are saved to and loaded from.
// Keys are matched without regard to case and saved in lower case; writing a
// value equal to its default leaves the key out, so loading gives the default
// back. Saved as text, one "key = type value" line per key, for example
//     themecolor = long 1
//     closebutton = boolean -1
//     iconsize = integer 16
//     caption = string "Pattaro \"1\""
// with "#" starting a comment line.
class PropertyBag {
public:
    PropertyValue ReadProperty(const QString& name, const PropertyValue& defaultValue) const;
    void WriteProperty(const QString& name, const PropertyValue& value, const PropertyValue& defaultValue);
    // Without a default: always stored.
    void WriteProperty(const QString& name, const PropertyValue& value);

    bool Contains(const QString& name) const;
    // Lower-case keys in the order they were first written.
    QStringList Keys() const;

    QString toText() const;
    // nullopt and a message naming the line when the text is malformed.
    static std::optional<PropertyBag> fromText(const QString& text, QString* error = nullptr);
    static std::optional<PropertyBag> load(const QString& path, QString* error = nullptr);
    bool save(const QString& path, QString* error = nullptr) const;

private:
    std::vector<std::pair<QString, PropertyValue>>::iterator find(const QString& name);
    std::vector<std::pair<QString, PropertyValue>>::const_iterator find(const QString& name) const;
    void remove(const QString& name);

    std::vector<std::pair<QString, PropertyValue>> m_entries;
};

} // namespace pattaro::platform
