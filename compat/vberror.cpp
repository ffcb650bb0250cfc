#include "compat/vberror.h"

#include <new>
#include <stdexcept>

namespace pattaro::platform {

VBError::VBError(int number, const QString& description)
    : m_number(number), m_description(description.isEmpty() ? standardDescription(number) : description)
{
    m_what = QStringLiteral("%1: %2").arg(m_number).arg(m_description).toStdString();
}

QString VBError::standardDescription(int number)
{
    switch (number) {
    case InvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case OutOfMemory: return QStringLiteral("Out of memory");
    case SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case InternalError: return QStringLiteral("Internal error");
    case BadFileNameOrNumber: return QStringLiteral("Bad file name or number");
    case FileNotFound: return QStringLiteral("File not found");
    case DeviceIOError: return QStringLiteral("Device I/O error");
    case DiskFull: return QStringLiteral("Disk full");
    case PermissionDenied: return QStringLiteral("Permission denied");
    case PathFileAccessError: return QStringLiteral("Path/File access error");
    case PathNotFound: return QStringLiteral("Path not found");
    case ObjectNotSet: return QStringLiteral("Object variable or With block variable not set");
    case InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case NoSuchProperty: return QStringLiteral("Object doesn't support this property or method");
    case CantFindDllEntryPoint: return QStringLiteral("Can't find DLL entry point");
    default: return {};
    }
}

VBError VBError::fromStdException(const std::exception& e)
{
    if (auto vb = dynamic_cast<const VBError*>(&e))
        return *vb;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return outOfMemory();
    if (dynamic_cast<const std::out_of_range*>(&e))
        return subscriptOutOfRange();
    if (dynamic_cast<const std::overflow_error*>(&e))
        return overflow();
    if (dynamic_cast<const std::logic_error*>(&e))
        return invalidProcedureCall();
    return VBError(InternalError);
}

VBError VBError::fileNotFound(const QString& name)
{
    const QString base = standardDescription(FileNotFound);
    return VBError(FileNotFound, name.isEmpty() ? base : base + QStringLiteral(": ") + name);
}

VBError VBError::cantFindDllEntryPoint(const QString& entry, const QString& library)
{
    return VBError(CantFindDllEntryPoint,
                   QStringLiteral("Can't find DLL entry point %1 in %2").arg(entry, library));
}

} // namespace pattaro::platform
