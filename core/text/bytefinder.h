#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace pattaro {

// Finds a string of bytes in a large text. It runs memchr for the byte of
// the string least likely to be common in text and compares the rest where
// it is found, so that a string beginning with a common letter is not
// looked at wherever that letter is.
class ByteFinder {
public:
    // `needle` holds one byte at least.
    explicit ByteFinder(QByteArrayView needle);

    // The first occurrence at or after `from`, or -1.
    qsizetype find(QByteArrayView text, qsizetype from = 0) const;
    // How many occurrences there are, none overlapping another, each taken
    // as soon as it begins.
    qsizetype count(QByteArrayView text) const;

private:
    QByteArray m_needle;
    // Where in the needle its rarest byte is.
    qsizetype m_rare = 0;
};

} // namespace pattaro
