// The goals on the committed corpus (tests/redos/data/corpus.tsv, whose
// truth node gave on the attack texts of lint and recheck): no expression
// that node showed vulnerable is called safe, at most 2% of the real-world
// expressions node found safe are called vulnerable, and each of the help's
// ready-made expressions gets node's verdict.
#include "core/redos/lint.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

std::int64_t stillClock() { return 0; }

struct Entry {
    QString category;
    bool vulnerable;
    QString expression;
};

std::vector<Entry> corpus()
{
    QFile file(QStringLiteral(PATTARO_TEST_DATA_DIR "/corpus.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QTextStream in(&file);
    std::vector<Entry> entries;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#') || line.isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        EXPECT_EQ(fields.size(), 3) << line.toStdString();
        entries.push_back({fields[0], fields[1] == u"vulnerable", fields[2]});
    }
    return entries;
}

} // namespace

TEST(Corpus, MeetsTheGoals)
{
    LintLimits limits;
    limits.clock = stillClock;
    int realWorld = 0, falseAlarms = 0, vulnerable = 0, help = 0;
    for (const Entry& e : corpus()) {
        const LintReport r = lintExpression(e.expression, {false, true, true}, limits);
        const bool saysVulnerable = r.verdict == LintReport::Verdict::Vulnerable;
        if (e.vulnerable) {
            ++vulnerable;
            EXPECT_TRUE(saysVulnerable) << "called safe: " << e.expression.toStdString();
        }
        if (e.category == u"realworld") {
            ++realWorld;
            falseAlarms += saysVulnerable && !e.vulnerable ? 1 : 0;
        }
        if (e.category == u"help") {
            ++help;
            EXPECT_EQ(saysVulnerable, e.vulnerable) << e.expression.toStdString();
        }
        for (const LintFinding& f : r.findings) {
            if (f.verified) {
                EXPECT_GT(f.attackRepeats, f.measuredRepeats) << e.expression.toStdString();
            }
        }
    }
    EXPECT_EQ(help, 22);
    EXPECT_GE(vulnerable, 30);
    EXPECT_LE(falseAlarms * 50, realWorld);
}
