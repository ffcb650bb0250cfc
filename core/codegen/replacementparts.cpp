#include "core/codegen/replacementparts.h"

namespace pattaro {
namespace {

int digitAt(const QString& s, qsizetype at)
{
    return at < s.size() && s[at] >= u'0' && s[at] <= u'9' ? s[at].unicode() - u'0' : -1;
}

} // namespace

std::vector<ReplacementPart> replacementParts(const QString& replacement, int groupCount,
                                              const QHash<QString, int>& groupNumbers)
{
    std::vector<ReplacementPart> parts;
    const auto text = [&parts](const QString& t) {
        if (parts.empty() || parts.back().kind != ReplacementPart::Kind::Text)
            parts.push_back({ReplacementPart::Kind::Text, {}, 0});
        parts.back().text += t;
    };
    const auto group = [&parts](int n) { parts.push_back({ReplacementPart::Kind::Group, {}, n}); };
    const QString& s = replacement;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'$' || i + 1 == s.size()) {
            text(s[i]);
            continue;
        }
        const QChar next = s[i + 1];
        const int first = digitAt(s, i + 1);
        const int second = digitAt(s, i + 2);
        if (next == u'$') {
            text(QStringLiteral("$"));
            ++i;
        } else if (next == u'&') {
            group(0);
            ++i;
        } else if (next == u'`' || next == u'\'') {
            parts.push_back({next == u'`' ? ReplacementPart::Kind::Before : ReplacementPart::Kind::After, {}, 0});
            ++i;
        } else if (second >= 0 && first * 10 + second >= 1 && first * 10 + second <= groupCount) {
            group(first * 10 + second);
            i += 2;
        } else if (first >= 1 && first <= groupCount) {
            group(first);
            ++i;
        } else if (next == u'<' && !groupNumbers.isEmpty() && s.indexOf(u'>', i + 2) > 0) {
            const qsizetype end = s.indexOf(u'>', i + 2);
            const int number = groupNumbers.value(s.mid(i + 2, end - i - 2), -1);
            if (number > 0)
                group(number);
            i = end;
        } else {
            text(QStringLiteral("$"));
        }
    }
    return parts;
}

} // namespace pattaro
