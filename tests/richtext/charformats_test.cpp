#include "ui/richtext/charformats.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using FormatRun = CharFormats::Run;

constexpr platform::OleColor kGreen = 0x00C000;
constexpr platform::OleColor kOrange = 0x0080FF;

TEST(CharFormats, ColourAndBoldAreSetIndependentlyAndReadAsRuns)
{
    CharFormats formats;
    formats.reset(10);
    EXPECT_TRUE(formats.runs(0, 10).empty());
    EXPECT_EQ(formats.color(3), std::nullopt);

    formats.setColor(2, 6, kGreen);
    formats.setBold(4, 8, true);
    formats.setColor(5, 6, kOrange);
    EXPECT_EQ(formats.runs(0, 10), (std::vector<FormatRun>{
                                       {2, 2, kGreen, false},
                                       {4, 1, kGreen, true},
                                       {5, 1, kOrange, true},
                                       {6, 2, std::nullopt, true},
                                   }));
    // Starts count from the start of the asked range, which may cut a run.
    EXPECT_EQ(formats.runs(3, 5), (std::vector<FormatRun>{{0, 1, kGreen, false}, {1, 1, kGreen, true}}));

    formats.setBold(0, 10, false);
    EXPECT_EQ(formats.runs(0, 10), (std::vector<FormatRun>{{2, 3, kGreen, false}, {5, 1, kOrange, false}}));
    EXPECT_FALSE(formats.bold(6));
    EXPECT_EQ(formats.color(5), kOrange);
}

TEST(CharFormats, EditsShiftFormatsAndNewCharactersTakeTheOneBefore)
{
    CharFormats formats;
    formats.reset(6);
    formats.setColor(1, 3, kGreen); // "bc" of "abcdef"
    formats.setBold(2, 3, true);

    formats.replace(3, 3, 2); // typed after "c": bold green
    formats.replace(0, 0, 1); // typed at the start: nothing to inherit
    ASSERT_EQ(formats.size(), 9);
    EXPECT_EQ(formats.runs(0, 9), (std::vector<FormatRun>{{2, 1, kGreen, false}, {3, 3, kGreen, true}}));

    formats.replace(1, 4, 0); // removes "abc"
    EXPECT_EQ(formats.runs(0, formats.size()), (std::vector<FormatRun>{{1, 2, kGreen, true}}));

    // A new text forgets everything.
    formats.reset(3);
    EXPECT_TRUE(formats.runs(0, 3).empty());
    formats.replace(0, 0, 2);
    EXPECT_EQ(formats.size(), 5);
}

// Edits and fills at scattered places, each checked against a plain list of
// every character's format: the cells move about as edits come and go, and
// every read must still find each character's own.
TEST(CharFormats, ScatteredEditsAndFillsKeepEveryCharactersFormat)
{
    struct Format {
        std::optional<platform::OleColor> color;
        bool bold = false;
    };
    std::vector<Format> model(3000);
    CharFormats formats;
    formats.reset(qsizetype(model.size()));
    QRandomGenerator random(13);
    auto pick = [&](qsizetype upTo) { return qsizetype(random.bounded(int(upTo) + 1)); };
    for (int step = 0; step < 2000; ++step) {
        const qsizetype size = qsizetype(model.size());
        const qsizetype from = pick(size);
        const qsizetype to = from + pick(std::min<qsizetype>(size - from, step % 7 == 0 ? 1500 : 20));
        switch (random.bounded(4)) {
        case 0: {
            const platform::OleColor color = random.bounded(0x1000000);
            formats.setColor(from, to, color);
            for (qsizetype i = from; i < to; ++i)
                model[size_t(i)].color = color;
            break;
        }
        case 1: {
            const bool on = random.bounded(2);
            formats.setBold(from, to, on);
            for (qsizetype i = from; i < to; ++i)
                model[size_t(i)].bold = on;
            break;
        }
        default: {
            // Long insertions now and then outgrow the room kept for typing.
            const qsizetype added = step % 11 == 0 ? pick(3000) : pick(3);
            formats.replace(from, to, added);
            const Format inherited = from > 0 ? model[size_t(from - 1)] : Format{};
            model.erase(model.begin() + from, model.begin() + to);
            model.insert(model.begin() + from, size_t(added), inherited);
            break;
        }
        }
        ASSERT_EQ(formats.size(), qsizetype(model.size())) << "step " << step;
        if (!model.empty()) {
            const qsizetype at = pick(qsizetype(model.size()) - 1);
            ASSERT_EQ(formats.color(at), model[size_t(at)].color) << "step " << step << " at " << at;
            ASSERT_EQ(formats.bold(at), model[size_t(at)].bold) << "step " << step << " at " << at;
        }
        std::vector<Format> read(model.size());
        for (const FormatRun& run : formats.runs(0, formats.size())) {
            for (qsizetype i = run.start; i < run.start + run.length; ++i)
                read[size_t(i)] = {run.color, run.bold};
        }
        for (size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(read[i].color, model[i].color) << "step " << step << " at " << i;
            ASSERT_EQ(read[i].bold, model[i].bold) << "step " << step << " at " << i;
        }
    }
}

} // namespace
} // namespace pattaro
