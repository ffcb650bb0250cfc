// Writes the table of units that match one another when case is ignored,
// from the Unicode data of the Qt the program is built with, so that the
// program finds it ready instead of asking Qt about every unit as it starts.
// Usage: casetablegen OUTPUT
#include <QFile>
#include <QString>
#include <array>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// The canonical form of a unit when case is ignored, as JavaScript has it
// without the u flag: its upper case, unless that is several characters or
// turns a unit beyond ASCII into an ASCII one.
char16_t canonical(char16_t unit)
{
    // Only units with a simple upper case can have a different canonical
    // form; asking QString for the full mapping of just those keeps this
    // quick.
    if (QChar::toUpper(unit) == unit)
        return unit;
    const QString upper = QString(QChar(unit)).toUpper();
    if (upper.size() != 1 || (unit >= 128 && upper.at(0).unicode() < 128))
        return unit;
    return upper.at(0).unicode();
}

QByteArray hex(char16_t unit) { return QByteArray("0x") + QByteArray::number(unit, 16).rightJustified(4, '0'); }

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: casetablegen OUTPUT\n");
        return 2;
    }
    std::map<char16_t, std::vector<char16_t>> classes;
    for (uint32_t u = 0; u < 0x10000; ++u)
        classes[canonical(char16_t(u))].push_back(char16_t(u));
    // Each unit of a class of two or more, in order, with where its class
    // lies among the members of all of them.
    std::map<char16_t, std::pair<size_t, size_t>> placeOf;
    QByteArray members, units, firsts, counts;
    size_t written = 0;
    for (const auto& [canon, units16] : classes) {
        if (units16.size() < 2)
            continue;
        for (char16_t unit : units16) {
            members += hex(unit) + ",";
            placeOf[unit] = {written, units16.size()};
        }
        written += units16.size();
    }
    for (const auto& [unit, place] : placeOf) {
        units += hex(unit) + ",";
        firsts += QByteArray::number(qulonglong(place.first)) + ",";
        counts += QByteArray::number(qulonglong(place.second)) + ",";
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write("// Written by casetablegen from Qt's Unicode data.\n");
    out.write("constexpr char16_t kClassMembers[] = {" + members + "};\n");
    out.write("constexpr char16_t kUnitsWithVariants[] = {" + units + "};\n");
    out.write("constexpr std::uint16_t kClassFirst[] = {" + firsts + "};\n");
    out.write("constexpr std::uint8_t kClassSize[] = {" + counts + "};\n");
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
