#include "cli/halves.h"

#include <thread>

namespace pattaro::cli {
namespace {

// Starting a thread, and compiling a second engine for it, costs far less
// than reading half of this many bytes.
constexpr qsizetype kHalvedFrom = qsizetype(1) << 18;

bool worthAThread(qsizetype bytes) { return bytes >= kHalvedFrom && std::thread::hardware_concurrency() > 1; }

} // namespace

void SideBySide(qsizetype bytes, const std::function<void()>& here, const std::function<void()>& there)
{
    if (!worthAThread(bytes)) {
        here();
        there();
        return;
    }
    std::thread worker(there);
    here();
    worker.join();
}

qsizetype HalvingCut(QByteArrayView text)
{
    return worthAThread(text.size()) ? text.indexOf('\n', text.size() / 2) : -1;
}

} // namespace pattaro::cli
