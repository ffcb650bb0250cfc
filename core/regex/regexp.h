#pragma once

#include "core/regex/innerliteral.h"
#include "core/regex/regexerror.h"

#include <QString>
#include <QStringView>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace pattaro {

class TextBuilder;

// One match. Offsets and lengths count UTF-16 code units of the searched text.
class Match {
public:
    Match() = default;
    Match(QString subject, qsizetype firstIndex, qsizetype length)
        : m_subject(std::move(subject)), m_firstIndex(firstIndex), m_length(length) {}
    qsizetype FirstIndex() const { return m_firstIndex; }
    qsizetype Length() const { return m_length; }
    QString Value() const { return m_subject.mid(m_firstIndex, m_length); }

private:
    QString m_subject; // shared with the search, not copied
    qsizetype m_firstIndex = 0;
    qsizetype m_length = 0;
};

// The matches of one Execute, in order of position, and, when asked for, the
// capture groups of each.
class MatchCollection {
public:
    struct Span {
        qsizetype firstIndex;
        qsizetype length;
    };
    // Group numbers start at 1; a group that took no part in its match has
    // firstIndex -1. names[n] is group n's name or empty; names[0] unused.
    struct Groups {
        int count = 0;
        std::vector<QString> names;
        // count spans per match, match after match; empty when not kept.
        std::vector<Span> spans;
    };
    MatchCollection() = default;
    MatchCollection(QString subject, std::vector<Span> spans);
    MatchCollection(QString subject, std::vector<Span> spans, Groups groups);
    qsizetype Count() const { return qsizetype(spans().size()); }
    // Zero-based; throws std::out_of_range outside 0 … Count() − 1.
    Match Item(qsizetype index) const;
    const std::vector<Span>& spans() const;
    const QString& Subject() const { return m_subject; }

    // The pattern's capture groups, kept or not.
    int GroupCount() const;
    QString GroupName(int group) const;
    // Whether Group() can answer: the groups were asked for, and there were
    // few enough of them over all matches to keep (RegExp::kMaxKeptGroupSpans).
    bool HasGroups() const;
    // Group 1 … GroupCount() of a match; requires HasGroups().
    Span Group(qsizetype match, int group) const;

private:
    struct Found {
        std::vector<Span> spans;
        Groups groups;
    };
    QString m_subject;
    // Shared by copies, so a list of many matches can be kept in more than
    // one place at no cost; never changed once made.
    std::shared_ptr<const Found> m_found;
    const Found& found() const;
};

// The window's expression engine. Properties follow one shape throughout the
// program: X() reads, X(value) sets. Its one way of failing is to throw
// RegexError, whose code says why.
class RegExp {
public:
    RegExp();
    ~RegExp();
    RegExp(const RegExp&) = delete;
    RegExp& operator=(const RegExp&) = delete;

    QString Pattern() const;
    void Pattern(const QString& pattern);
    bool IgnoreCase() const;
    void IgnoreCase(bool on);
    bool Global() const;
    void Global(bool on);
    bool Multiline() const;
    void Multiline(bool on);

    // How long one Execute, Test or Replace may search before it gives up.
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{750};
    std::chrono::milliseconds TimeLimit() const;
    void TimeLimit(std::chrono::milliseconds limit);
    // The clock the time limit is measured on: monotonic nanoseconds. Tests
    // give a scripted one, so that the limit does not depend on the machine.
    using MonotonicClock = std::int64_t (*)();
    void Clock(MonotonicClock clock);

    // How long a Replace result may grow, in code units: this many (1 GiB of
    // text by default), or kOutputPerInputUnit per unit of the text if that
    // is more. A replace that would pass it gives up.
    static constexpr qsizetype kDefaultOutputLimit = qsizetype(1) << 29;
    static constexpr qsizetype kOutputPerInputUnit = 4;
    qsizetype OutputLimit() const;
    void OutputLimit(qsizetype units);
    // The longest result allowed for a text of that many code units.
    qsizetype ResultLimit(qsizetype textLength) const;

    // Groups::Keep records each match's capture groups too, while they fit
    // in this many spans; past it they are dropped, so a pattern of many
    // groups over many matches cannot take all memory.
    enum class Groups { Drop, Keep };
    static constexpr qsizetype kMaxKeptGroupSpans = qsizetype(1) << 22;

    // All four throw RegexError for an invalid pattern or a search that gave
    // up, also for lack of memory.
    MatchCollection Execute(const QString& text, Groups groups = Groups::Drop);
    // The number of matches Execute would find, in memory that does not grow
    // with it.
    qsizetype Count(const QString& text);
    // The same for a text handed over in pieces, each runs of its lines with
    // the line feeds around them left out, where the pattern's matches stay
    // within lines (MatchesStayWithinLines): the sum over the pieces is then
    // the count over the text. nextPiece fills `piece` and returns true, or
    // returns false after the last. One time limit covers all the pieces.
    qsizetype CountInPieces(const std::function<bool(QString& piece)>& nextPiece);
    bool Test(const QString& text);
    QString Replace(const QString& text, const QString& replacement);
    // The same replace, handed to sink in order and in pieces, for a caller
    // that writes the result away: the engine holds no more than
    // kReplacePieceUnits code units of it at a time. When it throws, the
    // pieces before have gone to sink.
    static constexpr qsizetype kReplacePieceUnits = qsizetype(1) << 16;
    void Replace(const QString& text, const QString& replacement,
                 const std::function<void(QStringView)>& sink);
    // The same, with `open` before and `close` after each match's replacement
    // (a terminal's colour codes); they count towards the result's length.
    struct Marks {
        QStringView open;
        QStringView close;
    };
    void Replace(const QString& text, const QString& replacement, Marks marks,
                 const std::function<void(QStringView)>& sink);

    // Units every match holds, for a caller to look for before searching,
    // even in the text's bytes before they are decoded. Throws RegexError
    // for an invalid pattern.
    RequiredLiteral Required();

private:
    struct Impl;
    std::unique_ptr<Impl> d;

    MatchCollection execute(const QString& text, Groups groups);
    QString replace(const QString& text, const QString& replacement);
    void replaceInto(TextBuilder& out, const QString& text, const QString& replacement, Marks marks = {});
};

} // namespace pattaro
