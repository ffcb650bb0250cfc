#include "cli/lint.h"

#include "core/redos/lint.h"
#include "core/redos/lintwording.h"
#include "cli/escape.h"
#include "cli/run.h"

namespace pattaro::cli {
namespace {

QString verdictName(LintReport::Verdict verdict)
{
    switch (verdict) {
    case LintReport::Verdict::Safe: return QStringLiteral("safe");
    case LintReport::Verdict::Vulnerable: return QStringLiteral("vulnerable");
    case LintReport::Verdict::Undecided: return QStringLiteral("undecided");
    case LintReport::Verdict::Invalid: return QStringLiteral("invalid");
    }
    return {};
}

QString growthName(Ambiguity::Growth growth)
{
    return growth == Ambiguity::Growth::Exponential ? QStringLiteral("exponential") : QStringLiteral("polynomial");
}

QString growthText(Ambiguity::Growth growth, int degree)
{
    return growth == Ambiguity::Growth::Exponential ? QStringLiteral("exponential")
                                                    : QStringLiteral("polynomial of degree %1").arg(degree);
}

QString measuredText(const LintFinding& f)
{
    if (f.measuredGrowth == Ambiguity::Growth::Exponential)
        return QStringLiteral("steps ×%1 per repeat").arg(f.measuredRate, 0, 'f', 2);
    return QStringLiteral("steps grow as n^%1").arg(f.measuredRate, 0, 'f', 2);
}

QString quoted(const QString& text)
{
    return u'"' + controlsSpelledOut(text) + u'"';
}

QString attackFormula(const LintFinding& f)
{
    QStringList parts;
    if (!f.predicted.prefix.isEmpty())
        parts << quoted(f.predicted.prefix);
    for (const QString& pump : f.predicted.pumps)
        parts << quoted(pump) + QStringLiteral("×n");
    if (!f.suffix.isEmpty())
        parts << quoted(f.suffix);
    return parts.join(QStringLiteral(" + "));
}

void writeText(const QString& pattern, const LintReport& report, Utf8Output& out)
{
    out.write(controlsSpelledOut(pattern) + QStringLiteral("\t") + verdictName(report.verdict) + u'\n');
    if (report.error)
        out.write(QStringLiteral("  ") + report.error->message() + u'\n');
    for (const LintFinding& f : report.findings) {
        const qsizetype start = f.predicted.source.start;
        const qsizetype end = f.predicted.source.end;
        out.write(QStringLiteral("  %1 at %2-%3: %4, %5 (%6); attack %7\n")
                      .arg(controlsSpelledOut(pattern.mid(start, end - start)))
                      .arg(start)
                      .arg(end)
                      .arg(growthText(f.predicted.growth, f.predicted.degree),
                           f.verified ? QStringLiteral("verified") : QStringLiteral("not verified"),
                           f.measuredSteps > 0 ? measuredText(f) : QStringLiteral("no growth measured"),
                           attackFormula(f)));
        if (f.rewrite)
            out.write(QStringLiteral("  rewrite: ") + controlsSpelledOut(*f.rewrite) + u'\n');
    }
}

QString jsonFinding(const QString& pattern, const LintFinding& f)
{
    const qsizetype start = f.predicted.source.start;
    const qsizetype end = f.predicted.source.end;
    QStringList pumps;
    for (const QString& pump : f.predicted.pumps)
        pumps << JsonString(pump);
    QString json = QStringLiteral("{\"start\":%1,\"end\":%2,\"source\":%3,\"growth\":\"%4\",\"degree\":%5,")
                       .arg(start)
                       .arg(end)
                       .arg(JsonString(pattern.mid(start, end - start)), growthName(f.predicted.growth))
                       .arg(f.predicted.degree);
    json += QStringLiteral("\"verified\":%1,\"measured\":{\"growth\":\"%2\",\"rate\":%3,\"repeats\":%4,\"steps\":%5},")
                .arg(f.verified ? u"true" : u"false", growthName(f.measuredGrowth))
                .arg(f.measuredRate, 0, 'f', 3)
                .arg(f.measuredRepeats)
                .arg(f.measuredSteps);
    json += QStringLiteral("\"prefix\":%1,\"pumps\":[%2],\"suffix\":%3,")
                .arg(JsonString(f.predicted.prefix), pumps.join(u','), JsonString(f.suffix));
    if (f.verified)
        json += QStringLiteral("\"repeats\":%1,\"attack\":%2,").arg(f.attackRepeats).arg(JsonString(f.attackText(f.attackRepeats)));
    json += QStringLiteral("\"rewrite\":%1}").arg(f.rewrite ? JsonString(*f.rewrite) : QStringLiteral("null"));
    return json;
}

QString jsonReport(const QString& pattern, const LintReport& report)
{
    QString json = QStringLiteral("{\"expression\":%1,\"verdict\":\"%2\",\"approximate\":%3")
                       .arg(JsonString(pattern), verdictName(report.verdict), report.approximate ? u"true" : u"false");
    if (report.error)
        json += QStringLiteral(",\"error\":{\"offset\":%1,\"message\":%2}")
                    .arg(report.error->patternOffset())
                    .arg(JsonString(report.error->message()));
    QStringList findings;
    for (const LintFinding& f : report.findings)
        findings << jsonFinding(pattern, f);
    return json + QStringLiteral(",\"findings\":[") + findings.join(u',') + QStringLiteral("]}");
}

} // namespace

QStringList LintPatternsOfText(const QString& text)
{
    QStringList patterns;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty())
            patterns << line;
    }
    return patterns;
}

int RunLint(const Arguments& args, const QStringList& patterns, Utf8Output& out)
{
    int status = kExitSuccess;
    if (args.json)
        out.write(u"{\"results\":[");
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        // The flags every command searches with: global and multiline always.
        const LintReport report = lintExpression(patterns[i], {args.ignoreCase, true, true});
        if (report.verdict == LintReport::Verdict::Invalid)
            status = kExitFailure;
        else if (report.verdict == LintReport::Verdict::Vulnerable && status == kExitSuccess)
            status = kExitNothingMatched;
        if (args.json)
            out.write((i > 0 ? QStringLiteral(",\n") : QStringLiteral("\n")) + jsonReport(patterns[i], report));
        else
            writeText(patterns[i], report, out);
    }
    if (args.json)
        out.write(u"\n]}\n");
    return status;
}

} // namespace pattaro::cli
