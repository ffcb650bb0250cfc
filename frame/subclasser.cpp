#include "frame/subclasser.h"

#include "compat/vberror.h"
#include "frame/errorlog.h"
#include "frame/errortrap.h"
#include "frame/modulequeries.h"

namespace pattaro {

namespace {

// A message list is indexed from 1, so it has no size below one slot.
void enlarge(std::vector<std::int32_t>& list, std::int32_t upperBound)
{
    if (upperBound < 1)
        throw platform::VBError::subscriptOutOfRange();
    list.resize(std::size_t(upperBound));
}

void writeCount(SubclassStub& stub, eMsgWhen When, std::int32_t count)
{
    (When == MSG_BEFORE ? stub.BeforeCount : stub.AfterCount) = count;
}

void writeList(SubclassStub& stub, eMsgWhen When, const std::vector<std::int32_t>& list, std::int32_t count)
{
    (When == MSG_BEFORE ? stub.BeforeMsgs : stub.AfterMsgs) = &list;
    writeCount(stub, When, count);
}

} // namespace

Subclasser::Subclasser(ErrorLog& errorLog, platform::WindowMessages& windowMessages,
                       const platform::Modules& modules, SubclassCallback zSubclass_Proc)
    : m_errorLog(errorLog)
    , m_windowMessages(windowMessages)
    , m_modules(modules)
    , m_zSubclass_Proc(std::make_shared<const SubclassCallback>(std::move(zSubclass_Proc)))
{
}

Subclasser::~Subclasser()
{
    Subclass_ReleaseAll();
}

std::int32_t Subclasser::Subclass_Start(platform::HWND lng_hWnd)
{
    std::int32_t started = -1;
    TrapErrors(m_errorLog, "Subclass_Start", [&] {
        std::int32_t index;
        if (!m_ThunkCode) {
            m_ThunkCode = &RunSubclassStub;
            m_AddrCallWindowProc = zAddrFunc(m_errorLog, m_modules, QStringLiteral("user32"),
                                             QStringLiteral("CallWindowProcA"));
            m_AddrSetWindowLong = zAddrFunc(m_errorLog, m_modules, QStringLiteral("user32"),
                                            QStringLiteral("SetWindowLongA"));
            m_SubclassTable.resize(1);
            index = 0;
        } else {
            index = zIdx(lng_hWnd, true);
            if (index == -1) {
                m_SubclassTable.emplace_back();
                index = std::int32_t(m_SubclassTable.size()) - 1;
            }
        }
        SubclassRecord& record = m_SubclassTable[std::size_t(index)];
        record.Window = lng_hWnd;
        const auto stub = std::make_shared<SubclassStub>();
        stub->zSubclass_Proc = m_zSubclass_Proc;
        record.Stub = stub;
        record.PrevProc = m_windowMessages.SetWindowProc(lng_hWnd, stubProcedure(stub));
        stub->PrevProc = record.PrevProc;
        record.AfterCount = 0;
        record.BeforeCount = 0;
        record.AfterMsgs.clear();
        record.BeforeMsgs.clear();
        started = index;
    });
    return started;
}

void Subclasser::Subclass_Stop(platform::HWND lng_hWnd)
{
    TrapErrors(m_errorLog, "Subclass_Stop", [&] {
        SubclassRecord& record = recordAt(zIdx(lng_hWnd, false));
        const auto stub = record.Stub.lock();
        m_windowMessages.SetWindowProc(record.Window, record.PrevProc);
        // The stub may still be running this message, or be chained under a
        // later one; from now on it only passes messages on. It is freed with
        // the last procedure that holds it.
        if (stub) {
            stub->BeforeCount = 0;
            stub->AfterCount = 0;
        }
        record.Window = 0;
        record.AfterCount = 0;
        record.BeforeCount = 0;
        record.AfterMsgs.clear();
        record.BeforeMsgs.clear();
    });
}

void Subclasser::Subclass_AddMsg(platform::HWND lng_hWnd, std::int32_t uMsg, std::int32_t When)
{
    TrapErrors(m_errorLog, "Subclass_AddMsg", [&] {
        SubclassRecord& record = recordAt(zIdx(lng_hWnd, false));
        if (When & MSG_BEFORE)
            zAddMsg(uMsg, record.BeforeMsgs, record.BeforeCount, MSG_BEFORE, record.Stub);
        if (When & MSG_AFTER)
            zAddMsg(uMsg, record.AfterMsgs, record.AfterCount, MSG_AFTER, record.Stub);
    });
}

void Subclasser::Subclass_DelMsg(platform::HWND lng_hWnd, std::int32_t uMsg, std::int32_t When)
{
    TrapErrors(m_errorLog, "Subclass_DelMsg", [&] {
        SubclassRecord& record = recordAt(zIdx(lng_hWnd, false));
        if (When & MSG_BEFORE)
            zDelMsg(uMsg, record.BeforeMsgs, record.BeforeCount, MSG_BEFORE, record.Stub);
        if (When & MSG_AFTER)
            zDelMsg(uMsg, record.AfterMsgs, record.AfterCount, MSG_AFTER, record.Stub);
    });
}

void Subclasser::Subclass_ReleaseAll()
{
    for (auto index = std::int32_t(m_SubclassTable.size()) - 1; index >= 0; --index)
        if (m_SubclassTable[std::size_t(index)].Window != 0)
            Subclass_Stop(m_SubclassTable[std::size_t(index)].Window);
}

void Subclasser::TrackMouseLeave(platform::HWND lng_hWnd, bool trackSupported, bool trackInUser32)
{
    TrapErrors(m_errorLog, "TrackMouseLeave", [&] {
        if (!trackSupported)
            return;
        platform::TRACKMOUSEEVENT tme;
        tme.cbSize = platform::kTrackMouseEventSize;
        tme.dwFlags = platform::TME_LEAVE;
        tme.hwndTrack = lng_hWnd;
        tme.dwHoverTime = 0;
        if (trackInUser32)
            m_windowMessages.TrackMouseEvent(tme);
        else
            m_windowMessages.TrackMouseEventComctl32(tme);
    });
}

void Subclasser::zAddMsg(std::int32_t uMsg, std::vector<std::int32_t>& aMsgTbl, std::int32_t& nMsgCnt,
                         eMsgWhen When, const std::weak_ptr<SubclassStub>& stub)
{
    TrapErrors(m_errorLog, "zAddMsg", [&] {
        if (uMsg == ALL_MESSAGES) {
            nMsgCnt = ALL_MESSAGES;
            if (const auto code = stub.lock())
                writeCount(*code, When, nMsgCnt);
            return;
        }
        for (std::int32_t slot = 0; slot < nMsgCnt; ++slot) {
            if (aMsgTbl[std::size_t(slot)] == 0) {
                aMsgTbl[std::size_t(slot)] = uMsg;
                return;
            }
            if (aMsgTbl[std::size_t(slot)] == uMsg)
                return;
        }
        nMsgCnt = nMsgCnt + 1;
        enlarge(aMsgTbl, nMsgCnt);
        aMsgTbl[std::size_t(nMsgCnt) - 1] = uMsg;
        if (const auto code = stub.lock())
            writeList(*code, When, aMsgTbl, nMsgCnt);
    });
}

void Subclasser::zDelMsg(std::int32_t uMsg, std::vector<std::int32_t>& aMsgTbl, std::int32_t& nMsgCnt,
                         eMsgWhen When, const std::weak_ptr<SubclassStub>& stub)
{
    TrapErrors(m_errorLog, "zDelMsg", [&] {
        if (uMsg == ALL_MESSAGES) {
            nMsgCnt = 0;
            if (const auto code = stub.lock())
                writeCount(*code, When, 0);
            return;
        }
        for (std::int32_t slot = 0; slot < nMsgCnt; ++slot) {
            if (aMsgTbl[std::size_t(slot)] == uMsg) {
                aMsgTbl[std::size_t(slot)] = 0;
                return;
            }
        }
    });
}

std::int32_t Subclasser::zIdx(platform::HWND lng_hWnd, bool bAdd)
{
    std::int32_t found = -1;
    TrapErrors(m_errorLog, "zIdx", [&] {
        // There is no table to search before the first start.
        if (m_SubclassTable.empty())
            throw platform::VBError::subscriptOutOfRange();
        for (auto index = std::int32_t(m_SubclassTable.size()) - 1; index >= 0; --index) {
            const platform::HWND window = m_SubclassTable[std::size_t(index)].Window;
            if (bAdd ? window == 0 : window == lng_hWnd) {
                found = index;
                return;
            }
        }
        if (!bAdd)
            m_errorLog.LogError(true, QStringLiteral("0"), QStringLiteral("hWnd 不存在, 程序出错"),
                                QString::fromLatin1(kSkinModuleName), QStringLiteral("zIdx"));
    });
    return found;
}

SubclassRecord& Subclasser::recordAt(std::int32_t index)
{
    if (index < 0 || std::size_t(index) >= m_SubclassTable.size())
        throw platform::VBError::subscriptOutOfRange();
    return m_SubclassTable[std::size_t(index)];
}

platform::WindowMessages::Procedure Subclasser::stubProcedure(const std::shared_ptr<SubclassStub>& stub) const
{
    return [code = m_ThunkCode, stub](platform::HWND hWnd, std::int32_t uMsg, std::int32_t wParam,
                                      std::int32_t lParam,
                                      const platform::WindowMessages::WindowDefault& windowDefault) {
        return code(*stub, hWnd, uMsg, wParam, lParam, windowDefault);
    };
}

} // namespace pattaro
