#include "bench/support/benchtexts.h"

#include <QRandomGenerator>
#include <QStringList>

namespace pattaro::bench {
namespace {

constexpr qsizetype kTextSize = 10'000'000;

const QStringList kWords = {"the", "quick", "brown", "Brown", "BROWN", "fox", "jumps", "over", "lazy",
                            "dog", "hello", "world", "alice@example.com", "bob.smith@mail.org", "aa",
                            "bookkeeper", "2024", "42", "3.14159", "正则表达式", "替换", "文本"};

QString randomWords(const QStringList& words, const QString& lineBreak = QStringLiteral("\r\n"))
{
    QRandomGenerator rng(20240601);
    QString s;
    s.reserve(kTextSize + 64);
    while (s.size() < kTextSize) {
        s += words[rng.bounded(int(words.size()))];
        s += rng.bounded(12) == 0 ? lineBreak : QStringLiteral(" ");
    }
    s.truncate(kTextSize);
    return s;
}

} // namespace

const QString& wordText()
{
    static const QString t = randomWords(kWords);
    return t;
}

const QString& taggedText()
{
    static const QString t = randomWords(kWords + QStringList{"$12", "$ 7", "US$3", "#tag", "a#b", "#2024"});
    return t;
}

const QString& mixedText()
{
    static const QString t = randomWords(
        kWords
            + QStringList{"River", "mountain", "Mountain", "2023-11-05", "1999-01-31", "192.168.1.20", "10.0.0.255",
                          "https://example.com/docs/index.html", "http://pattaro.test/a?b=c", "carol_99@uni.edu",
                          "int", "main()", "return", "x1", "fn(a,", "b);", "{", "}", "#include", "中文", "搜索",
                          "数据", "北京", "v2", "id42"},
        QStringLiteral("\n"));
    return t;
}

} // namespace pattaro::bench
