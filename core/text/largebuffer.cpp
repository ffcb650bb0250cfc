#include "core/text/largebuffer.h"

#include <cstdint>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace pattaro {

void AdviseLargeBuffer(void* data, qsizetype bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    // Only whole large pages inside the buffer can be backed that way.
    constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t from = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t to = (start + std::uintptr_t(bytes)) & ~(kLargePage - 1);
    if (to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

void AdviseReadThrough(const void* data, qsizetype bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_READ)
    // An older kernel refuses the advice, which changes nothing.
    madvise(const_cast<void*>(data), size_t(bytes), MADV_POPULATE_READ);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

} // namespace pattaro
