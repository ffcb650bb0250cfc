// The chooser shows each encoding's reading of a file's first lines.
#include "core/text/textpreview.h"

#include <gtest/gtest.h>

using namespace pattaro;

namespace {

TEST(PreviewLines, ShowsTheFirstLinesOfWhatIsReadAndNoCharacterCutInTwo)
{
    // Big5 中 is A4 A4: the last one starts at the final byte read.
    const QByteArray cutAtTheLimit = QByteArray(kPreviewBytes - 1, 'a') + "\xA4\xA4";
    const struct {
        const char* name;
        QByteArray bytes;
        int lines;
        int columns;
        QString preview;
    } cases[] = {
        {"every break", "\xA4\xA4\r\n2\r3\n4", 3, 10, QStringLiteral("中\n2\n3")},
        {"long lines cut", "\xA4\xA4\xA4\xE5xyz\nabcdef", 2, 3, QStringLiteral("中文x\nabc")},
        {"a character cut off", cutAtTheLimit, 1, kPreviewBytes, QString(kPreviewBytes - 1, u'a')},
        {"not text in it", "a\xA4 b", 1, 10, QStringLiteral("a\uFFFD b")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PreviewLines(c.bytes, TextEncoding::Big5, c.lines, c.columns), c.preview) << c.name;
}

} // namespace
