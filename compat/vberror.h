#pragma once

#include <QString>
#include <exception>
#include <string>

namespace pattaro::platform {

// A run-time failure as the skin control's error handling sees it: a number
// and a description, with the numbers and English descriptions the Visual
// Basic runtime uses for the same failure, so error-log records read the
// same as they always have.
class VBError : public std::exception {
public:
    enum Code {
        InvalidProcedureCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InternalError = 51,
        BadFileNameOrNumber = 52,
        FileNotFound = 53,
        DeviceIOError = 57,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        ObjectNotSet = 91,
        InvalidPropertyValue = 380,
        NoSuchProperty = 438,
        CantFindDllEntryPoint = 453,
    };

    // An empty description takes the runtime's standard one for the number.
    explicit VBError(int number, const QString& description = {});

    int Number() const { return m_number; }
    const QString& Description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

    // The runtime's English description of a number; empty for numbers it
    // has none for.
    static QString standardDescription(int number);

    // A library failure in the runtime's terms: bad_alloc is out of memory,
    // out_of_range a bad subscript, overflow_error an overflow, the other
    // logic errors an invalid call; anything else an internal error.
    static VBError fromStdException(const std::exception& e);

    static VBError invalidProcedureCall() { return VBError(InvalidProcedureCall); }
    static VBError overflow() { return VBError(Overflow); }
    static VBError outOfMemory() { return VBError(OutOfMemory); }
    static VBError subscriptOutOfRange() { return VBError(SubscriptOutOfRange); }
    static VBError divisionByZero() { return VBError(DivisionByZero); }
    static VBError typeMismatch() { return VBError(TypeMismatch); }
    static VBError objectNotSet() { return VBError(ObjectNotSet); }
    static VBError invalidPropertyValue() { return VBError(InvalidPropertyValue); }
    static VBError noSuchProperty() { return VBError(NoSuchProperty); }
    static VBError fileNotFound(const QString& name = {});
    static VBError cantFindDllEntryPoint(const QString& entry, const QString& library);

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

} // namespace pattaro::platform
