#pragma once

#include "compat/olecolor.h"
#include "compat/rect.h"
#include "frame/captionbtn.h"
#include "frame/gripbox.h"
#include "frame/skinvalues.h"
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
struct FrameState {
    // Design properties, saved with the host form.
    std::int32_t ThemeColor = 0;
    std::int32_t Style = 0;
    std::int32_t BackColorStyle = 0;
    bool MaxButton = false;
    bool MinButton = false;
    bool CloseButton = false;
    bool ChangeAllBackgrounds = false;
    std::int32_t BorderStyle = 0; // a BorderStyleValue
    platform::OleColor CustomBackColor = 0;
    platform::OleColor ColorFrom = 0; // plain
    platform::OleColor ColorTo = 0;   // plain
    std::int16_t IconSize = 0;

    // Run time.
    SkinHost* ParentForm = nullptr;
    QString Caption;
    bool Moveable = false;
    std::int32_t TitleHeight = 0;
    std::int32_t TitleAreaHeight = 0; // TitleHeight, taller in Style 1
    std::int32_t BtnOffsetY = 0;
    std::int32_t TitleRectLeft = 0;
    QImage FormIcon; // null when the form has none
    bool StyleExtraApplied = false;
    platform::OleColor CurColorFrom = 0; // dark working colour
    platform::OleColor CurColorTo = 0;   // light working colour
    QString ColorScheme;
    QString LanguageName;
    std::array<CaptionBtn, kCaptionButtonCount> CaptionBtns{};
    CaptionButton LeftmostBtn = CaptionButton::Close;
    // Both start at the close button rather than none: nothing sets them
    // before the first mouse move, and the hover logic depends on that.
    CaptionButton BtnUnderMouse = CaptionButton::Close;
    CaptionButton HotBtn = CaptionButton::Close;
    bool MouseOnTitle = false;
    std::int16_t LastButton = 0;
    bool MouseInside = false;
    std::int16_t GripPointer = 0;
    bool GripsCreated = false;
    WindowState Window = WindowState::Normal;
    // Twips: left, top, width, height in the left, top, right, bottom slots.
    platform::RECT RestoreRect;
    bool TrackSupported = false;
    bool TrackInUser32 = false;
    // The subclassing state (SubclassTable and the stub's addresses)
    // lives in the control's Subclasser.

    // The resize grips live on the host form; created on the first mouse move.
    QPointer<GripBox> BottomGrip;
    QPointer<GripBox> RightGrip;
    SystemMenu SysMnu;

    CaptionBtn& Button(CaptionButton which) { return CaptionBtns.at(std::size_t(which)); }
    const CaptionBtn& Button(CaptionButton which) const { return CaptionBtns.at(std::size_t(which)); }
};

} // namespace pattaro
