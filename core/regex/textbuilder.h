#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace pattaro {

// Builds a long text from many short pieces. Appending through QString costs
// a call and a capacity check per piece, which a replace over hundreds of
// thousands of matches notices; this writes straight into the buffer.
// It never grows beyond `limit` code units: a piece that would take it
// further throws std::length_error instead.
//
// Given a sink, it keeps no more than `capacity` units: whenever the buffer
// is full, what it holds goes to the sink, and flush() hands over the rest.
class TextBuilder {
public:
    using Sink = std::function<void(QStringView)>;

    TextBuilder(qsizetype capacity, qsizetype limit, Sink sink = {}) : m_limit(limit), m_sink(std::move(sink))
    {
        reset(0, std::min(capacity, limit));
    }

    // Small enough to be inlined where a replace appends its pieces, which
    // are mostly a few units long; a call to memcpy would cost more.
    void append(QStringView piece)
    {
        const qsizetype n = piece.size();
        if (m_end - m_at < n) [[unlikely]] {
            appendBeyondRoom(piece);
            return;
        }
        const char16_t* from = piece.utf16();
        if (n <= kShortPiece) {
            for (qsizetype i = 0; i < n; ++i)
                m_at[i] = from[i];
        } else {
            std::memcpy(m_at, from, size_t(n) * sizeof(char16_t));
        }
        m_at += n;
    }

    // With a sink: hands over what the buffer holds.
    void flush()
    {
        const qsizetype used = m_at - begin();
        if (used > 0)
            m_sink(QStringView(begin(), used));
        handedOut(used);
    }

    QString take()
    {
        m_text.resize(m_at - begin());
        m_at = m_end = nullptr;
        return std::move(m_text);
    }

private:
    static constexpr qsizetype kShortPiece = 8;

    QString m_text;
    qsizetype m_limit;
    Sink m_sink;
    qsizetype m_handedOut = 0;
    char16_t* m_at = nullptr;
    char16_t* m_end = nullptr;

    char16_t* begin() { return reinterpret_cast<char16_t*>(m_text.data()); }

    [[gnu::noinline]] void appendBeyondRoom(QStringView piece)
    {
        if (m_sink) {
            pass(piece);
            return;
        }
        grow(piece.size());
        append(piece);
    }

    void reset(qsizetype used, qsizetype capacity)
    {
        m_text.resize(capacity);
        m_at = begin() + used;
        m_end = begin() + capacity;
    }

    // With a sink: empties the buffer; a piece larger than the whole buffer
    // goes to the sink as it is.
    void pass(QStringView piece)
    {
        if (piece.size() > m_limit - m_handedOut - (m_at - begin()))
            throw std::length_error("text limit reached");
        flush();
        if (piece.size() <= m_end - m_at) {
            append(piece);
            return;
        }
        m_sink(piece);
        handedOut(piece.size());
    }

    // The buffer starts over, with no more room than the limit leaves.
    void handedOut(qsizetype units)
    {
        m_handedOut += units;
        m_at = begin();
        m_end = begin() + std::min(m_text.size(), m_limit - m_handedOut);
    }

    void grow(qsizetype needed)
    {
        const qsizetype used = m_at - begin();
        if (needed > m_limit - used)
            throw std::length_error("text limit reached");
        reset(used, std::min(std::max({used * 2, used + needed, qsizetype(64)}), m_limit));
    }
};

} // namespace pattaro
