#include "bench/support/benchtexts.h"

#include <QRandomGenerator>
#include <QStringList>

namespace pattaro::bench {
namespace {

constexpr qsizetype kTextSize = 10'000'000;

const QStringList kWords = {"the", "quick", "brown", "Brown", "BROWN", "fox", "jumps", "over", "lazy",
                            "dog", "hello", "world", "alice@example.com", "bob.smith@mail.org", "aa",
                            "bookkeeper", "2024", "42", "3.14159", "正则表达式", "替换", "文本"};

QString randomWords(const QStringList& words)
{
    QRandomGenerator rng(20240601);
    QString s;
    s.reserve(kTextSize + 64);
    while (s.size() < kTextSize) {
        s += words[rng.bounded(int(words.size()))];
        s += rng.bounded(12) == 0 ? QStringLiteral("\r\n") : QStringLiteral(" ");
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

} // namespace pattaro::bench
