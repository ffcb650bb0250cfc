// The rich text pane's bookkeeping without the widget: a text shown in a
// document, its lines split across blocks at a small limit, edited through
// document positions the way the pane follows the document's change reports,
// and coloured and emboldened over arbitrary ranges. The offset map must keep
// agreeing with the document, and the formats with a plain per-character
// model.
#include "ui/richtext/charformats.h"
#include "ui/richtext/linebreakmap.h"

#include <QString>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>
#include <optional>
#include <vector>

namespace {

using namespace pattaro;

constexpr char16_t kSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;
constexpr int kMaxTextUnits = 200;
constexpr int kMaxSteps = 64;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// A line or paragraph separator in the text itself also breaks the line.
bool isBreak(QChar c) { return c == u'\r' || c == u'\n' || c == kSeparator || c == kLineSeparator; }
// A line break shows in the document as either separator.
bool isSeparator(QChar c) { return c == kSeparator || c == kLineSeparator; }

// Units that matter to the map and the document: line breaks, places where a
// long line is split (after a space, before an ideograph), the characters the
// document replaces, and halves of surrogate pairs.
QChar pickUnit(FuzzedDataProvider& in)
{
    static constexpr char16_t kUnits[] = {u'a', u'b', u' ', 0x4E2D, u'\r', u'\n', 0, 0xFDD0, 0xD83D, 0xDE00, 0x2028, 0x2029};
    return QChar(in.PickValueInArray(kUnits));
}

QString pickText(FuzzedDataProvider& in, int maxUnits)
{
    QString text;
    const int n = in.ConsumeIntegralInRange(0, maxUnits);
    for (int i = 0; i < n; ++i)
        text += pickUnit(in);
    return text;
}

// Characters as the document hands them back after typing, pasting or an
// undo: a block separator may be a line break or a split.
ShownText pickDocumentChars(FuzzedDataProvider& in)
{
    static constexpr char16_t kChars[] = {u'x', u'y', kSeparator, kLineSeparator, kSeparator};
    ShownText shown;
    const int n = in.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < n; ++i) {
        const size_t pick = in.ConsumeIntegralInRange<size_t>(0, std::size(kChars) - 1);
        if (pick == std::size(kChars) - 1)
            shown.splits.push_back(shown.chars.size());
        else if (pick >= 2)
            shown.pairs.push_back(shown.chars.size());
        shown.chars += QChar(kChars[pick]);
    }
    return shown;
}

struct Cell {
    std::optional<platform::OleColor> color;
    bool bold = false;
    bool operator==(const Cell&) const = default;
};

struct Pane {
    QString text;
    QString document; // only which units are separators is compared
    std::vector<bool> splits; // per document position
    LineBreakMap map;
    CharFormats formats;
    std::vector<Cell> cells;
};

void checkMap(const Pane& pane)
{
    const qsizetype documentSize = pane.document.size();
    require(pane.text.size() - pane.map.pairCount() + pane.map.splitCount() == documentSize);
    for (qsizetype q = 0; q <= documentSize; ++q) {
        const qsizetype t = pane.map.toText(q);
        require(t >= 0 && t <= pane.text.size());
        // Both sides of a split, or of a run of them, are the same offset,
        // which maps to the first split.
        qsizetype first = q;
        while (first > 0 && pane.splits[size_t(first - 1)])
            --first;
        require(pane.map.toDocument(t) == first);
        if (q == documentSize)
            continue;
        if (pane.splits[size_t(q)])
            require(pane.map.toText(q + 1) == t);
        else
            require(isSeparator(pane.document[q]) == isBreak(pane.text[t]));
    }
}

void checkFormats(const Pane& pane, FuzzedDataProvider& in)
{
    require(pane.formats.size() == pane.text.size());
    for (qsizetype i = 0; i < pane.text.size(); ++i) {
        const Cell& cell = pane.cells[size_t(i)];
        require(pane.formats.color(i) == cell.color && pane.formats.bold(i) == cell.bold);
    }
    const qsizetype from = in.ConsumeIntegralInRange<qsizetype>(-2, pane.text.size() + 2);
    const qsizetype to = in.ConsumeIntegralInRange<qsizetype>(-2, pane.text.size() + 2);
    const qsizetype clampedFrom = std::clamp<qsizetype>(from, 0, pane.text.size());
    const qsizetype clampedTo = std::clamp<qsizetype>(to, clampedFrom, pane.text.size());
    // The runs, laid side by side, give back every formatted cell and leave
    // only unformatted ones uncovered; neighbours never share a format.
    std::vector<Cell> covered(size_t(clampedTo - clampedFrom));
    qsizetype previousEnd = -1;
    std::optional<CharFormats::Run> previous;
    for (const CharFormats::Run& run : pane.formats.runs(from, to)) {
        require(run.length > 0 && run.start >= 0 && run.start + run.length <= clampedTo - clampedFrom);
        require(run.start >= previousEnd);
        require(!previous || run.start > previousEnd || run.color != previous->color || run.bold != previous->bold);
        for (qsizetype i = run.start; i < run.start + run.length; ++i)
            covered[size_t(i)] = {run.color, run.bold};
        previousEnd = run.start + run.length;
        previous = run;
    }
    for (qsizetype i = clampedFrom; i < clampedTo; ++i)
        require(covered[size_t(i - clampedFrom)] == pane.cells[size_t(i)]);
}

// A change report from the document: `removed` units at `position` gave way
// to `inserted`.
void edit(Pane& pane, FuzzedDataProvider& in)
{
    const qsizetype position = in.ConsumeIntegralInRange<qsizetype>(0, pane.document.size());
    const qsizetype removed = in.ConsumeIntegralInRange<qsizetype>(0, pane.document.size() - position);
    const ShownText added = pickDocumentChars(in);
    const QString inserted = textOfShown(added);
    const qsizetype textFrom = pane.map.toText(position);
    const qsizetype textTo = pane.map.toText(position + removed);

    pane.document.replace(position, removed, added.chars);
    std::vector<bool> addedSplits(size_t(added.chars.size()), false);
    for (qsizetype split : added.splits)
        addedSplits[size_t(split)] = true;
    pane.splits.erase(pane.splits.begin() + position, pane.splits.begin() + position + removed);
    pane.splits.insert(pane.splits.begin() + position, addedSplits.begin(), addedSplits.end());
    pane.text.replace(textFrom, textTo - textFrom, inserted);
    pane.map.replace(position, position + removed, added);
    pane.formats.replace(textFrom, textTo, inserted.size());
    const Cell inherited = textFrom > 0 ? pane.cells[size_t(textFrom - 1)] : Cell{};
    pane.cells.erase(pane.cells.begin() + textFrom, pane.cells.begin() + textTo);
    pane.cells.insert(pane.cells.begin() + textFrom, size_t(inserted.size()), inherited);
}

void format(Pane& pane, FuzzedDataProvider& in)
{
    const qsizetype from = in.ConsumeIntegralInRange<qsizetype>(-2, pane.text.size() + 2);
    const qsizetype to = in.ConsumeIntegralInRange<qsizetype>(-2, pane.text.size() + 2);
    const qsizetype clampedFrom = std::clamp<qsizetype>(from, 0, pane.text.size());
    const qsizetype clampedTo = std::clamp<qsizetype>(to, clampedFrom, pane.text.size());
    if (in.ConsumeBool()) {
        const platform::OleColor color = in.ConsumeIntegral<platform::OleColor>() & 0xFFFFFFu;
        pane.formats.setColor(from, to, color);
        for (qsizetype i = clampedFrom; i < clampedTo; ++i)
            pane.cells[size_t(i)].color = color;
    } else {
        const bool on = in.ConsumeBool();
        pane.formats.setBold(from, to, on);
        for (qsizetype i = clampedFrom; i < clampedTo; ++i)
            pane.cells[size_t(i)].bold = on;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    Pane pane;
    const qsizetype blockLimit = in.ConsumeIntegralInRange<qsizetype>(1, 40);
    pane.text = pickText(in, kMaxTextUnits);
    const ShownText shown = shownTextOf(pane.text, blockLimit);
    pane.document = shown.chars;
    pane.splits.assign(size_t(shown.chars.size()), false);
    for (qsizetype split : shown.splits)
        pane.splits[size_t(split)] = true;
    pane.map = LineBreakMap(shown);
    pane.formats.reset(pane.text.size());
    pane.cells.assign(size_t(pane.text.size()), Cell{});
    checkMap(pane);

    for (int step = 0; step < kMaxSteps && in.remaining_bytes() > 0; ++step) {
        if (in.ConsumeBool())
            edit(pane, in);
        else
            format(pane, in);
        checkMap(pane);
        checkFormats(pane, in);
    }
    return 0;
}
