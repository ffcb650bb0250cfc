#include "ui/richtext/piecetext.h"

namespace pattaro {

void PieceText::reset(const QString& text)
{
    m_base = text;
    m_added.clear();
    m_pieces.clear();
    if (!text.isEmpty())
        m_pieces.push_back({false, 0, text.size()});
    m_size = text.size();
    m_joined = text;
    m_joinedValid = true;
}

size_t PieceText::splitAt(qsizetype at)
{
    qsizetype start = 0;
    for (size_t i = 0; i < m_pieces.size(); ++i) {
        if (at == start)
            return i;
        const Piece piece = m_pieces[i];
        if (at < start + piece.length) {
            const qsizetype head = at - start;
            m_pieces[i].length = head;
            m_pieces.insert(m_pieces.begin() + qsizetype(i) + 1,
                            Piece{piece.added, piece.start + head, piece.length - head});
            return i + 1;
        }
        start += piece.length;
    }
    return m_pieces.size();
}

void PieceText::replace(qsizetype from, qsizetype to, QStringView inserted)
{
    // A joined text that was read becomes the base, so the pieces stay few.
    if (m_joinedValid && m_pieces.size() > 1)
        reset(m_joined);
    m_joined = QString();
    m_joinedValid = false;

    const size_t first = splitAt(from);
    const size_t last = splitAt(to);
    m_pieces.erase(m_pieces.begin() + qsizetype(first), m_pieces.begin() + qsizetype(last));
    if (!inserted.isEmpty()) {
        Piece* before = first > 0 ? &m_pieces[first - 1] : nullptr;
        // Typing goes on where the last inserted characters end.
        if (before && before->added && before->start + before->length == m_added.size())
            before->length += inserted.size();
        else
            m_pieces.insert(m_pieces.begin() + qsizetype(first), Piece{true, m_added.size(), inserted.size()});
        m_added += inserted;
    }
    m_size += inserted.size() - (to - from);
}

QString PieceText::text() const
{
    if (!m_joinedValid) {
        QString joined;
        joined.reserve(m_size);
        for (const Piece& piece : m_pieces)
            joined += QStringView(piece.added ? m_added : m_base).mid(piece.start, piece.length);
        m_joined = joined;
        m_joinedValid = true;
    }
    return m_joined;
}

} // namespace pattaro
