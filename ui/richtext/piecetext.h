#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace pattaro {

// A text edited without copying it whole: the text as given stays shared and
// untouched, and edits keep a list of pieces that point into it or into a
// buffer of inserted characters. Reading the whole text joins the pieces and
// keeps the result, which the next edit takes as its new base.
class PieceText {
public:
    void reset(const QString& text);
    qsizetype size() const { return m_size; }
    // [from, to) becomes `inserted`; both ends must lie within the text.
    void replace(qsizetype from, qsizetype to, QStringView inserted);
    QString text() const;

private:
    struct Piece {
        bool added; // in m_added rather than m_base
        qsizetype start;
        qsizetype length;
    };
    size_t splitAt(qsizetype at);

    QString m_base;
    QString m_added;
    std::vector<Piece> m_pieces;
    qsizetype m_size = 0;
    // The joined text while no edit came since it was last read.
    mutable QString m_joined;
    mutable bool m_joinedValid = true;
};

} // namespace pattaro
