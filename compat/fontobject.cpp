#include "compat/fontobject.h"

#include <cmath>
#include <stdexcept>

namespace pattaro::platform {

void FontObject::Size(double value)
{
    if (!std::isfinite(value) || value <= 0 || value > 16384)
        throw std::invalid_argument("font size out of range");
    m_size = value;
}

void FontObject::Weight(int value)
{
    if (value < 1 || value > 1000)
        throw std::invalid_argument("font weight out of range");
    m_weight = value;
}

} // namespace pattaro::platform
