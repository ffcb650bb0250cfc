#include "cli/output.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pattaro::cli {
namespace {
constexpr qsizetype kBlock = 1 << 16;

[[noreturn]] void failed()
{
    throw OutputFailed(QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

void Utf8Output::write(QStringView text)
{
    // Slice large texts so the block, not the text, bounds the extra memory.
    while (!text.isEmpty()) {
        const qsizetype take = std::min(kBlock, text.size());
        m_encoder.append(m_pending, text.first(take));
        text = text.sliced(take);
        if (m_pending.size() >= kBlock)
            drain();
    }
}

void Utf8Output::writeEncoded(QByteArrayView bytes)
{
    m_encoder.finish(m_pending);
    drain();
    put(bytes);
}

void Utf8Output::drain()
{
    put(m_pending);
    m_pending.resize(0);
}

void Utf8Output::put(QByteArrayView bytes)
{
    if (!bytes.isEmpty() && std::fwrite(bytes.data(), 1, size_t(bytes.size()), m_stream) != size_t(bytes.size()))
        failed();
}

void Utf8Output::finish()
{
    m_encoder.finish(m_pending);
    drain();
    if (std::fflush(m_stream) != 0)
        failed();
}

} // namespace pattaro::cli
