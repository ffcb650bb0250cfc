#include "cli/vanishedpages.h"
#include "tests/support/addresssanitizer.h"

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

#ifdef Q_OS_UNIX
constexpr qint64 kFileSize = 1 << 16;

// Maps a file, cuts it to nothing and touches a page past its new end.
void readPastACutShortFile(const QString& path, bool guarded)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.write(QByteArray(kFileSize, 'x')) != kFileSize || !file.flush())
        std::exit(3);
    const uchar* mapped = file.map(0, kFileSize);
    if (!mapped || !file.resize(0))
        std::exit(3);
    std::optional<VanishedPagesGuard> guard;
    if (guarded)
        guard.emplace("cut short\n");
    [[maybe_unused]] const volatile uchar touched = mapped[kFileSize / 2];
    std::exit(0);
}

TEST(VanishedPagesGuard, ACutShortMappingEndsWithTheMessageInsteadOfACrash)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EXIT(readPastACutShortFile(dir.filePath(u"guarded"_qs), true), testing::ExitedWithCode(2),
                "cut short");
    // The same without a guard is the crash the guard exists for; under
    // AddressSanitizer, its own report of the signal.
    if (!kUnderAddressSanitizer) {
        EXPECT_EXIT(readPastACutShortFile(dir.filePath(u"bare"_qs), false), testing::KilledBySignal(SIGBUS), "");
    }
}

TEST(VanishedPagesGuard, LeavesTheHandlerItFoundWhenItGoes)
{
    struct sigaction before {};
    sigaction(SIGBUS, nullptr, &before);
    {
        const VanishedPagesGuard guard("unused\n");
        struct sigaction during {};
        sigaction(SIGBUS, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after {};
    sigaction(SIGBUS, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}
#endif

} // namespace
} // namespace pattaro
