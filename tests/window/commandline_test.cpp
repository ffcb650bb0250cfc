#include "ui/commandline.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

std::optional<InfoRequest> infoRequest(const QStringList& arguments)
{
    return ParseWindowArguments(arguments).info;
}

std::optional<QString> fileArgument(const QStringList& arguments)
{
    return ParseWindowArguments(arguments).file;
}

TEST(CommandLine, HelpAndVersionAreFoundAmongOtherOptions)
{
    EXPECT_EQ(infoRequest({}), std::nullopt);
    EXPECT_EQ(infoRequest({u"-platform"_qs, u"offscreen"_qs}), std::nullopt);
    EXPECT_EQ(infoRequest({u"-style"_qs, u"Fusion"_qs, u"--version"_qs}), InfoRequest::Version);
    EXPECT_EQ(infoRequest({u"-h"_qs}), InfoRequest::Help);
    EXPECT_EQ(infoRequest({u"--screenshot"_qs, u"a.png"_qs, u"--help"_qs}), InfoRequest::Help);
    // Qt's single-dash options are words, not bundles of letters: the v of
    // -reverse and the h of -graphicssystem ask for nothing.
    EXPECT_EQ(infoRequest({u"-reverse"_qs, u"-graphicssystem"_qs, u"raster"_qs}), std::nullopt);
}

TEST(CommandLine, AScreenshotFileNamedLikeAnOptionOpensTheWindow)
{
    EXPECT_EQ(infoRequest({u"--screenshot"_qs, u"--help"_qs}), std::nullopt);
    EXPECT_EQ(infoRequest({u"--screenshot"_qs, u"-v"_qs}), std::nullopt);
    EXPECT_EQ(ParseWindowArguments({u"--screenshot"_qs, u"-v"_qs}).screenshot, u"-v"_qs);
}

TEST(CommandLine, TheScreenshotFileFollowsTheOptionOrItsEqualsSign)
{
    EXPECT_EQ(ParseWindowArguments({}).screenshot, std::nullopt);
    EXPECT_EQ(ParseWindowArguments({u"--screenshot"_qs, u"out.png"_qs}).screenshot, u"out.png"_qs);
    EXPECT_EQ(ParseWindowArguments({u"--screenshot=out.png"_qs}).screenshot, u"out.png"_qs);
    // Without its FILE the option asks for nothing.
    EXPECT_EQ(ParseWindowArguments({u"--screenshot"_qs}).screenshot, std::nullopt);
}

TEST(CommandLine, TheFileToOpenIsTheFirstArgumentThatIsNoOption)
{
    EXPECT_EQ(fileArgument({}), std::nullopt);
    EXPECT_EQ(fileArgument({u"notes.txt"_qs}), u"notes.txt"_qs);
    // The screenshot's FILE is not the text file, even where it could be one.
    EXPECT_EQ(fileArgument({u"--screenshot"_qs, u"out.png"_qs}), std::nullopt);
    EXPECT_EQ(fileArgument({u"--screenshot=out.png"_qs}), std::nullopt);
    EXPECT_EQ(fileArgument({u"--screenshot"_qs, u"out.png"_qs, u"a.txt"_qs}), u"a.txt"_qs);
    EXPECT_EQ(fileArgument({u"a.txt"_qs, u"--screenshot"_qs, u"out.png"_qs}), u"a.txt"_qs);
    // An option the window does not know is passed over.
    EXPECT_EQ(fileArgument({u"--odd"_qs, u"a.txt"_qs}), u"a.txt"_qs);
    // After "--", a name that starts with '-'.
    EXPECT_EQ(fileArgument({u"--"_qs, u"-odd.txt"_qs}), u"-odd.txt"_qs);
    EXPECT_EQ(fileArgument({u"--"_qs}), std::nullopt);
}

TEST(CommandLine, TextsNameTheVersionAndEveryOption)
{
    EXPECT_EQ(VersionText(), QStringLiteral("pattaro " PATTARO_VERSION "\n"));
    for (const char* option : {"--screenshot FILE", "TEXTFILE", "--help", "--version", "pattaro-cli"})
        EXPECT_TRUE(HelpText().contains(QLatin1String(option))) << option;
}

} // namespace
} // namespace pattaro
