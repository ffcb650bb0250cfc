// The engine against node's own regular expressions: each pattern counted
// on its text by both, the fastest of five runs of each, and the ratio.
// Besides the everyday patterns on the 10M-unit texts, patterns whose every
// attempt looks to the end of a short text, where most of the time goes into
// single long attempts. Node's side is skipped where the machine has none.
#include "core/regex/regexp.h"
#include "bench/support/benchtexts.h"
#include "bench/support/nodeside.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace pattaro;

namespace {

constexpr int kRuns = 5;

// Words of the texts without an x, so that nothing satisfies (?=[\s\S]*x).
QString wordsWithoutX(qsizetype units)
{
    const QStringList words = {"the", "quick", "brown", "jumps", "over", "lazy", "dog", "42", "正则"};
    QRandomGenerator rng(7);
    QString s;
    while (s.size() < units)
        s += words[rng.bounded(int(words.size()))] + u' ';
    s.truncate(units);
    return s;
}

struct Text {
    const char* name;
    QString (*make)();
};

const Text kTexts[] = {
    {"words 10M", [] { return bench::wordText(); }},
    {"tagged 10M", [] { return bench::taggedText(); }},
    {"a x 30000", [] { return QString(30000, u'a'); }},
    {"words 20000", [] { return wordsWithoutX(20000); }},
    {"words 3000", [] { return wordsWithoutX(3000); }},
};

struct Case {
    const char16_t* pattern;
    bool ignoreCase;
    int text; // index into kTexts
};

const Case kCases[] = {
    {uR"(\d+)", false, 0},
    {uR"(\w+@\w+\.\w+)", false, 0},
    {u"jumps", false, 0},
    {uR"((.)\1)", false, 0},
    {uR"([\u4e00-\u9fa5]+)", false, 0},
    {u"brown", true, 0},
    {uR"((?<=\$\s*)\d+)", false, 1},
    {uR"((?<=^|\s)#\w+)", false, 1},
    {uR"((?![^A]*x))", false, 2},
    {uR"(\w+(?=[\s\S]*x))", false, 3},
    {uR"(\w+(?=[\s\S]*x))", false, 4},
};

struct Figure {
    double ms = -1;
    qsizetype count = -1;
};

Figure ours(const Case& c, const QString& text)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.IgnoreCase(c.ignoreCase);
    // Measured to the end, however long it takes on a busy machine.
    re.TimeLimit(std::chrono::minutes(10));
    re.Pattern(QString::fromUtf16(c.pattern));
    Figure best;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        best.count = re.Execute(text).Count();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best.ms = best.ms < 0 ? ms : std::min(best.ms, ms);
    }
    return best;
}

// Counts as the engine does: global and multiline, one unit on after an
// empty match.
const char* const kNodeScript = R"js(
const fs = require('fs');
const cases = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const runs = Number(process.argv[3]);
const texts = {};
const out = [];
for (const c of cases) {
  texts[c.file] ??= fs.readFileSync(c.file, 'utf8');
  const text = texts[c.file];
  const re = new RegExp(c.pattern, c.ignoreCase ? 'gmi' : 'gm');
  let best = Infinity, count = 0;
  for (let r = 0; r < runs; ++r) {
    const start = process.hrtime.bigint();
    re.lastIndex = 0;
    count = 0;
    for (let m; (m = re.exec(text)) !== null; ++count)
      if (m[0].length === 0) re.lastIndex++;
    best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e6);
  }
  out.push({ms: best, count});
}
console.log(JSON.stringify(out));
)js";

std::vector<Figure> node(const QTemporaryDir& dir)
{
    QJsonArray cases;
    for (const Case& c : kCases)
        cases.append(QJsonObject{{"pattern", QString::fromUtf16(c.pattern)},
                                 {"ignoreCase", c.ignoreCase},
                                 {"file", dir.filePath(QString::number(c.text))}});
    QFile list(dir.filePath(QStringLiteral("cases.json")));
    if (!list.open(QIODevice::WriteOnly) || list.write(QJsonDocument(cases).toJson()) < 0)
        return {};
    list.close();
    const auto output = bench::runNode(kNodeScript, {list.fileName(), QString::number(kRuns)});
    std::vector<Figure> figures;
    if (!output)
        return figures;
    for (const QJsonValue v : QJsonDocument::fromJson(*output).array())
        figures.push_back({v[QStringLiteral("ms")].toDouble(), qsizetype(v[QStringLiteral("count")].toInteger())});
    return figures;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    std::vector<QString> texts;
    for (size_t i = 0; i < std::size(kTexts); ++i) {
        texts.push_back(kTexts[i].make());
        QFile file(dir.filePath(QString::number(i)));
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(texts.back().toUtf8()) < 0)
            return 1;
    }
    const std::vector<Figure> theirs = bench::nodePath().isEmpty() ? std::vector<Figure>{} : node(dir);
    if (!bench::nodePath().isEmpty() && theirs.size() != std::size(kCases)) {
        std::printf("node failed\n");
        return 1;
    }
    std::printf("count, fastest of %d runs; node / engine above 1 means the engine is faster\n", kRuns);
    std::printf("%-22s %-12s %9s %10s %9s %7s\n", "pattern", "text", "matches", "engine ms", "node ms", "ratio");
    bool agree = true;
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        const Figure f = ours(c, texts[size_t(c.text)]);
        const QString name = QString::fromUtf16(c.pattern) + (c.ignoreCase ? QStringLiteral(" (i)") : QString());
        std::printf("%-22s %-12s %9lld %10.1f", name.toUtf8().constData(), kTexts[c.text].name,
                    static_cast<long long>(f.count), f.ms);
        if (theirs.empty()) {
            std::printf(" %9s\n", "-");
            continue;
        }
        std::printf(" %9.1f %7.2f%s\n", theirs[i].ms, theirs[i].ms / f.ms,
                    theirs[i].count == f.count ? "" : "  (counts differ)");
        agree = agree && theirs[i].count == f.count;
    }
    std::fflush(stdout);
    return agree ? 0 : 1;
}
