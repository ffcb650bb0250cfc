#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace pattaro {

// Builds a long text from many short pieces. Appending through QString costs
// a call and a capacity check per piece, which a replace over hundreds of
// thousands of matches notices; this writes straight into the buffer.
// It never grows beyond `limit` code units: a piece that would take it
// further throws std::length_error instead.
class TextBuilder {
public:
    TextBuilder(qsizetype capacity, qsizetype limit) : m_limit(limit) { reset(0, std::min(capacity, limit)); }

    void append(QStringView piece)
    {
        const qsizetype n = piece.size();
        if (m_end - m_at < n)
            grow(n);
        if (n == 1)
            *m_at = piece.front().unicode();
        else if (n > 0)
            std::memcpy(m_at, piece.utf16(), size_t(n) * sizeof(char16_t));
        m_at += n;
    }

    QString take()
    {
        m_text.resize(m_at - begin());
        m_at = m_end = nullptr;
        return std::move(m_text);
    }

private:
    QString m_text;
    qsizetype m_limit;
    char16_t* m_at = nullptr;
    char16_t* m_end = nullptr;

    char16_t* begin() { return reinterpret_cast<char16_t*>(m_text.data()); }

    void reset(qsizetype used, qsizetype capacity)
    {
        m_text.resize(capacity);
        m_at = begin() + used;
        m_end = begin() + capacity;
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
