#pragma once

#include "compat/commdlg.h"

namespace pattaro {

// What a caller hears from an open dialog through GCommonDialog::DialogHook.
// Every method has a default, so a sink overrides only what it listens to.
class DialogEventSink {
public:
    virtual ~DialogEventSink() = default;
    virtual void InitDialog(platform::HWND) {}
    virtual void DialogClose() {}
    virtual void FileChange(platform::HWND) {}
    virtual void FolderChange(platform::HWND) {}
    virtual void TypeChange(platform::HWND) {}
    // False keeps the file dialog open.
    virtual bool ConfirmOK() { return true; }
};

} // namespace pattaro
