#include "cli/output.h"

#include <QStringEncoder>
#include <algorithm>

namespace pattaro::cli {
namespace {
constexpr qsizetype kChunk = 1 << 16;
}

void Utf8Output::write(QStringView text)
{
    // Slice large texts so the buffer, not the text, bounds the extra memory.
    while (!text.isEmpty()) {
        const qsizetype take = std::min(kChunk - m_pending.size(), text.size());
        m_pending += text.first(take);
        text = text.sliced(take);
        if (m_pending.size() >= kChunk)
            drain(false);
    }
}

void Utf8Output::drain(bool all)
{
    qsizetype n = m_pending.size();
    // Hold back a high surrogate whose partner may come with the next write.
    if (!all && n > 0 && m_pending.at(n - 1).isHighSurrogate())
        --n;
    if (n == 0)
        return;
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(QStringView(m_pending).first(n));
    if (!m_failed && std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_stream) != size_t(bytes.size()))
        m_failed = true;
    m_pending.remove(0, n);
}

bool Utf8Output::finish()
{
    drain(true);
    if (std::fflush(m_stream) != 0)
        m_failed = true;
    return !m_failed;
}

} // namespace pattaro::cli
