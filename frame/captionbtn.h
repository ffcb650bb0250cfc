#pragma once

#include <QString>
#include <cstdint>

namespace pattaro {

// One caption button of the title bar; indices 0 close, 1 maximise/restore,
// 2 minimise, -1 none. Measures in pixels of the control's surface.
struct CaptionBtn {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int16_t State = 0; // the look last drawn: 0 normal, -1 highlighted
    QString ToolTip;
    bool Visible = false;
};

} // namespace pattaro
