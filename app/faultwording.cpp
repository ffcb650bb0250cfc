#include "app/faultwording.h"

#include <QRegularExpression>

namespace pattaro {
namespace {

// One reason the engine gives, matched from the start of its message; the
// wording's %1, %2 … take the numbers the message carries.
struct Reason {
    const char* engine;
    const char* chinese;
};

const Reason kReasons[] = {
    // Refused expressions.
    {R"(Unmatched '\)')", "多了一个没有配对的“)”"},
    {"Duplicate capture group name", "捕获组的名称重复了"},
    {"Invalid capture group name", "捕获组的名称无效"},
    {"Groups nested too deeply", "分组嵌套得太深"},
    {"Nothing to repeat", "量词前面没有可以重复的内容"},
    {"Invalid quantifier", "量词无效"},
    {"Invalid group", "分组的写法无效"},
    {"Unterminated group", "分组缺少“)”"},
    {R"(numbers out of order in \{\} quantifier)", "{} 量词中的两个数字前大后小"},
    {"Repeat count above 65535", "重复次数超过了 65535"},
    {"Invalid named reference", "命名引用的写法无效"},
    {"Invalid named capture referenced", "引用了不存在的命名捕获组"},
    {"Unterminated character class", "字符类缺少“]”"},
    {"Range out of order in character class", "字符类中的范围前大后小"},
    {"Invalid escape", "转义序列无效"},
    {R"(The expression is too long \((\d+) code units; at most (\d+)\))", "表达式太长：有 %1 个字符，最多只能有 %2 个"},
    // Searches given up.
    {"The search took too long", "在这段文本上用时太长，搜索已停止"},
    {"The expression backtracks without end", "表达式在这段文本上回溯次数太多，搜索已停止"},
    {"The expression needs too much memory", "表达式在这段文本上需要的内存太多，搜索已停止"},
    {"There is not enough memory", "内存不足，搜索已停止"},
    {R"(The result would be longer than (\d+) characters)", "替换的结果将超过 %1 个字符，替换已停止"},
};

// The engine's suffix on a refused expression; the place comes from
// patternOffset() instead.
const QRegularExpression kPlaceSuffix(QStringLiteral(" at offset \\d+ of the expression$"));

QString chineseReason(const QString& engineReason)
{
    for (const Reason& reason : kReasons) {
        const QRegularExpression start(QStringLiteral("^") + QString::fromUtf8(reason.engine));
        const QRegularExpressionMatch found = start.match(engineReason);
        if (!found.hasMatch())
            continue;
        QString wording = QString::fromUtf8(reason.chinese);
        for (int i = 1; i <= found.lastCapturedIndex(); ++i)
            wording = wording.arg(found.captured(i));
        return wording;
    }
    return QString();
}

QString place(qsizetype offset, const QString& expression)
{
    if (offset >= expression.size())
        return QStringLiteral("表达式末尾");
    // Characters, not UTF-16 code units: a character outside the BMP
    // counts once.
    const auto before = QStringView(expression).first(offset).toUcs4().size();
    return QStringLiteral("表达式第 %1 个字符处").arg(before + 1);
}

} // namespace

QString expressionFaultText(const RegexError& error, const QString& expression)
{
    QString engineReason = error.message();
    const bool placed = error.kind() == RegexError::Kind::InvalidPattern && error.patternOffset() >= 0
                        && engineReason.contains(kPlaceSuffix);
    engineReason.remove(kPlaceSuffix);
    const QString reason = chineseReason(engineReason);

    if (placed) {
        const QString where = place(error.patternOffset(), expression);
        return reason.isEmpty() ? QStringLiteral("%1有错误（%2）。").arg(where, engineReason)
                                : QStringLiteral("%1有错误：%2。").arg(where, reason);
    }
    if (!reason.isEmpty())
        return reason + QStringLiteral("。");
    return error.kind() == RegexError::Kind::InvalidPattern ? QStringLiteral("表达式有错误（%1）。").arg(engineReason)
                                                            : QStringLiteral("搜索未能完成（%1）。").arg(engineReason);
}

} // namespace pattaro
