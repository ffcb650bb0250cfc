#include "core/redos/lint.h"

#include "core/redos/automaton.h"
#include "core/redos/matchsimulation.h"
#include "core/redos/readgraph.h"
#include "core/redos/rewrite.h"
#include "core/redos/stepmeter.h"
#include "core/regex/search.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace pattaro {
namespace {

// Suffixes tried after the pumps, first to last: the end of the text, then
// units most expressions do not read where a repeat stands.
constexpr char16_t kSuffixUnits[] = {u'!', u'\n', u'\0', u' ', u'a', u'0', u'_', u'-', u'.', u'@', u'\u00a7'};

// A measured growth that counts: each more repeat multiplies the steps by at
// least this much, or doubling the repeats multiplies them by 2^degree with
// the degree at least this.
constexpr double kLeastExponentialRate = 1.25;
constexpr double kLeastPolynomialDegree = 1.5;
// Steps below this are too few to tell a growth from the search's overhead.
constexpr std::int64_t kLeastTellingSteps = 1000;
constexpr int kMostExponentialRepeats = 64;
constexpr int kMostPolynomialRepeats = 1 << 16;

struct Point {
    int repeats;
    std::int64_t steps;
};

struct Analysis {
    Automaton automaton;
    AmbiguityResult ambiguity;
};

Analysis analyse(const SyntaxTree& tree, const LintLimits& limits)
{
    Analysis out;
    AnalysisBudget budget(std::int64_t(limits.analysisTime.count()) * 1'000'000, limits.analysisWork,
                          limits.clock ? limits.clock : MonotonicNanoseconds);
    if (!buildAutomaton(tree, {}, out.automaton)) {
        out.ambiguity.complete = false;
        return out;
    }
    ReadGraph graph;
    if (!buildReadGraph(out.automaton, tree.flags.multiline, budget, graph)) {
        out.ambiguity.complete = false;
        return out;
    }
    out.ambiguity = findAmbiguity(graph, {}, budget);
    return out;
}

bool noWorseThan(const AmbiguityResult& after, const Ambiguity& before)
{
    if (!after.complete)
        return false;
    for (const Ambiguity& a : after.found) {
        if (a.growth == Ambiguity::Growth::Exponential)
            return false;
        if (before.growth == Ambiguity::Growth::Polynomial && a.degree >= before.degree)
            return false;
    }
    return true;
}

class Verifier {
public:
    Verifier(const Automaton& automaton, bool multiline, StepMeter& meter, const LintLimits& limits)
        : m_automaton(automaton), m_multiline(multiline), m_meter(meter), m_limits(limits)
    {
    }

    LintFinding verify(const Ambiguity& predicted)
    {
        std::vector<QString> suffixes{QString()};
        for (char16_t unit : kSuffixUnits)
            suffixes.push_back(QString(QChar(unit)));
        // The prefix found leads to the loop. Where the search may start
        // anywhere, a text that begins otherwise may keep an earlier match
        // from swallowing the pumps, so a few others are tried after it.
        std::vector<QString> prefixes{predicted.prefix};
        for (const QString& other : {QStringLiteral("!"), QString(), QStringLiteral("a")}) {
            if (other != predicted.prefix)
                prefixes.push_back(other);
        }
        constexpr size_t kTriedPerPrefix[] = {4, 2, 1, 1};
        LintFinding first;
        for (size_t i = 0; i < prefixes.size(); ++i) {
            std::vector<LintFinding> tries;
            for (const QString& suffix : suffixes) {
                LintFinding f;
                f.predicted = predicted;
                f.predicted.prefix = prefixes[i];
                f.suffix = suffix;
                tries.push_back(f);
            }
            // Those that leave the text without a match first: a match may
            // end the work early.
            std::stable_partition(tries.begin(), tries.end(),
                                  [&](const LintFinding& f) { return !matchesAt(f, {1, 2, 3}); });
            for (size_t k = 0; k < kTriedPerPrefix[i]; ++k) {
                LintFinding f = tries[k];
                measure(f);
                if (f.verified)
                    return f;
                if (i == 0 && k == 0)
                    first = f;
            }
        }
        return first;
    }

private:
    const Automaton& m_automaton;
    bool m_multiline;
    StepMeter& m_meter;
    const LintLimits& m_limits;

    bool matchesAt(const LintFinding& f, std::initializer_list<int> repeats) const
    {
        for (int n : repeats) {
            if (automatonFindsMatch(m_automaton, m_multiline, f.attackText(n)))
                return true;
        }
        return false;
    }

    std::vector<Point> doubling(const LintFinding& f) const
    {
        std::vector<Point> points;
        for (int n = 4; n <= kMostPolynomialRepeats; n *= 2) {
            const std::optional<std::int64_t> steps = m_meter.steps(f.attackText(n), m_limits.stepCap);
            if (!steps)
                break;
            points.push_back({n, *steps});
        }
        return points;
    }

    // Repeats one by one first: exponential growth reaches the cap within
    // a few, and a polynomial shows itself by a ratio that falls.
    void measure(LintFinding& f) const
    {
        if (f.predicted.growth == Ambiguity::Growth::Exponential) {
            if (!measureExponential(f))
                measurePolynomial(f);
            return;
        }
        // A high degree can pass the cap before the doubling has two points.
        if (!measurePolynomial(f))
            measureExponential(f);
    }

    bool measureExponential(LintFinding& f) const
    {
        std::vector<Point> points;
        for (int n = 1; n <= kMostExponentialRepeats; ++n) {
            const std::optional<std::int64_t> steps = m_meter.steps(f.attackText(n), m_limits.stepCap);
            if (!steps)
                break;
            points.push_back({n, *steps});
            const size_t k = points.size();
            if (k >= 2 && points[k - 2].steps >= kLeastTellingSteps
                && double(points[k - 1].steps) < kLeastExponentialRate * double(points[k - 2].steps))
                return false;
        }
        // Over two repeats at a time, where there are enough points, as the
        // work of a loop within a loop can alternate (Fibonacci's numbers
        // for (a|aa)+).
        const size_t span = points.size() >= 5 ? 2 : 1;
        if (points.size() < 2 * span + 1)
            return false;
        const Point& a = points[points.size() - 1 - 2 * span];
        const Point& b = points[points.size() - 1 - span];
        const Point& c = points.back();
        if (c.steps < kLeastTellingSteps || a.steps == 0 || b.steps == 0)
            return false;
        const double first = std::pow(double(b.steps) / double(a.steps), 1.0 / double(span));
        const double second = std::pow(double(c.steps) / double(b.steps), 1.0 / double(span));
        // A polynomial's ratio falls towards 1 as the repeats grow, an
        // exponential's settles; where the analysis foretold a polynomial,
        // the ratio may hardly fall at all.
        const double leastFall = f.predicted.growth == Ambiguity::Growth::Exponential ? 0.75 : 0.97;
        if (std::min(first, second) < kLeastExponentialRate || second < leastFall * first)
            return false;
        f.verified = true;
        f.measuredGrowth = Ambiguity::Growth::Exponential;
        f.measuredRate = std::sqrt(first * second);
        f.measuredRepeats = c.repeats;
        f.measuredSteps = c.steps;
        const double more = std::ceil(std::log(m_limits.exponentialAttackSteps / double(c.steps)) / std::log(f.measuredRate));
        f.attackRepeats = fitLength(f, c.repeats + int(std::clamp(more, 0.0, double(kMostPolynomialRepeats))));
        f.verified = longAttackHolds(f);
        return true;
    }

    // False when the measurement has too few points to tell anything.
    bool measurePolynomial(LintFinding& f) const
    {
        const std::vector<Point> points = doubling(f);
        if (points.size() < 2)
            return false;
        const Point& a = points[points.size() - 2];
        const Point& b = points.back();
        if (b.steps < kLeastTellingSteps || a.steps == 0)
            return true;
        const double degree = std::log2(double(b.steps) / double(a.steps));
        f.measuredGrowth = Ambiguity::Growth::Polynomial;
        f.measuredRate = degree;
        f.measuredRepeats = b.repeats;
        f.measuredSteps = b.steps;
        if (degree < kLeastPolynomialDegree)
            return true;
        f.verified = true;
        const double scale = std::pow(m_limits.polynomialAttackSteps / double(b.steps), 1.0 / degree);
        f.attackRepeats = fitLength(f, int(std::min(std::ceil(double(b.repeats) * std::max(1.0, scale)), 1e9)));
        f.verified = longAttackHolds(f);
        return true;
    }

    // The growth measured on short texts goes on: the long text costs more
    // than twice the most measured (a text long enough to hold a
    // match, say, could end the work early instead).
    bool longAttackHolds(const LintFinding& f) const
    {
        constexpr std::int64_t kFactor = 2;
        return f.attackRepeats <= f.measuredRepeats
               || !m_meter.steps(f.attackText(f.attackRepeats), kFactor * f.measuredSteps);
    }

    int fitLength(const LintFinding& f, int repeats) const
    {
        qsizetype perRepeat = 0;
        for (const QString& pump : f.predicted.pumps)
            perRepeat += pump.size();
        const qsizetype fixed = f.predicted.prefix.size() + f.suffix.size();
        const qsizetype most = std::max<qsizetype>(1, (m_limits.longestAttack - fixed) / std::max<qsizetype>(1, perRepeat));
        return int(std::min<qsizetype>(repeats, most));
    }
};

} // namespace

QString LintFinding::attackText(int repeats) const
{
    QString text = predicted.prefix;
    for (const QString& pump : predicted.pumps)
        text += pump.repeated(repeats);
    return text + suffix;
}

LintReport lintExpression(const QString& source, ExpressionFlags flags, const LintLimits& limits)
{
    LintReport report;
    const SyntaxTree tree = readSyntaxTree(source, flags);
    if (tree.error) {
        report.verdict = LintReport::Verdict::Invalid;
        report.error = tree.error;
        return report;
    }
    std::optional<StepMeter> meter;
    try {
        meter.emplace(source, flags.ignoreCase, flags.multiline);
    } catch (const RegexError& e) {
        report.verdict = LintReport::Verdict::Invalid;
        report.error = e;
        return report;
    }
    const Analysis analysis = analyse(tree, limits);
    report.approximate = analysis.automaton.approximate;
    Verifier verifier(analysis.automaton, flags.multiline, *meter, limits);
    bool anyVerified = false;
    for (const Ambiguity& predicted : analysis.ambiguity.found) {
        LintFinding f = verifier.verify(predicted);
        // A long chain's later pumps may bring a match (three a's for
        // (.*a){3}): the chain's start may still grow, less steeply.
        for (Ambiguity shorter = predicted; !f.verified && shorter.pumps.size() > 1;) {
            shorter.pumps.pop_back();
            shorter.degree = std::max(2, shorter.degree - 1);
            LintFinding retried = verifier.verify(shorter);
            if (retried.verified) {
                // Which loops the shorter chain still holds is not known, so
                // its degree is the one measured.
                if (retried.measuredGrowth == Ambiguity::Growth::Polynomial)
                    retried.predicted.degree = std::max(2, int(std::lround(retried.measuredRate)));
                f = retried;
            }
        }
        if (const std::optional<QString> rewrite = suggestRewrite(tree, predicted.source)) {
            const SyntaxTree rewritten = readSyntaxTree(*rewrite, flags);
            if (!rewritten.error && noWorseThan(analyse(rewritten, limits).ambiguity, predicted))
                f.rewrite = rewrite;
        }
        anyVerified = anyVerified || f.verified;
        report.findings.push_back(std::move(f));
    }
    std::stable_partition(report.findings.begin(), report.findings.end(),
                          [](const LintFinding& f) { return f.verified; });
    if (anyVerified)
        report.verdict = LintReport::Verdict::Vulnerable;
    else if (!analysis.ambiguity.complete)
        report.verdict = LintReport::Verdict::Undecided;
    return report;
}

} // namespace pattaro
