#include "core/redos/rewrite.h"

#include <QStringList>

namespace pattaro {
namespace {

bool isGroup(SyntaxKind kind)
{
    return kind == SyntaxKind::CapturingGroup || kind == SyntaxKind::NamedGroup
           || kind == SyntaxKind::NonCapturingGroup;
}

bool unbounded(const SyntaxEvent& q)
{
    return q.kind == SyntaxKind::Quantifier && q.most < 0 && !q.lazy;
}

bool readsOneUnit(const SyntaxNode& n)
{
    switch (n.what.kind) {
    case SyntaxKind::Character:
    case SyntaxKind::ClassEscape:
    case SyntaxKind::AnyCharacter: return true;
    case SyntaxKind::Class: return !n.what.negated;
    default: return false;
    }
}

QString repeatText(qint64 least)
{
    if (least == 0)
        return QStringLiteral("*");
    if (least == 1)
        return QStringLiteral("+");
    return QStringLiteral("{%1,}").arg(least);
}

class Rewriter {
public:
    Rewriter(const SyntaxTree& tree, SourceSpan where) : m_tree(tree), m_where(where) {}

    std::optional<QString> run() { return visit(m_tree.root); }

private:
    const SyntaxTree& m_tree;
    SourceSpan m_where;

    QString text(const SyntaxEvent& what) const { return m_tree.source.mid(what.start, what.end - what.start); }
    QString text(qsizetype start, qsizetype end) const { return m_tree.source.mid(start, end - start); }

    bool overlaps(const SyntaxEvent& what) const { return what.start < m_where.end && m_where.start < what.end; }

    QString replaced(const SyntaxEvent& what, const QString& by) const
    {
        return m_tree.source.left(what.start) + by + m_tree.source.mid(what.end);
    }

    // The group's own pieces when it is a group, with what wraps the result.
    static const SyntaxNode* groupBody(const SyntaxNode& n)
    {
        return isGroup(n.what.kind) ? &n : nullptr;
    }

    QString wrapLike(const SyntaxNode& group, const QString& inner) const
    {
        if (group.what.kind == SyntaxKind::NonCapturingGroup)
            return inner;
        // The group's opening as written: "(" or "(?<name>".
        const SyntaxNode& first = group.children.front();
        return text(group.what.start, first.what.start) + inner + u')';
    }

    std::optional<QString> visit(const SyntaxNode& n)
    {
        if (!overlaps(n.what) && n.what.kind != SyntaxKind::Expression)
            return std::nullopt;
        if (std::optional<QString> r = repeatOfRepeat(n))
            return r;
        if (std::optional<QString> r = alternativesOfOneUnit(n))
            return r;
        if (std::optional<QString> r = wordsAndGaps(n))
            return r;
        if (std::optional<QString> r = sameRepeatTwice(n))
            return r;
        for (const SyntaxNode& child : n.children) {
            if (std::optional<QString> r = visit(child))
                return r;
        }
        return std::nullopt;
    }

    // (X+)+, (X*)+, (X+)*, (X*)*
    std::optional<QString> repeatOfRepeat(const SyntaxNode& n) const
    {
        if (!unbounded(n.what))
            return std::nullopt;
        const SyntaxNode* group = groupBody(n.children.front());
        if (!group || group->children.size() != 1 || !unbounded(group->children.front().what))
            return std::nullopt;
        const SyntaxNode& inner = group->children.front();
        if (!readsOneUnit(inner.children.front()))
            return std::nullopt;
        const qint64 least = std::min<qint64>(n.what.least, 1) * std::min<qint64>(inner.what.least, 1);
        return replaced(n.what, wrapLike(*group, text(inner.children.front().what) + repeatText(least)));
    }

    // (a|b|a)* → [ab]*
    std::optional<QString> alternativesOfOneUnit(const SyntaxNode& n) const
    {
        if (!unbounded(n.what))
            return std::nullopt;
        const SyntaxNode* group = groupBody(n.children.front());
        if (!group || group->children.size() != 1 || group->children.front().what.kind != SyntaxKind::Alternation)
            return std::nullopt;
        QStringList members;
        for (const SyntaxNode& alternative : group->children.front().children) {
            if (alternative.children.size() != 1)
                return std::nullopt;
            const SyntaxNode& piece = alternative.children.front();
            if (!readsOneUnit(piece) || piece.what.kind == SyntaxKind::AnyCharacter)
                return std::nullopt;
            QString member = text(piece.what);
            if (piece.what.kind == SyntaxKind::Class)
                member = member.mid(1, member.size() - 2);
            else if (piece.what.kind == SyntaxKind::Character && member.size() == 1
                     && QStringView(u"]\\^-").contains(member.front()))
                member.prepend(u'\\');
            if (!members.contains(member))
                members << member;
        }
        const QString one = members.size() == 1 && !members.front().startsWith(u'\\')
                                ? members.front()
                                : QStringLiteral("[") + members.join(QString()) + u']';
        const QString quantifier = text(n.children.front().what.end, n.what.end);
        return replaced(n.what, wrapLike(*group, one) + quantifier);
    }

    // (X+Y?)* with X and Y disjoint → (?:X+(?:YX+)*Y?)?
    std::optional<QString> wordsAndGaps(const SyntaxNode& n) const
    {
        if (!unbounded(n.what))
            return std::nullopt;
        const SyntaxNode* group = groupBody(n.children.front());
        if (!group || group->children.size() != 2)
            return std::nullopt;
        const SyntaxNode& words = group->children[0];
        const SyntaxNode& gap = group->children[1];
        if (!unbounded(words.what) || words.what.least != 1 || gap.what.kind != SyntaxKind::Quantifier
            || gap.what.least != 0 || gap.what.most != 1 || gap.what.lazy)
            return std::nullopt;
        const std::optional<UnitSet> x = unitsOfPiece(words.children.front(), m_tree.flags.ignoreCase);
        const std::optional<UnitSet> y = unitsOfPiece(gap.children.front(), m_tree.flags.ignoreCase);
        if (!x || !y || !x->intersected(*y).empty())
            return std::nullopt;
        const QString word = text(words.what);
        const QString space = text(gap.children.front().what);
        QString inner = word + QStringLiteral("(?:") + space + word + QStringLiteral(")*") + space + u'?';
        if (n.what.least == 0)
            inner = QStringLiteral("(?:") + inner + QStringLiteral(")?");
        return replaced(n.what, wrapLike(*group, inner));
    }

    // X*X* → X*, X+X* → X+, …, in one sequence of pieces.
    std::optional<QString> sameRepeatTwice(const SyntaxNode& n) const
    {
        for (size_t i = 0; i + 1 < n.children.size(); ++i) {
            const SyntaxNode& a = n.children[i];
            const SyntaxNode& b = n.children[i + 1];
            if (!unbounded(a.what) || !unbounded(b.what) || !overlaps(a.what))
                continue;
            const QString body = text(a.children.front().what);
            if (body != text(b.children.front().what) || !readsOneUnit(a.children.front()))
                continue;
            SyntaxEvent both = a.what;
            both.end = b.what.end;
            return replaced(both, body + repeatText(a.what.least + b.what.least));
        }
        return std::nullopt;
    }
};

} // namespace

std::optional<QString> suggestRewrite(const SyntaxTree& tree, SourceSpan where)
{
    if (tree.error || !where.valid())
        return std::nullopt;
    return Rewriter(tree, where).run();
}

} // namespace pattaro
