#pragma once

#include <QDateTime>

namespace pattaro::platform {

// The local date and time, behind an interface so tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

} // namespace pattaro::platform
