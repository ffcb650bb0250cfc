#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace pattaro {

// Finds a string of bytes in a large text. It looks sixteen places at a
// time for the two bytes of the string least likely to be common in text,
// each at its distance from the start, and compares the rest only where
// both are found: a string beginning with a common letter is then not
// looked at wherever that letter is.
class ByteFinder {
public:
    // `needle` holds one byte at least.
    explicit ByteFinder(QByteArrayView needle);

    // The first occurrence at or after `from`, or -1.
    qsizetype find(QByteArrayView text, qsizetype from = 0) const;
    qsizetype size() const { return m_needle.size(); }

private:
    QByteArray m_needle;
    // Where in the needle its rarest byte is, and its next rarest; the same
    // for a needle of one byte.
    qsizetype m_rare = 0;
    qsizetype m_nextRare = 0;
};

// How many times any of the needles occurs, taken as a pattern of literal
// alternatives takes them: at the leftmost place where one occurs, the
// first of them in order that does, then on from its end.
qsizetype CountLeftmostFirst(QByteArrayView text, const std::vector<ByteFinder>& alternatives);

} // namespace pattaro
