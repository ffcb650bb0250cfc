#include "app/commandline.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

TEST(CommandLine, HelpAndVersionAreFoundAmongOtherOptions)
{
    EXPECT_EQ(FindInfoRequest({}), std::nullopt);
    EXPECT_EQ(FindInfoRequest({u"-platform"_qs, u"offscreen"_qs}), std::nullopt);
    EXPECT_EQ(FindInfoRequest({u"-style"_qs, u"Fusion"_qs, u"--version"_qs}), InfoRequest::Version);
    EXPECT_EQ(FindInfoRequest({u"-h"_qs}), InfoRequest::Help);
    EXPECT_EQ(FindInfoRequest({u"--screenshot"_qs, u"a.png"_qs, u"--help"_qs}), InfoRequest::Help);
}

TEST(CommandLine, AScreenshotFileNamedLikeAnOptionOpensTheWindow)
{
    EXPECT_EQ(FindInfoRequest({u"--screenshot"_qs, u"--help"_qs}), std::nullopt);
    EXPECT_EQ(FindInfoRequest({u"--screenshot"_qs, u"-v"_qs}), std::nullopt);
}

TEST(CommandLine, TheFileToOpenIsTheFirstArgumentThatIsNoOption)
{
    EXPECT_EQ(FindFileArgument({}), std::nullopt);
    EXPECT_EQ(FindFileArgument({u"notes.txt"_qs}), u"notes.txt"_qs);
    // The screenshot's FILE is not the text file, even where it could be one.
    EXPECT_EQ(FindFileArgument({u"--screenshot"_qs, u"out.png"_qs}), std::nullopt);
    EXPECT_EQ(FindFileArgument({u"--screenshot"_qs, u"out.png"_qs, u"a.txt"_qs}), u"a.txt"_qs);
    EXPECT_EQ(FindFileArgument({u"a.txt"_qs, u"--screenshot"_qs, u"out.png"_qs}), u"a.txt"_qs);
    // After "--", a name that starts with '-'.
    EXPECT_EQ(FindFileArgument({u"--"_qs, u"-odd.txt"_qs}), u"-odd.txt"_qs);
    EXPECT_EQ(FindFileArgument({u"--"_qs}), std::nullopt);
}

TEST(CommandLine, TextsNameTheVersionAndEveryOption)
{
    EXPECT_EQ(VersionText(), QStringLiteral("pattaro " PATTARO_VERSION "\n"));
    for (const char* option : {"--screenshot FILE", "TEXTFILE", "--help", "--version", "pattaro-cli"})
        EXPECT_TRUE(HelpText().contains(QLatin1String(option))) << option;
}

} // namespace
} // namespace pattaro
