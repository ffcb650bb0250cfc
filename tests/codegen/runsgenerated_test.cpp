// The goal: the code written for a language, run by that language, replaces
// as the window does. Many cases run in one process per language, so the
// test takes seconds; a language not installed is skipped with a message.
#include "core/codegen/codegen.h"
#include "core/regex/regexp.h"
#include "ui/helptext.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

using namespace pattaro;

namespace {

struct Case {
    CodeRequest request;
    QString text;
};

// The help's ready-made expressions, as its lines give them.
const QStringList kHelpExpressions = {
    uR"([\u4e00-\u9fa5])"_qs,
    uR"([^\x00-\xff])"_qs,
    uR"(\n[\s| ]*\r)"_qs,
    uR"(<(.*)>.*<\/\1>|<(.*) \/>)"_qs,
    uR"((^\s*)|(\s*$))"_qs,
    uR"(^\d+$)"_qs,
    uR"(^[0-9]*[1-9][0-9]*$)"_qs,
    uR"(^((-\d+)|(0+))$)"_qs,
    uR"(^-[0-9]*[1-9][0-9]*$)"_qs,
    uR"(^-?\d+$)"_qs,
    uR"(^\d+(\.\d+)?$)"_qs,
    uR"(^(([0-9]+\.[0-9]*[1-9][0-9]*)|([0-9]*[1-9][0-9]*\.[0-9]+)|([0-9]*[1-9][0-9]*))$)"_qs,
    uR"(^((-\d+(\.\d+)?)|(0+(\.0+)?))$)"_qs,
    uR"(^(-(([0-9]+\.[0-9]*[1-9][0-9]*)|([0-9]*[1-9][0-9]*\.[0-9]+)|([0-9]*[1-9][0-9]*)))$)"_qs,
    uR"(^(-?\d+)(\.\d+)?$)"_qs,
    uR"(^[A-Za-z]+$)"_qs,
    uR"(^[A-Z]+$)"_qs,
    uR"(^[a-z]+$)"_qs,
    uR"(^[A-Za-z0-9]+$)"_qs,
    uR"(^\w+$)"_qs,
    uR"([\w-]+(\.[\w-]+)*@[\w-]+(\.[\w-]+)+)"_qs,
    uR"([a-zA-z]+:\/\/(\w+(-\w+)*)(\.(\w+(-\w+)*))*(\?\S*)?)"_qs,
};

const QString kHelpText = uR"(汉字 and ＡＢＣ wide
  leading and trailing  
<b>bold</b> <br /> <i>x</i>
12
-7
0
000
3.25
-0.5
0.0
abc
ABC
abc123
snake_case
a.b-c@mail.example.cn mail@host
http://www.example.com/path?q=1 ftp://a-b.c
line with CR only)"_qs + u"\r\n\r\n \r\nend\u2028\u00a0x\r\ny\ry"_qs;

// Groups and a $ that names none, so replacements are exercised too.
const QString kReplacement = u"<$&|$1|$9>"_qs;

std::vector<Case> helpCases()
{
    std::vector<Case> cases;
    for (const QString& e : kHelpExpressions) {
        cases.push_back({{e, kReplacement, false}, kHelpText});
        cases.push_back({{e, kReplacement, true}, kHelpText});
    }
    return cases;
}

bool hasLoneSurrogate(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
        else if (s[i].isSurrogate())
            return true;
    }
    return false;
}

// Every third case the window's dialect is checked on, as far as UTF-8
// files can carry its texts.
std::vector<Case> dialectCases()
{
    QFile file(QDir::cleanPath(QStringLiteral(PATTARO_TEST_DATA_DIR "/../../engine/data/dialect_cases.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Case> cases;
    const QJsonArray all = QJsonDocument::fromJson(file.readAll()).array();
    for (qsizetype i = 0; i < all.size(); i += 3) {
        const QJsonObject c = all[i].toObject();
        const Case one{{c["pattern"].toString(), kReplacement, c["flags"].toString().contains(u'i')},
                       c["subject"].toString()};
        if (!hasLoneSurrogate(one.text) && !hasLoneSurrogate(one.request.pattern))
            cases.push_back(one);
    }
    return cases;
}

// One program running every case: reads in_N.txt, writes out_N.txt.
struct Harness {
    CodeLanguage language;
    QString program; // the interpreter or launcher
    QString file;    // the source file's name
    QString head, tail;
    QString (*caseBlock)(int number, const QString& snippet);
    QString (*call)(int number);
};

QString indent(const QString& lines, const QString& pad)
{
    QString out;
    for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts))
        out += pad + line + u'\n';
    return out;
}

const Harness kJavaScript{
    CodeLanguage::JavaScript, u"node"_qs, u"batch.js"_qs, u"const fs = require(\"fs\");\n"_qs, {},
    [](int n, const QString& snippet) {
        return u"try {\n  const text = fs.readFileSync(\"in_%1.txt\", \"utf8\");\n%2"
               "  fs.writeFileSync(\"out_%1.txt\", result);\n} catch (e) {}\n"_qs.arg(n).arg(indent(snippet, u"  "_qs));
    },
    [](int) { return QString(); }};

const Harness kPython{
    CodeLanguage::Python, u"python3"_qs, u"batch.py"_qs, u"import re\n\n"_qs, {},
    [](int n, const QString& snippet) {
        return u"try:\n    with open(\"in_%1.txt\", encoding=\"utf-8\", newline=\"\") as f:\n"
               "        text = f.read()\n%2"
               "    with open(\"out_%1.txt\", \"w\", encoding=\"utf-8\", newline=\"\") as f:\n        f.write(result)\n"
               "except Exception:\n    pass\n"_qs.arg(n).arg(indent(snippet, u"    "_qs));
    },
    [](int) { return QString(); }};

const Harness kJava{
    CodeLanguage::Java, u"java"_qs, u"Batch.java"_qs,
    u"import java.nio.file.Files;\nimport java.nio.file.Path;\nimport java.util.regex.Pattern;\n\n"
    "public class Batch {\n"_qs,
    u"}\n"_qs,
    [](int n, const QString& snippet) {
        return u"    static void case%1() throws Exception {\n"
               "        String text = Files.readString(Path.of(\"in_%1.txt\"));\n%2"
               "        Files.writeString(Path.of(\"out_%1.txt\"), result);\n    }\n"_qs.arg(n)
                   .arg(indent(snippet, u"        "_qs));
    },
    [](int n) { return u"        try { case%1(); } catch (Throwable e) {}\n"_qs.arg(n); }};

QString expected(const Case& c)
{
    RegExp re;
    re.Global(true);
    re.Multiline(true);
    re.IgnoreCase(c.request.ignoreCase);
    re.Pattern(c.request.pattern);
    return re.Replace(c.text, c.request.replacement);
}

bool writeFile(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

void runAll(const Harness& h, const std::vector<Case>& cases)
{
    if (QStandardPaths::findExecutable(h.program).isEmpty())
        GTEST_SKIP() << h.program.toStdString() << " is not installed, so its code is not run";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString source = h.head, calls;
    std::vector<int> compared;
    for (int n = 0; n < int(cases.size()); ++n) {
        const Case& c = cases[size_t(n)];
        GeneratedCode code;
        try {
            code = generateCode(h.language, c.request, CodeShape::Snippet);
        } catch (const RegexError&) {
            continue; // refused by the window too
        }
        // Where the code says it differs, it need not agree.
        if (!code.caveats.isEmpty())
            continue;
        ASSERT_TRUE(writeFile(dir.filePath(u"in_%1.txt"_qs.arg(n)), c.text));
        source += h.caseBlock(n, code.text);
        calls += h.call(n);
        compared.push_back(n);
    }
    if (h.language == CodeLanguage::Java)
        source += u"    public static void main(String[] args) {\n"_qs + calls + u"    }\n"_qs;
    source += h.tail;
    ASSERT_TRUE(writeFile(dir.filePath(h.file), source));
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(h.program, {h.file});
    // A guard against a hang, far above what the run needs.
    ASSERT_TRUE(p.waitForFinished(240'000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::printf("%s: %zu of %zu cases compared; the others say where they differ\n", qPrintable(h.program),
                compared.size(), cases.size());
    EXPECT_GT(compared.size() * 3, cases.size()) << "too many cases say they differ";
    for (const int n : compared) {
        const Case& c = cases[size_t(n)];
        QFile out(dir.filePath(u"out_%1.txt"_qs.arg(n)));
        const QString got = out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll()) : u"(failed)"_qs;
        EXPECT_EQ(got.toStdString(), expected(c).toStdString())
            << "/" << c.request.pattern.toStdString() << "/" << (c.request.ignoreCase ? "i" : "") << "\n"
            << generateCode(h.language, c.request, CodeShape::Snippet).text.toStdString();
    }
}

} // namespace

TEST(GeneratedCode, TheHelpsExpressionsAreTheOnesItShows)
{
    const QString help = helpText();
    ASSERT_EQ(kHelpExpressions.size(), 22);
    for (const QString& e : kHelpExpressions)
        EXPECT_TRUE(help.contains(e)) << e.toStdString();
}

TEST(GeneratedCode, JavaScriptReplacesAsTheWindowDoes)
{
    std::vector<Case> cases = helpCases();
    const std::vector<Case> more = dialectCases();
    ASSERT_FALSE(more.empty());
    cases.insert(cases.end(), more.begin(), more.end());
    runAll(kJavaScript, cases);
}

TEST(GeneratedCode, PythonReplacesAsTheWindowDoes)
{
    std::vector<Case> cases = helpCases();
    const std::vector<Case> more = dialectCases();
    ASSERT_FALSE(more.empty());
    cases.insert(cases.end(), more.begin(), more.end());
    runAll(kPython, cases);
}

TEST(GeneratedCode, JavaReplacesAsTheWindowDoes)
{
    std::vector<Case> cases = helpCases();
    const std::vector<Case> more = dialectCases();
    ASSERT_FALSE(more.empty());
    cases.insert(cases.end(), more.begin(), more.end());
    runAll(kJava, cases);
}

TEST(GeneratedCode, TheProgramsRunAsTheyStand)
{
    const Case c{{uR"(^(\w+)\s*=\s*(.*)$)"_qs, u"$2 <- $1 「$&」"_qs, true},
                 u"a = 1\r\nB=中文\r\n\r\nc = x 😀"_qs};
    const struct {
        CodeLanguage language;
        QString program, file;
    } languages[] = {
        {CodeLanguage::JavaScript, u"node"_qs, u"replace.js"_qs},
        {CodeLanguage::Python, u"python3"_qs, u"replace.py"_qs},
        {CodeLanguage::Java, u"java"_qs, u"Replace.java"_qs},
    };
    QStringList missing;
    for (const auto& l : languages) {
        if (QStandardPaths::findExecutable(l.program).isEmpty()) {
            missing << l.program;
            continue;
        }
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString code = codeFor(l.language, c.request, CodeShape::Program);
        ASSERT_TRUE(writeFile(dir.filePath(l.file), code));
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(l.program, {l.file});
        p.write(c.text.toUtf8());
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(120'000));
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).toStdString(), expected(c).toStdString())
            << code.toStdString() << p.readAllStandardError().toStdString();
    }
    if (!missing.isEmpty())
        GTEST_SKIP() << missing.join(u", ").toStdString() << " not installed, so not run";
}
