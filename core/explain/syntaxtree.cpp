#include "core/explain/syntaxtree.h"

#include "core/regex/translator.h"

#include <utility>

namespace pattaro {
namespace {

bool holdsAlternatives(SyntaxKind kind)
{
    switch (kind) {
    case SyntaxKind::Expression:
    case SyntaxKind::CapturingGroup:
    case SyntaxKind::NamedGroup:
    case SyntaxKind::NonCapturingGroup:
    case SyntaxKind::Lookahead:
    case SyntaxKind::NegativeLookahead:
    case SyntaxKind::Lookbehind:
    case SyntaxKind::NegativeLookbehind: return true;
    default: return false;
    }
}

bool isPlainCharacter(const SyntaxNode& node)
{
    return node.what.kind == SyntaxKind::Character && node.what.reading == CharacterReading::AsWritten;
}

// Characters written as themselves side by side read as one text, as a
// person reads them.
void joinText(std::vector<SyntaxNode>& nodes, const QString& source)
{
    std::vector<SyntaxNode> joined;
    for (SyntaxNode& node : nodes) {
        if (!joined.empty() && isPlainCharacter(node)
            && (isPlainCharacter(joined.back()) || joined.back().what.kind == SyntaxKind::Text)
            && joined.back().what.end == node.what.start) {
            SyntaxEvent& text = joined.back().what;
            text.kind = SyntaxKind::Text;
            text.end = node.what.end;
            text.name = source.mid(text.start, text.end - text.start);
            continue;
        }
        joined.push_back(std::move(node));
    }
    nodes = std::move(joined);
}

// A container's alternatives, read as Alternative nodes: one stands for its
// own pieces, several make an Alternation.
void settleAlternatives(SyntaxNode& container, const QString& source)
{
    std::vector<SyntaxNode>& alternatives = container.children;
    for (size_t i = 0; i < alternatives.size(); ++i) {
        alternatives[i].what.number = int(i) + 1;
        joinText(alternatives[i].children, source);
    }
    if (alternatives.size() == 1) {
        std::vector<SyntaxNode> pieces = std::move(alternatives.front().children);
        container.children = std::move(pieces);
        return;
    }
    SyntaxNode alternation;
    alternation.what.kind = SyntaxKind::Alternation;
    alternation.what.start = alternatives.front().what.start;
    alternation.what.end = alternatives.back().what.end;
    alternation.what.number = int(alternatives.size());
    alternation.children = std::move(alternatives);
    container.children.clear();
    container.children.push_back(std::move(alternation));
}

class TreeBuilder : public SyntaxSink {
public:
    TreeBuilder(SyntaxNode& root, const QString& source) : m_source(source) { m_open.push_back(&root); }

    void open(const SyntaxEvent& container) override
    {
        m_open.back()->children.push_back({container, {}});
        m_open.push_back(&m_open.back()->children.back());
    }

    void close(qsizetype end) override
    {
        SyntaxNode& closing = *m_open.back();
        closing.what.end = end;
        if (holdsAlternatives(closing.what.kind))
            settleAlternatives(closing, m_source);
        m_open.pop_back();
    }

    void piece(const SyntaxEvent& piece) override { m_open.back()->children.push_back({piece, {}}); }

    void quantify(const SyntaxEvent& quantifier) override
    {
        SyntaxNode& repeated = m_open.back()->children.back();
        SyntaxNode wrapper{quantifier, {}};
        wrapper.what.start = repeated.what.start;
        wrapper.children.push_back(std::move(repeated));
        repeated = std::move(wrapper);
    }

private:
    const QString& m_source;
    // The containers not closed yet, innermost last; each is the last child
    // of the one before, and only the innermost gains children.
    std::vector<SyntaxNode*> m_open;
};

bool holds(const SyntaxEvent& what, qsizetype offset)
{
    return what.start <= offset && offset < what.end;
}

} // namespace

SyntaxTree readSyntaxTree(const QString& source, ExpressionFlags flags)
{
    SyntaxTree tree;
    tree.source = source;
    tree.flags = flags;
    tree.root.what.kind = SyntaxKind::Expression;
    tree.root.what.end = source.size();
    try {
        TreeBuilder builder(tree.root, source);
        translatePattern(source, flags.ignoreCase, flags.multiline, &builder);
        settleAlternatives(tree.root, source);
    } catch (const RegexError& error) {
        tree.root.children.clear();
        tree.error = error;
    }
    return tree;
}

std::vector<int> pathToOffset(const SyntaxNode& root, qsizetype offset)
{
    if (offset > 0 && offset >= root.what.end)
        offset = root.what.end - 1;
    std::vector<int> path;
    const SyntaxNode* node = &root;
    for (;;) {
        const auto& children = node->children;
        int found = -1;
        for (size_t i = 0; i < children.size() && found < 0; ++i) {
            if (holds(children[i].what, offset))
                found = int(i);
        }
        if (found < 0)
            return path;
        path.push_back(found);
        node = &children[size_t(found)];
    }
}

} // namespace pattaro
