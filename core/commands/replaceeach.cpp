#include "core/commands/replaceeach.h"

#include <QHash>

namespace pattaro {
namespace {

// Replacing a text on its own gives the same result every time, so a text
// that comes back (the empty matches of \B, repeated words) is replaced once.
// Only short texts are kept, and only so many, so the memory stays small.
class ReplacedTexts {
public:
    static constexpr qsizetype kLongestKept = 256;
    static constexpr qsizetype kMostKept = 1 << 16;

    const QString* find(const QString& text) const
    {
        const auto it = m_results.constFind(text);
        return it == m_results.constEnd() ? nullptr : &it.value();
    }

    void keep(const QString& text, const QString& result)
    {
        if (text.size() <= kLongestKept && result.size() <= kLongestKept && m_results.size() < kMostKept)
            m_results.insert(text, result);
    }

private:
    QHash<QString, QString> m_results;
};

} // namespace

void ReplaceEachMatch(RegExp& engine, const MatchCollection& matches,
                      const QString& replacement, bool onePerLine,
                      const std::function<void(QStringView)>& sink, qsizetype& index)
{
    ReplacedTexts replaced;
    // The same text as the match before is the commonest repeat, and is
    // known without hashing it.
    QString lastText;
    QString lastResult;
    bool hasLast = false;
    const std::vector<MatchCollection::Span>& spans = matches.spans();
    const QStringView subject = matches.Subject();
    const qsizetype count = qsizetype(spans.size());
    for (index = 0; index < count; ++index) {
        const QStringView text = subject.mid(spans[size_t(index)].firstIndex, spans[size_t(index)].length);
        if (!hasLast || text != lastText) {
            lastText = text.toString();
            if (const QString* known = replaced.find(lastText)) {
                lastResult = *known;
            } else {
                lastResult = engine.Replace(lastText, replacement);
                replaced.keep(lastText, lastResult);
            }
            hasLast = true;
        }
        sink(lastResult);
        if (onePerLine)
            sink(kItemLineBreak);
    }
}

void AppendEachReplaced(RegExp& engine, const MatchCollection& matches,
                        const QString& replacement, bool onePerLine, QString& out,
                        qsizetype& index)
{
    ReplaceEachMatch(
        engine, matches, replacement, onePerLine, [&out](QStringView piece) { out += piece; }, index);
}

} // namespace pattaro
