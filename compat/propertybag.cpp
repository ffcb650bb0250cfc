#include "compat/propertybag.h"

#include "compat/vberror.h"
#include "compat/vbnumbers.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <algorithm>
#include <cmath>

namespace pattaro::platform {

namespace {

// A text as the runtime converts it to a number: an optional sign, decimal
// digits with an optional fraction and exponent, or &H hexadecimal.
double textToNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return -1;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    if (t.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
        const qulonglong v = t.mid(2).toULongLong(&ok, 16);
        if (ok && v <= 0xFFFFFFFFull)
            return double(v <= 0xFFFF ? qint16(v) : qint32(quint32(v)));
        throw VBError::typeMismatch();
    }
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw VBError::typeMismatch();
    return v;
}

QString typeName(PropertyValue::Type t)
{
    switch (t) {
    case PropertyValue::Type::Long: return QStringLiteral("long");
    case PropertyValue::Type::Integer: return QStringLiteral("integer");
    case PropertyValue::Type::Boolean: return QStringLiteral("boolean");
    case PropertyValue::Type::String: return QStringLiteral("string");
    }
    return {};
}

QString escaped(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '"': out += QStringLiteral("\\\""); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case 0: out += QStringLiteral("\\0"); break;
        default: out += c;
        }
    }
    return out + QLatin1Char('"');
}

std::optional<QString> unescaped(const QString& s)
{
    if (s.size() < 2 || !s.startsWith(QLatin1Char('"')) || !s.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QString out;
    for (qsizetype i = 1; i < s.size() - 1; ++i) {
        QChar c = s.at(i);
        if (c == QLatin1Char('"'))
            return std::nullopt;
        if (c == QLatin1Char('\\')) {
            if (++i >= s.size() - 1)
                return std::nullopt;
            switch (s.at(i).unicode()) {
            case '\\': c = QLatin1Char('\\'); break;
            case '"': c = QLatin1Char('"'); break;
            case 'r': c = QLatin1Char('\r'); break;
            case 'n': c = QLatin1Char('\n'); break;
            case 't': c = QLatin1Char('\t'); break;
            case '0': c = QChar(0); break;
            default: return std::nullopt;
            }
        }
        out += c;
    }
    return out;
}

std::optional<PropertyValue> parseValue(const QString& type, const QString& text)
{
    bool ok = false;
    if (type == QLatin1String("string")) {
        if (auto s = unescaped(text))
            return PropertyValue(*s);
        return std::nullopt;
    }
    const int v = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    if (type == QLatin1String("long"))
        return PropertyValue(std::int32_t(v));
    if (type == QLatin1String("integer") && v >= -32768 && v <= 32767)
        return PropertyValue(std::int16_t(v));
    if (type == QLatin1String("boolean") && (v == 0 || v == -1))
        return PropertyValue(v == -1);
    return std::nullopt;
}

} // namespace

std::int32_t PropertyValue::toLong() const
{
    switch (type()) {
    case Type::Long: return std::get<std::int32_t>(m_value);
    case Type::Integer: return std::get<std::int16_t>(m_value);
    case Type::Boolean: return std::get<bool>(m_value) ? -1 : 0;
    case Type::String: return toInt32(textToNumber(std::get<QString>(m_value)));
    }
    return 0;
}

std::int16_t PropertyValue::toInteger() const
{
    if (type() == Type::String)
        return toInt16(textToNumber(std::get<QString>(m_value)));
    return toInt16(toLong());
}

bool PropertyValue::toBoolean() const
{
    if (type() == Type::String)
        return textToNumber(std::get<QString>(m_value)) != 0;
    return toLong() != 0;
}

QString PropertyValue::toString() const
{
    switch (type()) {
    case Type::Long: return QString::number(std::get<std::int32_t>(m_value));
    case Type::Integer: return QString::number(std::get<std::int16_t>(m_value));
    case Type::Boolean: return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::String: return std::get<QString>(m_value);
    }
    return {};
}

bool PropertyValue::sameValue(const PropertyValue& other) const
{
    const bool text = type() == Type::String, otherText = other.type() == Type::String;
    if (text || otherText)
        return text && otherText && toString() == other.toString();
    return toLong() == other.toLong();
}

std::vector<std::pair<QString, PropertyValue>>::iterator PropertyBag::find(const QString& name)
{
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const auto& e) { return e.first.compare(name, Qt::CaseInsensitive) == 0; });
}

std::vector<std::pair<QString, PropertyValue>>::const_iterator PropertyBag::find(const QString& name) const
{
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const auto& e) { return e.first.compare(name, Qt::CaseInsensitive) == 0; });
}

void PropertyBag::remove(const QString& name)
{
    if (auto it = find(name); it != m_entries.end())
        m_entries.erase(it);
}

PropertyValue PropertyBag::ReadProperty(const QString& name, const PropertyValue& defaultValue) const
{
    const auto it = find(name);
    return it == m_entries.end() ? defaultValue : it->second;
}

void PropertyBag::WriteProperty(const QString& name, const PropertyValue& value, const PropertyValue& defaultValue)
{
    if (value.sameValue(defaultValue))
        remove(name);
    else
        WriteProperty(name, value);
}

void PropertyBag::WriteProperty(const QString& name, const PropertyValue& value)
{
    if (auto it = find(name); it != m_entries.end())
        it->second = value;
    else
        m_entries.emplace_back(name.toLower(), value);
}

bool PropertyBag::Contains(const QString& name) const
{
    return find(name) != m_entries.end();
}

QStringList PropertyBag::Keys() const
{
    QStringList keys;
    for (const auto& [key, value] : m_entries)
        keys << key;
    return keys;
}

QString PropertyBag::toText() const
{
    QString text;
    for (const auto& [key, value] : m_entries) {
        QString shown;
        switch (value.type()) {
        case PropertyValue::Type::String: shown = escaped(value.toString()); break;
        default: shown = QString::number(value.toLong()); break;
        }
        text += key + QStringLiteral(" = ") + typeName(value.type()) + QLatin1Char(' ') + shown + QLatin1Char('\n');
    }
    return text;
}

std::optional<PropertyBag> PropertyBag::fromText(const QString& text, QString* error)
{
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = eq > 0 ? line.left(eq).trimmed() : QString();
        const QString rest = eq > 0 ? line.mid(eq + 1).trimmed() : QString();
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        std::optional<PropertyValue> value;
        if (!key.isEmpty() && !key.contains(QLatin1Char(' ')) && space > 0)
            value = parseValue(rest.left(space).toLower(), rest.mid(space + 1).trimmed());
        if (!value) {
            if (error)
                *error = QStringLiteral("line %1: expected \"key = type value\", found \"%2\"").arg(n + 1).arg(line);
            return std::nullopt;
        }
        bag.WriteProperty(key, *value);
    }
    return bag;
}

std::optional<PropertyBag> PropertyBag::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    auto decode = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decode(file.readAll());
    QString why;
    auto bag = fromText(text, &why);
    if (!bag && error)
        *error = path + QStringLiteral(": ") + why;
    return bag;
}

bool PropertyBag::save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(toText().toUtf8()) >= 0 && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace pattaro::platform
