#pragma once

#include <QString>
#include <optional>

namespace pattaro::platform {

// The process environment and the identity of the user and machine.
class Environment {
public:
    virtual ~Environment() = default;
    // A variable's value, the name matched without regard to case as Windows
    // matches it ("username" finds USERNAME); nullopt when not set.
    virtual std::optional<QString> Value(const QString& name) const = 0;
    // The login name and the machine's host name; empty when unknown.
    virtual QString LoginName() const = 0;
    virtual QString HostName() const = 0;
};

class SystemEnvironment : public Environment {
public:
    std::optional<QString> Value(const QString& name) const override;
    QString LoginName() const override;
    QString HostName() const override;
};

} // namespace pattaro::platform
