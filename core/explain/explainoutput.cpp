#include "core/explain/explainoutput.h"

#include "core/explain/description.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pattaro {
namespace {

QString flagLetters(const ExpressionFlags& flags)
{
    QString letters;
    if (flags.global)
        letters += u'g';
    if (flags.ignoreCase)
        letters += u'i';
    if (flags.multiline)
        letters += u'm';
    return letters;
}

void appendLines(QString& out, const SyntaxNode& node, const SyntaxTree& tree, ExplainLanguage language, int depth)
{
    const QString written = node.what.kind == SyntaxKind::Expression
                                ? u'/' + tree.source + u'/' + flagLetters(tree.flags)
                                : tree.source.mid(node.what.start, node.what.end - node.what.start);
    out += QString(depth * 2, u' ') + written + QStringLiteral("  ") + describe(node, tree, language) + u'\n';
    for (const SyntaxNode& child : node.children)
        appendLines(out, child, tree, language, depth + 1);
}

QJsonObject nodeObject(const SyntaxNode& node, const SyntaxTree& tree, ExplainLanguage language)
{
    QJsonArray children;
    for (const SyntaxNode& child : node.children)
        children.append(nodeObject(child, tree, language));
    return {
        {QStringLiteral("kind"), kindName(node.what.kind)},
        {QStringLiteral("start"), node.what.start},
        {QStringLiteral("end"), node.what.end},
        {QStringLiteral("source"), tree.source.mid(node.what.start, node.what.end - node.what.start)},
        {QStringLiteral("description"), describe(node, tree, language)},
        {QStringLiteral("children"), children},
    };
}

} // namespace

QString explainAsText(const SyntaxTree& tree, ExplainLanguage language)
{
    QString out;
    if (!tree.error) {
        appendLines(out, tree.root, tree, language, 0);
        return out;
    }
    out += tree.source + u'\n';
    if (tree.error->atPlace())
        out += QString(tree.error->patternOffset(), u' ') + QStringLiteral("^\n");
    return out + describeError(tree, language) + u'\n';
}

QByteArray explainAsJson(const SyntaxTree& tree, ExplainLanguage language)
{
    QJsonObject document{
        {QStringLiteral("expression"), tree.source},
        {QStringLiteral("flags"), flagLetters(tree.flags)},
    };
    if (tree.error) {
        document.insert(QStringLiteral("error"),
                        QJsonObject{{QStringLiteral("offset"), tree.error->atPlace() ? tree.error->patternOffset() : -1},
                                    {QStringLiteral("message"), describeError(tree, language)}});
    } else {
        document.insert(QStringLiteral("tree"), nodeObject(tree.root, tree, language));
    }
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace pattaro
