// pattaro-cli lint against recheck, the ReDoS checker for JavaScript, on the
// test corpus (tests/redos/data/corpus.tsv): how often their verdicts agree,
// how many of each one's attack texts really take node over a second (every
// match searched for, as the window does), how long each takes per
// expression, and how lint fares against the corpus's goals: no false "safe"
// on the vulnerable expressions, at most 2% false alarms on the real-world
// ones. recheck is installed with npm under the build folder on first run;
// without node or npm the bench says so and reports lint alone.
#include "core/redos/lint.h"
#include "bench/support/nodeside.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <cstdio>

using namespace pattaro;

namespace {

// node runs each attack text in a child of its own, stopped after this long:
// past a second is all that is asked.
constexpr int kAttackTimeoutMs = 3000;
constexpr double kSlowMs = 1000;

struct Entry {
    QString category;
    QString truth; // "vulnerable" or "safe", as node found on the attack texts
    QString expression;
};

std::vector<Entry> readCorpus()
{
    std::vector<Entry> entries;
    QFile file(QStringLiteral(PATTARO_REDOS_CORPUS));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 3)
            entries.push_back({fields[0], fields[1], fields[2]});
    }
    return entries;
}

const char kNodeScript[] = R"js(
const fs = require('fs');
const cp = require('child_process');
const [input, recheckDir, timeoutMs] = process.argv.slice(2);
const cases = JSON.parse(fs.readFileSync(input, 'utf8'));
let recheck = null;
try { recheck = require(recheckDir + '/node_modules/recheck'); } catch (e) {}
const child = `
const {expression, flags, text} = JSON.parse(require('fs').readFileSync(0, 'utf8'));
const re = new RegExp(expression, flags);
const start = process.hrtime.bigint();
for (let m; (m = re.exec(text)) !== null;) if (m[0].length === 0) re.lastIndex++;
console.log(Number(process.hrtime.bigint() - start) / 1e6);`;
function nodeMs(expression, flags, text) {
  const r = cp.spawnSync(process.execPath, ['-e', child], {
    input: JSON.stringify({expression, flags, text}), timeout: Number(timeoutMs), maxBuffer: 1 << 20});
  if (r.error || r.signal) return Number(timeoutMs);
  return Number(String(r.stdout).trim());
}
if (recheck) recheck.checkSync('^(a+)+$', '');
const out = [];
for (const c of cases) {
  const o = {lintAttackMs: c.lintAttack === null ? null : nodeMs(c.expression, c.flags, c.lintAttack)};
  if (recheck) {
    const start = process.hrtime.bigint();
    let r;
    try { r = recheck.checkSync(c.expression, c.flags); } catch (e) { r = {status: 'error'}; }
    o.recheckMs = Number(process.hrtime.bigint() - start) / 1e6;
    o.recheckStatus = r.status;
    o.recheckAttackMs = r.attack ? nodeMs(c.expression, c.flags, r.attack.string) : null;
  }
  out.push(o);
}
console.log(JSON.stringify({recheck: recheck !== null, results: out}));
)js";

// recheck in the build folder, installed by npm when it is not there yet.
QString recheckFolder()
{
    const QString folder = QStringLiteral(PATTARO_BINARY_DIR "/recheck");
    if (QFile::exists(folder + QStringLiteral("/node_modules/recheck/package.json")))
        return folder;
    const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
    if (npm.isEmpty())
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(npm, {QStringLiteral("install"), QStringLiteral("--no-audit"), QStringLiteral("--no-fund"),
                        QStringLiteral("--prefix"), folder, QStringLiteral("recheck")});
    if (!process.waitForFinished(5 * 60 * 1000) || process.exitCode() != 0)
        return {};
    return folder;
}

struct Ours {
    LintReport::Verdict verdict;
    double ms;
    QString attack; // the first verified finding's long attack text
    bool hasAttack = false;
};

Ours lintOne(const Entry& e)
{
    const auto start = std::chrono::steady_clock::now();
    const LintReport report = lintExpression(e.expression, {false, true, true});
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    Ours ours{report.verdict, ms, {}, false};
    for (const LintFinding& f : report.findings) {
        if (f.verified) {
            ours.attack = f.attackText(f.attackRepeats);
            ours.hasAttack = true;
            break;
        }
    }
    return ours;
}

double mean(const std::vector<double>& values)
{
    return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<Entry> corpus = readCorpus();
    if (corpus.empty()) {
        std::printf("the corpus could not be read\n");
        return 1;
    }
    std::vector<Ours> ours;
    for (const Entry& e : corpus)
        ours.push_back(lintOne(e));

    QJsonObject theirs;
    const QString recheck = bench::nodePath().isEmpty() ? QString() : recheckFolder();
    if (bench::nodePath().isEmpty())
        std::printf("node is not installed: lint's attacks are not run, recheck is skipped\n");
    else if (recheck.isEmpty())
        std::printf("recheck could not be installed with npm: it is skipped\n");
    if (!bench::nodePath().isEmpty()) {
        QTemporaryDir dir;
        QJsonArray cases;
        for (size_t i = 0; i < corpus.size(); ++i)
            cases.append(QJsonObject{{"expression", corpus[i].expression},
                                     {"flags", "gm"},
                                     {"lintAttack", ours[i].hasAttack ? QJsonValue(ours[i].attack) : QJsonValue()}});
        QFile list(dir.filePath(QStringLiteral("cases.json")));
        if (list.open(QIODevice::WriteOnly) && list.write(QJsonDocument(cases).toJson()) >= 0) {
            list.close();
            if (const auto output = bench::runNode(kNodeScript, {list.fileName(), recheck, QString::number(kAttackTimeoutMs)}))
                theirs = QJsonDocument::fromJson(*output).object();
        }
    }
    const QJsonArray results = theirs.value(QStringLiteral("results")).toArray();
    const bool withNode = results.size() == qsizetype(corpus.size());
    const bool withRecheck = withNode && theirs.value(QStringLiteral("recheck")).toBool();

    // Per expression, then the totals.
    int agree = 0, compared = 0, lintAttacks = 0, lintSlow = 0, recheckAttacks = 0, recheckSlow = 0;
    int falseSafe = 0, vulnerable = 0, falseAlarms = 0, realWorld = 0;
    std::vector<double> lintMs, recheckMs;
    QJsonArray dump;
    std::printf("%-10s %-10s %-10s %9s %9s %-10s %9s %9s  %s\n", "category", "truth", "lint", "lint ms", "node ms",
                "recheck", "rc ms", "node ms", "expression");
    for (size_t i = 0; i < corpus.size(); ++i) {
        const Entry& e = corpus[i];
        const Ours& o = ours[i];
        const bool lintSaysVulnerable = o.verdict == LintReport::Verdict::Vulnerable;
        const QString lintVerdict = lintSaysVulnerable ? QStringLiteral("vulnerable")
                                    : o.verdict == LintReport::Verdict::Safe ? QStringLiteral("safe")
                                    : o.verdict == LintReport::Verdict::Invalid ? QStringLiteral("invalid")
                                                                                : QStringLiteral("undecided");
        lintMs.push_back(o.ms);
        const QJsonObject r = withNode ? results[qsizetype(i)].toObject() : QJsonObject();
        const double lintAttackMs = r.value(QStringLiteral("lintAttackMs")).toDouble(-1);
        if (o.hasAttack && withNode) {
            ++lintAttacks;
            lintSlow += lintAttackMs > kSlowMs ? 1 : 0;
        }
        QString recheckVerdict = QStringLiteral("-");
        double recheckAttackMs = -1;
        if (withRecheck) {
            recheckVerdict = r.value(QStringLiteral("recheckStatus")).toString();
            recheckMs.push_back(r.value(QStringLiteral("recheckMs")).toDouble());
            recheckAttackMs = r.value(QStringLiteral("recheckAttackMs")).toDouble(-1);
            if (recheckAttackMs >= 0) {
                ++recheckAttacks;
                recheckSlow += recheckAttackMs > kSlowMs ? 1 : 0;
            }
            if (recheckVerdict == u"vulnerable" || recheckVerdict == u"safe") {
                ++compared;
                agree += (recheckVerdict == u"vulnerable") == lintSaysVulnerable ? 1 : 0;
            }
        }
        if (e.truth == u"vulnerable") {
            ++vulnerable;
            falseSafe += lintSaysVulnerable ? 0 : 1;
        }
        if (e.category == u"realworld") {
            ++realWorld;
            falseAlarms += lintSaysVulnerable && e.truth == u"safe" ? 1 : 0;
        }
        std::printf("%-10s %-10s %-10s %9.2f %9.0f %-10s %9.2f %9.0f  %s\n", qPrintable(e.category),
                    qPrintable(e.truth), qPrintable(lintVerdict), o.ms, lintAttackMs, qPrintable(recheckVerdict),
                    withRecheck ? r.value(QStringLiteral("recheckMs")).toDouble() : -1.0, recheckAttackMs,
                    e.expression.toUtf8().constData());
        dump.append(QJsonObject{{"expression", e.expression},
                                {"lint", lintVerdict},
                                {"lintAttackMs", lintAttackMs},
                                {"recheck", recheckVerdict},
                                {"recheckAttackMs", recheckAttackMs}});
    }
    std::printf("\n%-44s %12s %12s\n", "", "lint", "recheck");
    std::printf("%-44s %12s %12s\n", "verdicts agreeing with recheck's",
                qPrintable(QStringLiteral("%1/%2").arg(agree).arg(compared)), "-");
    std::printf("%-44s %12s %12s\n", "attack texts taking node over 1 s",
                qPrintable(QStringLiteral("%1/%2").arg(lintSlow).arg(lintAttacks)),
                qPrintable(QStringLiteral("%1/%2").arg(recheckSlow).arg(recheckAttacks)));
    std::printf("%-44s %12.2f %12.2f\n", "median ms per expression", median(lintMs), median(recheckMs));
    std::printf("%-44s %12.2f %12.2f\n", "mean ms per expression", mean(lintMs), mean(recheckMs));
    std::printf("%-44s %12.2f %12.2f\n", "slowest ms per expression",
                lintMs.empty() ? 0 : *std::max_element(lintMs.begin(), lintMs.end()),
                recheckMs.empty() ? 0 : *std::max_element(recheckMs.begin(), recheckMs.end()));
    std::printf("%-44s %12s\n", "false \"safe\" on the vulnerable (goal 0)",
                qPrintable(QStringLiteral("%1/%2").arg(falseSafe).arg(vulnerable)));
    std::printf("%-44s %12s\n", "false alarms on the real-world (goal <= 2%)",
                qPrintable(QStringLiteral("%1/%2").arg(falseAlarms).arg(realWorld)));
    if (argc > 1) {
        QFile out(QString::fromLocal8Bit(argv[1]));
        if (out.open(QIODevice::WriteOnly))
            out.write(QJsonDocument(dump).toJson());
    }
    return 0;
}
