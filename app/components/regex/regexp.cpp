#include "app/components/regex/regexp.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace pattaro {

RegexError::RegexError(Kind kind, const QString& message, qsizetype patternOffset)
    : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message),
      m_patternOffset(patternOffset)
{
}

Match MatchCollection::Item(qsizetype index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("match index out of range");
    const Span& s = m_spans[size_t(index)];
    return Match(m_subject, s.firstIndex, s.length);
}

struct RegExp::Impl {
    QString pattern;
    bool ignoreCase = false;
    bool global = false;
    bool multiline = false;
    pcre2_code_16* code = nullptr;
    pcre2_match_data_16* md = nullptr;

    ~Impl() { reset(); }
    void reset()
    {
        pcre2_match_data_free_16(md);
        pcre2_code_free_16(code);
        md = nullptr;
        code = nullptr;
    }
    void compile()
    {
        if (code)
            return;
        uint32_t opts = PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF
            | PCRE2_DOLLAR_ENDONLY | PCRE2_NEVER_UTF | PCRE2_NEVER_BACKSLASH_C;
        if (ignoreCase)
            opts |= PCRE2_CASELESS;
        if (multiline)
            opts |= PCRE2_MULTILINE;
        int err = 0;
        PCRE2_SIZE off = 0;
        code = pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(pattern.utf16()), PCRE2_SIZE(pattern.size()),
                                opts, &err, &off, nullptr);
        if (!code) {
            PCRE2_UCHAR16 buf[256];
            pcre2_get_error_message_16(err, buf, 256);
            throw RegexError(RegexError::Kind::InvalidPattern,
                             QString::fromUtf16(reinterpret_cast<const char16_t*>(buf)), qsizetype(off));
        }
        pcre2_jit_compile_16(code, PCRE2_JIT_COMPLETE);
        md = pcre2_match_data_create_from_pattern_16(code, nullptr);
    }
    // Returns false when there is no further match at or after start.
    bool find(const QString& s, qsizetype start)
    {
        int rc = pcre2_match_16(code, reinterpret_cast<PCRE2_SPTR16>(s.utf16()), PCRE2_SIZE(s.size()),
                                PCRE2_SIZE(start), 0, md, nullptr);
        if (rc == PCRE2_ERROR_NOMATCH)
            return false;
        if (rc < 0)
            throw RegexError(RegexError::Kind::GaveUp, QStringLiteral("The search gave up."));
        return true;
    }
    template <class F> void each(const QString& s, F f)
    {
        compile();
        qsizetype pos = 0;
        while (pos <= s.size() && find(s, pos)) {
            PCRE2_SIZE* ov = pcre2_get_ovector_pointer_16(md);
            f(ov);
            if (!global)
                return;
            pos = ov[1] == ov[0] ? qsizetype(ov[1]) + 1 : qsizetype(ov[1]);
        }
    }
};

RegExp::RegExp() : d(std::make_unique<Impl>()) {}
RegExp::~RegExp() = default;

QString RegExp::Pattern() const { return d->pattern; }
void RegExp::Pattern(const QString& pattern) { d->pattern = pattern; d->reset(); }
bool RegExp::IgnoreCase() const { return d->ignoreCase; }
void RegExp::IgnoreCase(bool on) { d->ignoreCase = on; d->reset(); }
bool RegExp::Global() const { return d->global; }
void RegExp::Global(bool on) { d->global = on; }
bool RegExp::Multiline() const { return d->multiline; }
void RegExp::Multiline(bool on) { d->multiline = on; d->reset(); }

MatchCollection RegExp::Execute(const QString& text)
{
    std::vector<MatchCollection::Span> spans;
    d->each(text, [&](PCRE2_SIZE* ov) {
        spans.push_back({qsizetype(ov[0]), qsizetype(ov[1] - ov[0])});
    });
    return MatchCollection(text, std::move(spans));
}

bool RegExp::Test(const QString& text)
{
    d->compile();
    return d->find(text, 0);
}

QString RegExp::Replace(const QString& text, const QString& replacement)
{
    QString out;
    qsizetype last = 0;
    d->each(text, [&](PCRE2_SIZE* ov) {
        const qsizetype b = qsizetype(ov[0]), e = qsizetype(ov[1]);
        out += QStringView(text).mid(last, b - last);
        for (qsizetype i = 0; i < replacement.size(); ++i) {
            const QChar c = replacement[i];
            if (c != u'$' || i + 1 >= replacement.size()) {
                out += c;
                continue;
            }
            const QChar n = replacement[i + 1];
            if (n == u'$') {
                out += u'$';
                ++i;
            } else if (n == u'&') {
                out += QStringView(text).mid(b, e - b);
                ++i;
            } else if (n == u'`') {
                out += QStringView(text).left(b);
                ++i;
            } else if (n == u'\'') {
                out += QStringView(text).mid(e);
                ++i;
            } else if (n.isDigit() && n.unicode() < 128 && n != u'0') {
                const int g = n.unicode() - '0';
                const uint32_t groups = pcre2_get_ovector_count_16(d->md);
                if (uint32_t(g) < groups) {
                    if (ov[2 * g] != PCRE2_UNSET)
                        out += QStringView(text).mid(qsizetype(ov[2 * g]), qsizetype(ov[2 * g + 1] - ov[2 * g]));
                    ++i;
                } else {
                    out += c;
                }
            } else {
                out += c;
            }
        }
        last = e;
    });
    out += QStringView(text).mid(last);
    return out;
}

} // namespace pattaro
