// Matches, replacements and rejections compared with what JavaScript itself
// produced for the same cases (data/make_dialect_cases.js).
#include "core/regex/regexp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

QJsonArray loadCases()
{
    QFile file(QStringLiteral(PATTARO_TEST_DATA_DIR "/dialect_cases.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).array();
}

QString describe(const QJsonObject& c)
{
    return QStringLiteral("/%1/%2 on \"%3\"")
        .arg(c["pattern"].toString(), c["flags"].toString(), c["subject"].toString());
}

void configure(RegExp& re, const QJsonObject& c)
{
    const QString flags = c["flags"].toString();
    re.Global(flags.contains(u'g'));
    re.IgnoreCase(flags.contains(u'i'));
    re.Multiline(flags.contains(u'm'));
    re.Pattern(c["pattern"].toString());
}

} // namespace

TEST(Dialect, CasesAreLoaded)
{
    EXPECT_GT(loadCases().size(), 150);
}

TEST(Dialect, MatchesAsJavaScriptDoes)
{
    for (const QJsonValue& v : loadCases()) {
        const QJsonObject c = v.toObject();
        if (c.contains("error"))
            continue;
        SCOPED_TRACE(describe(c).toStdString());
        RegExp re;
        configure(re, c);
        const QString subject = c["subject"].toString();
        std::vector<std::pair<qsizetype, qsizetype>> expected, actual;
        for (const QJsonValue& m : c["matches"].toArray())
            expected.emplace_back(m.toArray()[0].toInteger(), m.toArray()[1].toInteger());
        try {
            const MatchCollection found = re.Execute(subject);
            for (const auto& s : found.spans())
                actual.emplace_back(s.firstIndex, s.length);
            EXPECT_EQ(actual, expected);
            EXPECT_EQ(re.Test(subject), !expected.empty());
            if (c.contains("replacement")) {
                EXPECT_EQ(re.Replace(subject, c["replacement"].toString()), c["replaced"].toString());
            }
        } catch (const RegexError& e) {
            ADD_FAILURE() << "unexpected error: " << e.what();
        }
    }
}

TEST(Dialect, RejectsWhatJavaScriptRejects)
{
    for (const QJsonValue& v : loadCases()) {
        const QJsonObject c = v.toObject();
        if (!c.contains("error"))
            continue;
        SCOPED_TRACE(describe(c).toStdString());
        RegExp re;
        configure(re, c);
        try {
            re.Test(c["subject"].toString());
            ADD_FAILURE() << "accepted";
        } catch (const RegexError& e) {
            EXPECT_EQ(e.kind(), RegexError::Kind::InvalidPattern);
            EXPECT_GE(e.patternOffset(), 0);
            EXPECT_LE(e.patternOffset(), c["pattern"].toString().size());
        }
    }
}
