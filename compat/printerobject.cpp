#include "compat/printerobject.h"

#include <stdexcept>

namespace pattaro::platform {

namespace {

void require(bool ok, const char* what)
{
    if (!ok)
        throw std::invalid_argument(what);
}

} // namespace

void PrinterObject::Copies(int value)
{
    require(value >= 1 && value <= 9999, "copies out of range");
    m_copies = value;
}

void PrinterObject::Orientation(int value)
{
    require(value == kPortrait || value == kLandscape, "unknown orientation");
    m_orientation = value;
}

void PrinterObject::PaperSize(int value)
{
    require(value >= 1 && value <= 256, "unknown paper size");
    m_paperSize = value;
}

void PrinterObject::PrintQuality(int value)
{
    require(value >= -4 && value != 0, "unknown print quality");
    m_printQuality = value;
}

} // namespace pattaro::platform
