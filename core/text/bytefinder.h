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

// The last `byte` before `before`, or -1: sixteen places at a time, as a
// line's start is looked for from a place inside it.
qsizetype FindLastByte(QByteArrayView text, char byte, qsizetype before);

// The leftmost occurrence of any of several needles in one text, for a
// search that goes forward: each needle's next occurrence is kept until the
// search passes it.
class LeftmostOccurrence {
public:
    // Both must outlive this.
    LeftmostOccurrence(QByteArrayView text, const std::vector<ByteFinder>& needles);

    struct Found {
        qsizetype at = -1; // -1 when no needle occurs
        size_t needle = 0; // the first of them in order, of those there
    };
    // The leftmost occurrence at or after `from`; `from` never goes back.
    Found next(qsizetype from);

private:
    QByteArrayView m_text;
    const std::vector<ByteFinder>& m_needles;
    // -2 before the first look; -1 once a needle has no occurrence left.
    std::vector<qsizetype> m_next;
};

// How many times any of the needles occurs, taken as a pattern of literal
// alternatives takes them: at the leftmost place where one occurs, the
// first of them in order that does, then on from its end.
qsizetype CountLeftmostFirst(QByteArrayView text, const std::vector<ByteFinder>& alternatives);

} // namespace pattaro
