#pragma once

#include "compat/modules.h"
#include "compat/windowmessages.h"
#include "frame/subclassstub.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace pattaro {

class ErrorLog;

// When the skin control sees a message: after the previous procedure, before
// it, or both.
enum eMsgWhen : std::int32_t {
    MSG_AFTER = 1,
    MSG_BEFORE = 2,
    MSG_BEFORE_AND_AFTER = 3,
};
// As a message number: every message.
inline constexpr std::int32_t ALL_MESSAGES = -1;

// One subclassed window. Free while Window is 0; Stub and PrevProc keep the
// last window's values until the record is taken again.
struct SubclassRecord {
    platform::HWND Window = 0;
    // The stub lives as long as a window procedure holds it.
    std::weak_ptr<SubclassStub> Stub;
    platform::WindowMessages::Procedure PrevProc;
    std::int32_t AfterCount = 0;  // -1: every message
    std::int32_t BeforeCount = 0; // -1: every message
    // Slot n at [n - 1]; a slot holding 0 was freed by a removal.
    std::vector<std::int32_t> AfterMsgs;
    std::vector<std::int32_t> BeforeMsgs;
};

// The skin control's window subclassing: puts a stub in front of a window's
// procedure and hands the messages it was asked for to the callback, before
// or after the previous procedure. Starting the same window twice chains a
// second stub in front of the first; such starts are stopped in reverse
// order. Failures are reported through the log under the routine's name and
// end that routine.
class Subclasser {
public:
    // The log, messages and modules must outlive the subclasser.
    Subclasser(ErrorLog& errorLog, platform::WindowMessages& windowMessages, const platform::Modules& modules,
               SubclassCallback zSubclass_Proc);
    Subclasser(const Subclasser&) = delete;
    Subclasser& operator=(const Subclasser&) = delete;
    // Gives every window still subclassed its previous procedure back.
    ~Subclasser();

    // The window's record index; no message reaches the callback until
    // Subclass_AddMsg. -1 when it fails.
    std::int32_t Subclass_Start(platform::HWND lng_hWnd);
    void Subclass_Stop(platform::HWND lng_hWnd);
    // uMsg ALL_MESSAGES: every message; When: an eMsgWhen mask.
    void Subclass_AddMsg(platform::HWND lng_hWnd, std::int32_t uMsg, std::int32_t When);
    void Subclass_DelMsg(platform::HWND lng_hWnd, std::int32_t uMsg, std::int32_t When);
    void Subclass_ReleaseAll();

    // Asks for one WM_MOUSELEAVE, through the user library or the common
    // controls' copy, when the desktop tracks the mouse at all.
    void TrackMouseLeave(platform::HWND lng_hWnd, bool trackSupported, bool trackInUser32);

    // Empty until the first start; afterwards it only grows.
    const std::deque<SubclassRecord>& SubclassTable() const { return m_SubclassTable; }
    platform::Modules::Address AddrCallWindowProc() const { return m_AddrCallWindowProc; }
    platform::Modules::Address AddrSetWindowLong() const { return m_AddrSetWindowLong; }
    // No development environment hosts this build, so no stub asks whether
    // one has stopped the program.
    static constexpr platform::Modules::Address m_AddrEbMode = 0;

private:
    using ThunkCode = decltype(&RunSubclassStub);

    void zAddMsg(std::int32_t uMsg, std::vector<std::int32_t>& aMsgTbl, std::int32_t& nMsgCnt, eMsgWhen When,
                 const std::weak_ptr<SubclassStub>& stub);
    void zDelMsg(std::int32_t uMsg, std::vector<std::int32_t>& aMsgTbl, std::int32_t& nMsgCnt, eMsgWhen When,
                 const std::weak_ptr<SubclassStub>& stub);
    std::int32_t zIdx(platform::HWND lng_hWnd, bool bAdd);
    SubclassRecord& recordAt(std::int32_t index);
    platform::WindowMessages::Procedure stubProcedure(const std::shared_ptr<SubclassStub>& stub) const;

    ErrorLog& m_errorLog;
    platform::WindowMessages& m_windowMessages;
    const platform::Modules& m_modules;
    std::shared_ptr<const SubclassCallback> m_zSubclass_Proc;

    // A deque, so that records stay in place as the table grows: stubs read
    // their record's message lists where they are.
    std::deque<SubclassRecord> m_SubclassTable;
    ThunkCode m_ThunkCode = nullptr;
    platform::Modules::Address m_AddrCallWindowProc = 0;
    platform::Modules::Address m_AddrSetWindowLong = 0;
};

} // namespace pattaro
