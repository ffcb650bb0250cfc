#include "core/regex/faultwording.h"

#include <QList>

namespace pattaro {
namespace {

using enum RegexErrorCode;

// %1 and %2 take the error's sizes, or %1 PCRE2's number for a failure the
// engine has no reason of its own for.
const char* chineseReason(RegexErrorCode code)
{
    switch (code) {
    case ExpressionTooLong: return "表达式太长：有 %1 个字符，最多只能有 %2 个";
    case UnmatchedParenthesis: return "多了一个没有配对的“)”";
    case UnterminatedGroup: return "分组缺少“)”";
    case UnterminatedClass: return "字符类缺少“]”";
    case NothingToRepeat: return "量词前面没有可以重复的内容";
    case InvalidQuantifier: return "量词无效";
    case QuantifierOutOfOrder: return "{} 量词中的两个数字前大后小";
    case RepeatCountTooLarge: return "重复次数超过了 65535";
    case ClassRangeOutOfOrder: return "字符类中的范围前大后小";
    case InvalidGroup: return "分组的写法无效";
    case InvalidGroupName: return "捕获组的名称无效";
    case DuplicateGroupName: return "捕获组的名称重复了";
    case InvalidNamedReference: return "命名引用的写法无效";
    case UnknownGroupName: return "引用了不存在的命名捕获组";
    case InvalidEscape: return "转义序列无效";
    case BackslashAtEnd: return "“\\”后面缺少要转义的字符";
    case GroupsNestedTooDeeply: return "分组嵌套得太深";
    case ExpressionTooLarge: return "表达式编译后太大";
    case VaryingLookbehindInLookbehind: return "长度可变的后行断言不能放在另一个后行断言中";
    case GroupInUnboundedLookbehind: return "长度不定或可能的长度太多的后行断言中不能有捕获组";
    case ReferenceRightwardInLookbehind: return "后行断言中的反向引用指向了它右边的分组";
    case ReferenceOutOfVaryingLookbehind: return "长度可变的后行断言中的反向引用指向了断言以外的分组";
    case LookbehindNotFixedLength: return "后行断言的长度不固定";
    case LookbehindTooComplicated: return "后行断言太复杂";
    case LookbehindTooLong: return "后行断言太长";
    case ExpressionTooComplicated: return "表达式太复杂";
    case TooManyGroups: return "捕获组太多";
    case OtherCompileError: return "表达式无法编译（错误号 %1）";
    case TookTooLong: return "在这段文本上用时太长，搜索已停止";
    case BacktracksWithoutEnd: return "表达式在这段文本上回溯次数太多，搜索已停止";
    case NeedsTooMuchMemory: return "表达式在这段文本上需要的内存太多，搜索已停止";
    case OutOfMemory: return "内存不足，搜索已停止";
    case ReplaceResultTooLong: return "替换的结果将超过 %1 个字符，替换已停止";
    case ExtractResultTooLong: return "提取的结果将超过 %1 个字符，提取已停止";
    case OtherSearchError: return "搜索未能完成（错误号 %1）";
    }
    return "";
}

QString reasonOf(const RegexError& error)
{
    const QString reason = QString::fromUtf8(chineseReason(error.code()));
    switch (error.code()) {
    case ExpressionTooLong: return reason.arg(error.sizes().actual).arg(error.sizes().limit);
    case ReplaceResultTooLong:
    case ExtractResultTooLong: return reason.arg(error.sizes().limit);
    case OtherCompileError:
    case OtherSearchError: return reason.arg(error.pcre2Error());
    default: return reason;
    }
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
    if (error.atPlace())
        return QStringLiteral("%1有错误：%2。").arg(place(error.patternOffset(), expression), reasonOf(error));
    return reasonOf(error) + QStringLiteral("。");
}

} // namespace pattaro
