#include "compat/propertybag.h"
#include "compat/vberror.h"
#include "tests/support/vberror_number.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace pattaro::platform;

using pattaro::testing::errorNumberOf;

TEST(PropertyBag, KeysMatchWithoutRegardToCase)
{
    PropertyBag bag;
    bag.WriteProperty("ThemeColor", std::int32_t(3), std::int32_t(6));
    EXPECT_TRUE(bag.Contains("themecolor"));
    EXPECT_TRUE(bag.Contains("THEMECOLOR"));
    EXPECT_EQ(bag.ReadProperty("tHeMeCoLoR", std::int32_t(6)).toLong(), 3);
    bag.WriteProperty("THEMECOLOR", std::int32_t(4), std::int32_t(6));
    EXPECT_EQ(bag.Keys(), QStringList{"themecolor"}) << "one key, saved in lower case";
    EXPECT_EQ(bag.ReadProperty("ThemeColor", std::int32_t(6)).toLong(), 4);
}

TEST(PropertyBag, AbsentKeysGiveTheDefault)
{
    PropertyBag bag;
    EXPECT_EQ(bag.ReadProperty("ThemeColor", std::int32_t(6)), PropertyValue(std::int32_t(6)));
    EXPECT_EQ(bag.ReadProperty("MinButton", true).toBoolean(), true);
    EXPECT_EQ(bag.ReadProperty("IconSize", std::int16_t(16)).type(), PropertyValue::Type::Integer);
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreLeftOut)
{
    PropertyBag bag;
    bag.WriteProperty("ThemeColor", std::int32_t(6), std::int32_t(6));
    bag.WriteProperty("CloseButton", true, true);
    bag.WriteProperty("MaxButton", false, true);
    bag.WriteProperty("IconSize", std::int16_t(16), std::int16_t(16));
    // A saved colour index compares by its bits.
    bag.WriteProperty("CustomBackColor", 0x8000000Fu, 0x8000000Fu);
    EXPECT_EQ(bag.Keys(), QStringList{"maxbutton"});

    // Writing the default over an earlier value drops the key again.
    bag.WriteProperty("MaxButton", true, true);
    EXPECT_FALSE(bag.Contains("maxbutton"));
    // Truth values and numbers compare by number: True is -1.
    bag.WriteProperty("Flag", std::int32_t(-1), true);
    EXPECT_FALSE(bag.Contains("flag"));
    bag.WriteProperty("Caption", "6", std::int32_t(6));
    EXPECT_TRUE(bag.Contains("caption")) << "a text is never the same as a number";
}

TEST(PropertyBag, ConversionsFollowTheRuntime)
{
    EXPECT_EQ(PropertyValue(true).toInteger(), -1);
    EXPECT_EQ(PropertyValue(false).toLong(), 0);
    EXPECT_TRUE(PropertyValue(std::int32_t(2)).toBoolean());
    EXPECT_EQ(PropertyValue("12").toLong(), 12);
    EXPECT_EQ(PropertyValue(" 2.5 ").toLong(), 2);
    EXPECT_EQ(PropertyValue("&HFF").toLong(), 255);
    EXPECT_EQ(PropertyValue("True").toInteger(), -1);
    EXPECT_FALSE(PropertyValue("false").toBoolean());
    EXPECT_EQ(PropertyValue(0x8000000Fu).toLong(), std::int32_t(0x8000000F));
    EXPECT_EQ(PropertyValue(true).toString(), "True");

    EXPECT_EQ(errorNumberOf([] { PropertyValue("blue").toLong(); }), VBError::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { PropertyValue("").toBoolean(); }), VBError::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { PropertyValue(std::int32_t(40000)).toInteger(); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { PropertyValue("1e12").toLong(); }), VBError::Overflow);
}

TEST(PropertyBag, TextRoundTripKeepsTypesAndValues)
{
    PropertyBag bag;
    bag.WriteProperty("ThemeColor", std::int32_t(-2147483647 - 1));
    bag.WriteProperty("IconSize", std::int16_t(-32768));
    bag.WriteProperty("MaxButton", false);
    bag.WriteProperty("CloseButton", true);
    const char raw[] = "正则 \"a\\b\"\r\n\t=#\0x";
    bag.WriteProperty("Caption", QString::fromUtf8(raw, sizeof raw - 1));

    const QString text = bag.toText();
    const auto back = PropertyBag::fromText(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Keys(), bag.Keys());
    for (const QString& key : bag.Keys())
        EXPECT_EQ(back->ReadProperty(key, PropertyValue()), bag.ReadProperty(key, PropertyValue())) << key.toStdString();
    EXPECT_EQ(back->toText(), text);
}

TEST(PropertyBag, RejectsMalformedTextNamingTheLine)
{
    const char* bad[] = {
        "themecolor 1",              // no "="
        "= long 1",                  // no key
        "iconsize = integer 40000",  // out of range
        "closebutton = boolean 1",   // truth is -1 or 0
        "style = long three",
        "style = double 1",
        "caption = string \"open",
        "caption = string \"a\"b\"",
        "caption = string \"\\q\"",
        "style = long",
    };
    for (const char* line : bad) {
        QString error;
        const auto bag = PropertyBag::fromText(QStringLiteral("# header\n\nstyle = long 3\n") + line, &error);
        EXPECT_FALSE(bag) << line;
        EXPECT_TRUE(error.startsWith("line 4:")) << error.toStdString();
    }
    const auto crlf = PropertyBag::fromText("style = long 3\r\niconsize = integer 16\r\n");
    ASSERT_TRUE(crlf);
    EXPECT_EQ(crlf->ReadProperty("IconSize", std::int16_t(0)), PropertyValue(std::int16_t(16)));
}

TEST(PropertyBag, SavesAndLoadsFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PropertyBag bag;
    bag.WriteProperty("Style", std::int32_t(2));
    const QString path = dir.filePath("design.txt");
    QString error;
    ASSERT_TRUE(bag.save(path, &error)) << error.toStdString();
    const auto back = PropertyBag::load(path, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(back->ReadProperty("style", std::int32_t(0)).toLong(), 2);

    EXPECT_FALSE(PropertyBag::load(dir.filePath("missing.txt"), &error));
    EXPECT_TRUE(error.contains("missing.txt"));
    EXPECT_FALSE(bag.save(dir.filePath("no/such/folder/design.txt"), &error));
}

// The main window's saved skin design, as shipped.
TEST(MainWindowDesign, HoldsTheSkinControlsSavedKeys)
{
    QString error;
    const QString path = QDir::cleanPath(QStringLiteral(PATTARO_TEST_DATA_DIR "/../../../ui/resources/form1_design.txt"));
    const auto bag = PropertyBag::load(path, &error);
    ASSERT_TRUE(bag) << error.toStdString();
    EXPECT_EQ(bag->Keys(), (QStringList{"_extentx", "_extenty", "themecolor", "backcolorstyle", "borderstyle",
                                        "closebutton", "maxbutton", "custombackcolor", "style",
                                        "changeallbackgrounds"}));
    EXPECT_EQ(bag->ReadProperty("_ExtentX", std::int32_t(0)).toLong(), 16404);
    EXPECT_EQ(bag->ReadProperty("_ExtentY", std::int32_t(0)).toLong(), 13070);
    EXPECT_EQ(bag->ReadProperty("ThemeColor", std::int32_t(6)).toLong(), 1);
    EXPECT_EQ(bag->ReadProperty("BackColorStyle", std::int32_t(0)).toLong(), 1);
    EXPECT_EQ(bag->ReadProperty("BorderStyle", std::int32_t(1)).toLong(), 0);
    EXPECT_TRUE(bag->ReadProperty("CloseButton", true).toBoolean());
    EXPECT_FALSE(bag->ReadProperty("MaxButton", true).toBoolean());
    EXPECT_EQ(bag->ReadProperty("CustomBackColor", std::int32_t(0)).toLong(), 0x00C8D0D4);
    EXPECT_EQ(bag->ReadProperty("Style", std::int32_t(0)).toLong(), 3);
    EXPECT_TRUE(bag->ReadProperty("ChangeAllBackgrounds", false).toBoolean());
    // Absent keys take their loading defaults.
    EXPECT_EQ(bag->ReadProperty("ColorFrom", std::int32_t(0x00404080)).toLong(), 0x00404080);
    EXPECT_TRUE(bag->ReadProperty("MinButton", true).toBoolean());
    EXPECT_EQ(bag->ReadProperty("IconSize", std::int16_t(16)).toInteger(), 16);
}
