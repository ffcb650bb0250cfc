#include "app/commands/replaceeach.h"

namespace pattaro {

void ReplaceEachMatch(RegExp& engine, const MatchCollection& matches,
                      const QString& replacement, bool onePerLine,
                      const std::function<void(QStringView)>& sink)
{
    const qsizetype count = matches.Count();
    for (qsizetype i = 0; i < count; ++i) {
        sink(engine.Replace(matches.Item(i).Value(), replacement));
        if (onePerLine)
            sink(kItemLineBreak);
    }
}

void AppendEachReplaced(RegExp& engine, const MatchCollection& matches,
                        const QString& replacement, bool onePerLine, QString& out)
{
    ReplaceEachMatch(engine, matches, replacement, onePerLine,
                     [&out](QStringView piece) { out += piece; });
}

} // namespace pattaro
