#pragma once

#include <QtGlobal>
#include <algorithm>

namespace pattaro {

// How far a piece of pattern can look from where an attempt is when it
// starts: at most `length` code units consumed and at most `reach` code units
// examined (an assertion examines one unit beyond what it consumes). -1 in
// either means there is no bound. `canBeEmpty` says whether it can also
// consume nothing at all, and `least` is the fewest units it consumes (kept
// while bounded: a look-behind needs to know whether its length is fixed).
struct Extent {
    qint64 length = 0;
    qint64 reach = 0;
    bool canBeEmpty = true;
    qint64 least = 0;

    static constexpr qint64 kCap = qint64(1) << 20;

    static Extent unbounded() { return {-1, -1}; }
    static Extent unit() { return {1, 1, false, 1}; }
    static Extent peek(qint64 units) { return units < 0 ? unbounded() : Extent{0, units}; }

    bool bounded() const { return length >= 0 && reach >= 0; }
    bool fixed() const { return bounded() && least == length; }

    // This piece followed by `next`.
    Extent then(const Extent& next) const
    {
        Extent e = !bounded() || !next.bounded()
                       ? unbounded()
                       : capped({length + next.length, std::max(reach, length + next.reach), true,
                                 least + next.least});
        e.canBeEmpty = canBeEmpty && next.canBeEmpty;
        return e;
    }

    // Either this piece or `other`.
    Extent orElse(const Extent& other) const
    {
        Extent e = !bounded() || !other.bounded()
                       ? unbounded()
                       : Extent{std::max(length, other.length), std::max(reach, other.reach), true,
                                std::min(least, other.least)};
        e.canBeEmpty = canBeEmpty || other.canBeEmpty;
        return e;
    }

    // From `fewest` up to `most` repetitions; -1 for no upper bound.
    Extent repeated(qint64 fewest, qint64 most) const
    {
        Extent e = upTo(most);
        e.canBeEmpty = fewest == 0 || canBeEmpty;
        e.least = e.bounded() ? fewest * least : 0;
        return e;
    }

private:
    Extent upTo(qint64 times) const
    {
        if (!bounded())
            return unbounded();
        if (times == 0)
            return {};
        if (times < 0)
            return length == 0 ? *this : unbounded();
        if (times > kCap)
            return unbounded();
        return capped({times * length, (times - 1) * length + reach, true, 0});
    }

    static Extent capped(Extent e) { return e.length > kCap || e.reach > kCap ? unbounded() : e; }
};

} // namespace pattaro
