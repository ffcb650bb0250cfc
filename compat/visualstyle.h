#pragma once

#include <QString>
#include <cstdint>

namespace pattaro::platform {

// The desktop visual-style queries the skin's automatic theme reads. When
// the visual-style library is missing, every call throws VBError 453 (no
// entry point), which callers that tolerate its absence catch.
class VisualStyle {
public:
    using Handle = std::uintptr_t; // 0 is no handle
    using WindowId = std::uintptr_t;

    virtual ~VisualStyle() = default;
    // Non-zero when visual styles are drawn for the application.
    virtual int IsAppThemed() = 0;
    // 0 when the window has no visual-style data for the class list.
    virtual Handle OpenThemeData(WindowId window, const QString& classList) = 0;
    // Fills the two texts as fixed buffers of the given lengths: the name,
    // then NUL characters up to the length. Returns 0 on success, else an
    // error code with the buffers untouched.
    virtual std::int32_t GetCurrentThemeName(QString& themeFileName, int themeFileChars, QString& colorName,
                                             int colorChars) = 0;
    virtual std::int32_t CloseThemeData(Handle theme) = 0;
};

// Linux desktops have no Windows visual style. The system stand-in answers
// as Windows does with visual styles switched off: the library is there,
// IsAppThemed is 0 and OpenThemeData gives no handle, so the automatic
// theme resolves to the classic look. Always the same on every desktop.
class SystemVisualStyle : public VisualStyle {
public:
    int IsAppThemed() override { return 0; }
    Handle OpenThemeData(WindowId, const QString&) override { return 0; }
    std::int32_t GetCurrentThemeName(QString&, int, QString&, int) override;
    std::int32_t CloseThemeData(Handle) override;
};

// E_INVALIDARG / E_HANDLE style failures of the theme calls.
inline constexpr std::int32_t kE_HANDLE = std::int32_t(0x80070006u);

} // namespace pattaro::platform
