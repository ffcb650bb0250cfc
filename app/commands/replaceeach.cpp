#include "app/commands/replaceeach.h"

namespace pattaro {

void ReplaceEachMatch(RegExp& engine, const MatchCollection& matches,
                      const QString& replacement, bool onePerLine,
                      const std::function<void(QStringView)>& sink, qsizetype& index)
{
    const qsizetype count = matches.Count();
    for (index = 0; index < count; ++index) {
        sink(engine.Replace(matches.Item(index).Value(), replacement));
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
