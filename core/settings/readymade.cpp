#include "core/settings/readymade.h"

#include <QRegularExpression>
#include <QStringList>

namespace pattaro {

namespace {

QString withoutSlashes(const QString& expression)
{
    if (expression.size() > 2 && expression.startsWith(u'/') && expression.endsWith(u'/'))
        return expression.mid(1, expression.size() - 2);
    return expression;
}

} // namespace

std::vector<LibraryEntry> readyMadeExpressions(const QString& helpText)
{
    static const QRegularExpression named(QStringLiteral(R"(^匹配(.+?)(?:的正则表达式)?：\s*(.+?)\s*$)"));
    static const QRegularExpression commented(QStringLiteral(R"(^([^\x{3000}\s]+)[\x{3000}\s]+//匹配(.+?)\s*$)"));
    std::vector<LibraryEntry> found;
    for (const QString& line : helpText.split(QStringLiteral("\r\n"))) {
        if (const auto label = named.match(line); label.hasMatch())
            found.push_back({label.captured(1), withoutSlashes(label.captured(2)), QString(), true});
        else if (const auto comment = commented.match(line); comment.hasMatch())
            found.push_back({comment.captured(2), comment.captured(1), QString(), true});
    }
    return found;
}

} // namespace pattaro
