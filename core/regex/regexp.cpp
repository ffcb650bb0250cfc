#include "core/regex/regexp.h"

#include "core/regex/replacement.h"
#include "core/regex/search.h"
#include "core/regex/translator.h"

namespace pattaro {

MatchCollection::MatchCollection(QString subject, std::vector<Span> spans)
    : MatchCollection(std::move(subject), std::move(spans), Groups())
{
}

MatchCollection::MatchCollection(QString subject, std::vector<Span> spans, Groups groups)
    : m_subject(std::move(subject))
    , m_found(std::make_shared<const Found>(Found{std::move(spans), std::move(groups)}))
{
}

const MatchCollection::Found& MatchCollection::found() const
{
    static const Found none;
    return m_found ? *m_found : none;
}

const std::vector<MatchCollection::Span>& MatchCollection::spans() const
{
    return found().spans;
}

Match MatchCollection::Item(qsizetype index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("match index out of range");
    const Span& s = spans()[size_t(index)];
    return Match(m_subject, s.firstIndex, s.length);
}

int MatchCollection::GroupCount() const
{
    return found().groups.count;
}

QString MatchCollection::GroupName(int group) const
{
    const std::vector<QString>& names = found().groups.names;
    return group > 0 && size_t(group) < names.size() ? names[size_t(group)] : QString();
}

bool MatchCollection::HasGroups() const
{
    const Found& f = found();
    return f.groups.spans.size() == f.spans.size() * size_t(f.groups.count);
}

MatchCollection::Span MatchCollection::Group(qsizetype match, int group) const
{
    if (!HasGroups() || match < 0 || match >= Count() || group < 1 || group > GroupCount())
        throw std::out_of_range("group index out of range");
    return found().groups.spans[size_t(match) * size_t(GroupCount()) + size_t(group - 1)];
}

struct RegExp::Impl {
    QString pattern;
    bool ignoreCase = false;
    bool global = false;
    bool multiline = false;
    std::chrono::milliseconds timeLimit = RegExp::kDefaultTimeLimit;
    RegExp::MonotonicClock clock = MonotonicNanoseconds;
    qsizetype outputLimit = RegExp::kDefaultOutputLimit;
    // Kept until Pattern, IgnoreCase or Multiline change.
    std::unique_ptr<CompiledPattern> compiled;

    CompiledPattern& code()
    {
        if (!compiled)
            compiled = std::make_unique<CompiledPattern>(translatePattern(pattern, ignoreCase, multiline));
        return *compiled;
    }

    // Calls f(offsets) for the first match, or for every match when Global,
    // moving one code unit on after an empty match.
    template <class F> void forEachMatch(const QString& text, F f) { forEachMatch(text, timeLimit, f); }
    template <class F> void forEachMatch(const QString& text, std::chrono::milliseconds budget, F f)
    {
        Searcher searcher(code(), text, budget, clock);
        qsizetype from = 0;
        while (searcher.next(from)) {
            const size_t* offsets = searcher.offsets();
            f(offsets);
            if (!global)
                return;
            from = qsizetype(offsets[1]) + (offsets[1] == offsets[0] ? 1 : 0);
        }
    }
};

RegExp::RegExp() : d(std::make_unique<Impl>()) {}
RegExp::~RegExp() = default;

QString RegExp::Pattern() const { return d->pattern; }

void RegExp::Pattern(const QString& pattern)
{
    if (pattern == d->pattern)
        return;
    d->pattern = pattern;
    d->compiled.reset();
}

bool RegExp::IgnoreCase() const { return d->ignoreCase; }

void RegExp::IgnoreCase(bool on)
{
    if (on == d->ignoreCase)
        return;
    d->ignoreCase = on;
    d->compiled.reset();
}

bool RegExp::Global() const { return d->global; }
void RegExp::Global(bool on) { d->global = on; }
bool RegExp::Multiline() const { return d->multiline; }

void RegExp::Multiline(bool on)
{
    if (on == d->multiline)
        return;
    d->multiline = on;
    d->compiled.reset();
}

std::chrono::milliseconds RegExp::TimeLimit() const { return d->timeLimit; }
void RegExp::TimeLimit(std::chrono::milliseconds limit) { d->timeLimit = limit; }
void RegExp::Clock(MonotonicClock clock) { d->clock = clock; }
qsizetype RegExp::OutputLimit() const { return d->outputLimit; }
void RegExp::OutputLimit(qsizetype units) { d->outputLimit = units; }

namespace {

// Runs one call, so that running out of memory ends it like any other
// search that cannot finish, rather than ending the program.
template <class F> auto memoryGuarded(F f)
{
    try {
        return f();
    } catch (const std::bad_alloc&) {
        throw RegexError(RegexErrorCode::OutOfMemory);
    }
}

} // namespace

MatchCollection RegExp::Execute(const QString& text, Groups groups)
{
    return memoryGuarded([&] { return execute(text, groups); });
}

qsizetype RegExp::Count(const QString& text)
{
    return memoryGuarded([&] {
        qsizetype count = 0;
        d->forEachMatch(text, [&count](const size_t*) { ++count; });
        return count;
    });
}

qsizetype RegExp::CountInPieces(const std::function<bool(QString& piece)>& nextPiece)
{
    return memoryGuarded([&] {
        const std::int64_t start = d->clock();
        qsizetype count = 0;
        QString piece;
        while (nextPiece(piece)) {
            const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::nanoseconds(d->clock() - start));
            // A piece's search looks at the clock only once it has much to do.
            if (spent > d->timeLimit)
                throw RegexError(RegexErrorCode::TookTooLong);
            d->forEachMatch(piece, d->timeLimit - spent, [&count](const size_t*) { ++count; });
        }
        return count;
    });
}

RequiredLiteral RegExp::Required()
{
    return memoryGuarded([&] { return d->code().translation().requiredLiteral; });
}

bool RegExp::Test(const QString& text)
{
    return memoryGuarded([&] {
        Searcher searcher(d->code(), text, d->timeLimit, d->clock);
        return searcher.next(0);
    });
}

QString RegExp::Replace(const QString& text, const QString& replacement)
{
    return memoryGuarded([&] { return replace(text, replacement); });
}

MatchCollection RegExp::execute(const QString& text, Groups groups)
{
    std::vector<MatchCollection::Span> spans;
    // Growing from nothing copies the spans over and over and touches twice
    // the memory; room for one match in 32 units covers most texts at once,
    // and pages never written cost nothing.
    spans.reserve(d->global ? size_t(text.size() / 32) + 1 : 1);
    const Translation& translation = d->code().translation();
    MatchCollection::Groups kept;
    kept.count = translation.groupCount;
    bool keeping = groups == Groups::Keep && kept.count > 0;
    if (keeping) {
        kept.names.resize(size_t(kept.count) + 1);
        for (auto it = translation.groupNames.cbegin(); it != translation.groupNames.cend(); ++it)
            kept.names[size_t(it.value())] = it.key();
    }
    const auto unset = size_t(-1);
    d->forEachMatch(text, [&](const size_t* offsets) {
        spans.push_back({qsizetype(offsets[0]), qsizetype(offsets[1] - offsets[0])});
        if (!keeping)
            return;
        if (qsizetype(kept.spans.size()) + kept.count > kMaxKeptGroupSpans) {
            keeping = false;
            kept.spans = {};
            return;
        }
        for (int group = 1; group <= kept.count; ++group) {
            const size_t start = offsets[2 * group];
            const size_t end = offsets[2 * group + 1];
            kept.spans.push_back(start == unset ? MatchCollection::Span{-1, 0}
                                                : MatchCollection::Span{qsizetype(start), qsizetype(end - start)});
        }
    });
    return MatchCollection(text, std::move(spans), std::move(kept));
}

qsizetype RegExp::ResultLimit(qsizetype textLength) const
{
    return std::max(d->outputLimit, textLength * kOutputPerInputUnit);
}

void RegExp::Replace(const QString& text, const QString& replacement,
                     const std::function<void(QStringView)>& sink)
{
    Replace(text, replacement, Marks{}, sink);
}

void RegExp::Replace(const QString& text, const QString& replacement, Marks marks,
                     const std::function<void(QStringView)>& sink)
{
    memoryGuarded([&] {
        TextBuilder out(kReplacePieceUnits, ResultLimit(text.size()), sink);
        replaceInto(out, text, replacement, marks);
        out.flush();
    });
}

QString RegExp::replace(const QString& text, const QString& replacement)
{
    TextBuilder out(text.size(), ResultLimit(text.size()));
    replaceInto(out, text, replacement);
    return out.take();
}

void RegExp::replaceInto(TextBuilder& out, const QString& text, const QString& replacement, Marks marks)
{
    CompiledPattern& code = d->code();
    const ReplacementTemplate tmpl(replacement, code.translation().groupCount, code.translation().groupNames);
    qsizetype kept = 0;
    try {
        const bool marked = !marks.open.isEmpty() || !marks.close.isEmpty();
        d->forEachMatch(text, [&](const size_t* offsets) {
            out.append(QStringView(text.constData() + kept, qsizetype(offsets[0]) - kept));
            if (marked) {
                out.append(marks.open);
                tmpl.expand(out, text, offsets);
                out.append(marks.close);
            } else {
                tmpl.expand(out, text, offsets);
            }
            kept = qsizetype(offsets[1]);
        });
        out.append(QStringView(text).mid(kept));
    } catch (const std::length_error&) {
        throw RegexError(RegexErrorCode::ReplaceResultTooLong, -1, {.limit = ResultLimit(text.size())});
    }
}

} // namespace pattaro
