#pragma once

#include <QtGlobal>
#include <algorithm>

namespace pattaro {

// How far a piece of pattern can look from where an attempt is when it
// starts: at most `length` code units consumed and at most `reach` code units
// examined (an assertion examines one unit beyond what it consumes). -1 in
// either means there is no bound.
struct Extent {
    qint64 length = 0;
    qint64 reach = 0;

    static constexpr qint64 kCap = qint64(1) << 20;

    static Extent unbounded() { return {-1, -1}; }
    static Extent unit() { return {1, 1}; }
    static Extent peek(qint64 units) { return units < 0 ? unbounded() : Extent{0, units}; }

    bool bounded() const { return length >= 0 && reach >= 0; }

    // This piece followed by `next`.
    Extent then(const Extent& next) const
    {
        if (!bounded() || !next.bounded())
            return unbounded();
        return capped({length + next.length, std::max(reach, length + next.reach)});
    }

    // Either this piece or `other`.
    Extent orElse(const Extent& other) const
    {
        if (!bounded() || !other.bounded())
            return unbounded();
        return {std::max(length, other.length), std::max(reach, other.reach)};
    }

    // Up to `times` repetitions; -1 for no upper bound.
    Extent repeated(qint64 times) const
    {
        if (!bounded())
            return unbounded();
        if (times == 0)
            return {};
        if (times < 0)
            return length == 0 ? *this : unbounded();
        if (times > kCap)
            return unbounded();
        return capped({times * length, (times - 1) * length + reach});
    }

private:
    static Extent capped(Extent e) { return e.length > kCap || e.reach > kCap ? unbounded() : e; }
};

} // namespace pattaro
