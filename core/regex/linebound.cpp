#include "core/regex/linebound.h"

#include "core/regex/syntaxsink.h"
#include "core/regex/translator.h"

#include <vector>

namespace pattaro {
namespace {

bool escapeTakesLineFeed(char16_t letter) { return letter == u's' || letter == u'D' || letter == u'W'; }

// Watches every piece the translator reads for one that can consume a line
// feed. Case folding gives a line feed no other form, so it needs no care.
class LineFeedWatch : public SyntaxSink {
public:
    explicit LineFeedWatch(bool multiline) : m_multiline(multiline) {}
    bool crossed() const { return m_crossed; }

    void open(const SyntaxEvent& container) override
    {
        m_open.push_back({container.kind == SyntaxKind::Class, container.negated, false});
    }
    void close(qsizetype) override
    {
        const Open closed = m_open.back();
        m_open.pop_back();
        // A class holds a line feed when it lists one, or when it is
        // negated and does not.
        if (closed.isClass && closed.listsLineFeed != closed.negated)
            m_crossed = true;
    }
    void piece(const SyntaxEvent& piece) override
    {
        bool takesLineFeed = false;
        switch (piece.kind) {
        case SyntaxKind::Character: takesLineFeed = piece.unit == u'\n'; break;
        case SyntaxKind::ClassRange: takesLineFeed = piece.unit <= u'\n' && u'\n' <= piece.last; break;
        case SyntaxKind::ClassEscape: takesLineFeed = escapeTakesLineFeed(piece.unit); break;
        case SyntaxKind::LineStart:
        case SyntaxKind::LineEnd:
            // Without the m flag they mean the text's ends, which a run of
            // its lines does not share.
            if (!m_multiline)
                m_crossed = true;
            return;
        default: return;
        }
        if (!m_open.empty() && m_open.back().isClass)
            m_open.back().listsLineFeed |= takesLineFeed;
        else if (takesLineFeed)
            m_crossed = true;
    }
    void quantify(const SyntaxEvent&) override {}

private:
    struct Open {
        bool isClass;
        bool negated;
        bool listsLineFeed;
    };
    const bool m_multiline;
    std::vector<Open> m_open;
    bool m_crossed = false;
};

} // namespace

bool MatchesStayWithinLines(const QString& pattern, bool ignoreCase, bool multiline)
{
    LineFeedWatch watch(multiline);
    translatePattern(pattern, ignoreCase, multiline, &watch);
    return !watch.crossed();
}

} // namespace pattaro
