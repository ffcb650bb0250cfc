#pragma once

#include "compat/olecolor.h"
#include "compat/rect.h"
#include "frame/captionbtn.h"
#include "frame/gripbox.h"
#include "frame/skinhost.h"
#include "frame/systemmenu.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

namespace pattaro {

// The skin control's whole state in one record. Pixels unless noted;
// colours are 0x00BBGGRR values (a set high bit is a system colour index).
// Everything starts at zero; creation or loading gives the real values.
struct SkinState {
    // Design properties, saved with the host form.
    std::int32_t m_ThemeColor = 0;
    std::int32_t m_Style = 0;
    std::int32_t m_BackColorStyle = 0;
    bool m_MaxButton = false;
    bool m_MinButton = false;
    bool m_CloseButton = false;
    bool m_ChangeAllBackgrounds = false;
    std::int32_t m_BorderStyle = 0; // 1: the grips resize the window
    platform::OleColor m_CustomBackColor = 0;
    platform::OleColor m_ColorFrom = 0; // plain
    platform::OleColor m_ColorTo = 0;   // plain
    std::int16_t m_IconSize = 0;

    // Run time.
    SkinHost* m_ParentForm = nullptr;
    QString m_Caption;
    bool m_Moveable = false;
    std::int32_t m_TitleHeight = 0;
    std::int32_t m_TitleAreaHeight = 0; // m_TitleHeight, plus 10 in Style 1
    std::int32_t m_BtnOffsetY = 0;
    std::int32_t m_TitleRectLeft = 0;
    QImage m_FormIcon; // null when the form has none
    bool m_StyleExtraApplied = false;
    platform::OleColor m_CurColorFrom = 0; // dark working colour
    platform::OleColor m_CurColorTo = 0;   // light working colour
    QString m_ColorScheme;
    QString m_LanguageName;
    std::array<CaptionBtn, 3> m_CaptionBtns{};
    std::int16_t m_LeftmostBtn = 0;
    // Both start at 0 rather than -1 (none): nothing sets them before the
    // first mouse move, and the hover logic depends on that.
    std::int16_t m_BtnUnderMouse = 0;
    std::int16_t m_HotBtn = 0;
    bool m_MouseOnTitle = false;
    std::int16_t m_LastButton = 0;
    bool m_MouseInside = false;
    std::int16_t m_GripPointer = 0;
    bool m_GripsCreated = false;
    std::int16_t m_WindowState = 0; // 0 normal, 2 maximised by the control
    // Twips: left, top, width, height in the left, top, right, bottom slots.
    platform::RECT m_RestoreRect;
    bool m_TrackSupported = false;
    bool m_TrackInUser32 = false;
    // The subclassing state (m_SubclassTable and the stub's addresses)
    // lives in the control's Subclasser.

    // The resize grips live on the host form; created on the first mouse move.
    QPointer<GripBox> m_picBottom;
    QPointer<GripBox> m_picRight;
    SystemMenu SysMnu;
};

} // namespace pattaro
