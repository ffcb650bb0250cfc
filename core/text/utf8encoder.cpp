#include "core/text/utf8encoder.h"

namespace pattaro {

void Utf8Encoder::append(QByteArray& out, QStringView piece)
{
    if (piece.isEmpty())
        return;
    if (m_held != 0) {
        const char16_t pair[2] = {m_held, piece.front().unicode()};
        m_held = 0;
        const bool joined = QChar::isLowSurrogate(pair[1]);
        encode(out, QStringView(pair, joined ? 2 : 1));
        if (joined)
            piece = piece.sliced(1);
    }
    if (!piece.isEmpty() && piece.back().isHighSurrogate()) {
        m_held = piece.back().unicode();
        piece.chop(1);
    }
    encode(out, piece);
}

void Utf8Encoder::finish(QByteArray& out)
{
    if (m_held == 0)
        return;
    const char16_t lone = m_held;
    m_held = 0;
    encode(out, QStringView(&lone, 1));
}

void Utf8Encoder::encode(QByteArray& out, QStringView piece)
{
    if (piece.isEmpty())
        return;
    // Room for the worst case, three bytes a unit; the array keeps its
    // capacity, so the next piece usually finds it there.
    const qsizetype at = out.size();
    out.resize(at + piece.size() * 3);
    char* const end = m_encoder.appendToBuffer(out.data() + at, piece);
    out.truncate(end - out.constData());
}

QByteArray EncodeUtf8(QStringView text)
{
    QByteArray out;
    Utf8Encoder encoder;
    encoder.append(out, text);
    encoder.finish(out);
    return out;
}

bool HasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate())
            continue;
        if (c.isLowSurrogate() || i + 1 == text.size() || !text[i + 1].isLowSurrogate())
            return true;
        ++i;
    }
    return false;
}

} // namespace pattaro
