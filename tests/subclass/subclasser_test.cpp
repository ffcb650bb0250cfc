#include "frame/subclasser.h"
#include "tests/subclass/logged_test.h"
#include "tests/subclass/scripted_windowmessages.h"

#include <stdexcept>

using namespace pattaro;
using namespace pattaro::testing;
using platform::HWND;
using Msgs = std::vector<std::int32_t>;

namespace {

constexpr HWND kForm = 0x1000, kSkin = 0x2000, kOther = 0x3000;
constexpr std::int32_t kMove = platform::WM_MOUSEMOVE, kLeave = platform::WM_MOUSELEAVE,
                       kCursor = platform::WM_SETCURSOR;
constexpr std::int32_t kDefaultResult = 40;

struct Message {
    std::int32_t uMsg, wParam, lParam;
    friend bool operator==(const Message&, const Message&) = default;
};
struct Call {
    bool before;
    Message message;
    friend bool operator==(const Call&, const Call&) = default;
};

class SubclasserTest : public LoggedTest {
protected:
    // What the window's own handling received, and what reached the callback.
    std::vector<Message> defaults;
    std::vector<Call> calls;
    // What the test adds to the callback.
    SubclassCallback onCall;

    std::int32_t send(HWND hWnd, std::int32_t uMsg, std::int32_t wParam = 0, std::int32_t lParam = 0)
    {
        return messages.Send(hWnd, uMsg, wParam, lParam, [this](HWND, std::int32_t m, std::int32_t w, std::int32_t l) {
            defaults.push_back({m, w, l});
            return kDefaultResult;
        });
    }
    const SubclassRecord& record(std::size_t index) const { return subclasser.SubclassTable().at(index); }
    std::vector<HWND> windows() const
    {
        std::vector<HWND> out;
        for (const SubclassRecord& r : subclasser.SubclassTable())
            out.push_back(r.Window);
        return out;
    }

    ScriptedWindowMessages messages;
    platform::Modules modules = platform::Modules::system();
    Subclasser subclasser{log, messages, modules,
                          [this](bool before, bool& handled, std::int32_t& lReturn, HWND& hWnd, std::int32_t& uMsg,
                                 std::int32_t& wParam, std::int32_t& lParam) {
                              calls.push_back({before, {uMsg, wParam, lParam}});
                              if (onCall)
                                  onCall(before, handled, lReturn, hWnd, uMsg, wParam, lParam);
                          }};
};

} // namespace

TEST_F(SubclasserTest, TheFirstStartCreatesTheTableWithOneSilentRecord)
{
    EXPECT_TRUE(subclasser.SubclassTable().empty());
    EXPECT_EQ(subclasser.Subclass_Start(kSkin), 0);
    ASSERT_EQ(windows(), std::vector<HWND>{kSkin});
    EXPECT_EQ(record(0).BeforeCount, 0);
    EXPECT_EQ(record(0).AfterCount, 0);
    EXPECT_NE(subclasser.AddrCallWindowProc(), 0u);
    EXPECT_NE(subclasser.AddrSetWindowLong(), 0u);

    EXPECT_EQ(send(kSkin, kMove, 1, 2), kDefaultResult);
    EXPECT_TRUE(calls.empty()) << "nothing reaches the callback before a message is added";
    EXPECT_EQ(defaults, (std::vector<Message>{{kMove, 1, 2}}));
    EXPECT_TRUE(reports().empty());
}

TEST_F(SubclasserTest, FreedRecordsAreTakenHighestFirstBeforeTheTableGrows)
{
    for (HWND w : {kForm, kSkin, kOther})
        subclasser.Subclass_Start(w);
    subclasser.Subclass_Stop(kForm);
    subclasser.Subclass_Stop(kSkin);
    EXPECT_EQ(windows(), (std::vector<HWND>{0, 0, kOther})) << "stopping never shrinks the table";

    EXPECT_EQ(subclasser.Subclass_Start(0x4000), 1);
    EXPECT_EQ(subclasser.Subclass_Start(0x5000), 0);
    EXPECT_EQ(subclasser.Subclass_Start(0x6000), 3);
    EXPECT_EQ(windows(), (std::vector<HWND>{0x5000, 0x4000, kOther, 0x6000}));
    EXPECT_TRUE(reports().empty());
}

TEST_F(SubclasserTest, MessageListsKeepOneEntryPerMessageAndReuseFreedSlots)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_AFTER);
    subclasser.Subclass_AddMsg(kSkin, kLeave, MSG_AFTER);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_AFTER);
    EXPECT_EQ(record(0).AfterMsgs, (Msgs{kMove, kLeave}));

    subclasser.Subclass_DelMsg(kSkin, kMove, MSG_AFTER);
    EXPECT_EQ(record(0).AfterMsgs, (Msgs{0, kLeave}));
    EXPECT_EQ(record(0).AfterCount, 2) << "a removal leaves a free slot";
    send(kSkin, kMove);
    EXPECT_TRUE(calls.empty());

    subclasser.Subclass_AddMsg(kSkin, kCursor, MSG_AFTER);
    EXPECT_EQ(record(0).AfterMsgs, (Msgs{kCursor, kLeave}));
    send(kSkin, kCursor);
    send(kSkin, kLeave);
    EXPECT_EQ(calls, (std::vector<Call>{{false, {kCursor, 0, 0}}, {false, {kLeave, 0, 0}}}));
    EXPECT_EQ(record(0).BeforeCount, 0);
}

TEST_F(SubclasserTest, AllMessagesIsACountNotAnEntry)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_BEFORE);
    subclasser.Subclass_AddMsg(kSkin, ALL_MESSAGES, MSG_BEFORE);
    EXPECT_EQ(record(0).BeforeCount, -1);
    EXPECT_EQ(record(0).BeforeMsgs, Msgs{kMove});
    for (std::int32_t m : {kMove, kLeave, 0x7FFF})
        send(kSkin, m);
    EXPECT_EQ(calls.size(), 3u);

    subclasser.Subclass_DelMsg(kSkin, ALL_MESSAGES, MSG_BEFORE);
    EXPECT_EQ(record(0).BeforeCount, 0);
    calls.clear();
    send(kSkin, kMove);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(reports().empty());
}

TEST_F(SubclasserTest, ANamedMessageAfterAllMessagesCannotSizeTheListToNothing)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, ALL_MESSAGES, MSG_AFTER);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_AFTER);
    EXPECT_EQ(reports(), (std::vector<Report>{{"9", "Subscript out of range", "zAddMsg"}}));
    EXPECT_EQ(record(0).AfterCount, 0);
    send(kSkin, kLeave);
    EXPECT_EQ(calls.size(), 1u) << "the stub still takes every message";

    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_AFTER);
    calls.clear();
    send(kSkin, kLeave);
    send(kSkin, kMove);
    EXPECT_EQ(calls, (std::vector<Call>{{false, {kMove, 0, 0}}}));
}

TEST_F(SubclasserTest, TheWhenMaskChoosesThePasses)
{
    struct Case {
        std::int32_t when;
        Msgs before, after;
        std::vector<bool> passes;
    };
    const Case cases[] = {
        {MSG_AFTER, {}, {kMove}, {false}},
        {MSG_BEFORE, {kMove}, {}, {true}},
        {MSG_BEFORE_AND_AFTER, {kMove}, {kMove}, {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        const HWND window = 0x100 + HWND(c.when);
        const std::size_t index = std::size_t(subclasser.Subclass_Start(window));
        subclasser.Subclass_AddMsg(window, kMove, c.when);
        EXPECT_EQ(record(index).BeforeMsgs, c.before);
        EXPECT_EQ(record(index).AfterMsgs, c.after);
        calls.clear();
        defaults.clear();
        EXPECT_EQ(send(window, kMove, 3, 4), kDefaultResult);
        std::vector<bool> passes;
        for (const Call& call : calls)
            passes.push_back(call.before);
        EXPECT_EQ(passes, c.passes);
        EXPECT_EQ(defaults.size(), 1u);

        subclasser.Subclass_DelMsg(window, kMove, c.when);
        calls.clear();
        send(window, kMove);
        EXPECT_TRUE(calls.empty());
    }
}

TEST_F(SubclasserTest, TheBeforePassCanAnswerOrRewriteTheMessage)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_BEFORE_AND_AFTER);

    onCall = [](bool before, bool& handled, std::int32_t& lReturn, HWND&, std::int32_t&, std::int32_t&,
                std::int32_t&) {
        if (before) {
            handled = true;
            lReturn = 7;
        }
    };
    EXPECT_EQ(send(kSkin, kMove), 7);
    EXPECT_TRUE(defaults.empty());
    EXPECT_EQ(calls.size(), 1u) << "no after pass for a handled message";

    onCall = [](bool before, bool&, std::int32_t& lReturn, HWND&, std::int32_t& uMsg, std::int32_t& wParam,
                std::int32_t& lParam) {
        if (before) {
            wParam = 11;
            lParam = 12;
        } else {
            lReturn += uMsg == kMove ? 1 : 100;
        }
    };
    calls.clear();
    EXPECT_EQ(send(kSkin, kMove, 1, 2), kDefaultResult + 1);
    EXPECT_EQ(defaults, (std::vector<Message>{{kMove, 11, 12}}));
    EXPECT_EQ(calls.back(), (Call{false, {kMove, 11, 12}}));
}

TEST_F(SubclasserTest, AFailingCallbackLeavesTheMessageToGoOn)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_BEFORE_AND_AFTER);
    onCall = [](bool, bool& handled, std::int32_t&, HWND&, std::int32_t&, std::int32_t&, std::int32_t&) {
        handled = false;
        throw std::runtime_error("handler failed");
    };
    EXPECT_EQ(send(kSkin, kMove), kDefaultResult);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(defaults.size(), 1u);
    EXPECT_TRUE(reports().empty());
}

TEST_F(SubclasserTest, StoppingGivesTheWindowItsPreviousProcedureBack)
{
    std::vector<std::int32_t> earlier;
    messages.procedures[kSkin] = [&](HWND h, std::int32_t m, std::int32_t w, std::int32_t l,
                                     const platform::WindowMessages::WindowDefault& windowDefault) {
        earlier.push_back(m);
        return windowDefault(h, m, w, l);
    };
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, ALL_MESSAGES, MSG_AFTER);
    send(kSkin, kMove);
    EXPECT_EQ(earlier.size(), 1u) << "the stub passes messages to the procedure it replaced";

    subclasser.Subclass_Stop(kSkin);
    EXPECT_EQ(record(0).Window, 0u);
    EXPECT_EQ(record(0).AfterCount, 0);
    calls.clear();
    send(kSkin, kMove);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(earlier.size(), 2u);
    EXPECT_EQ(defaults.size(), 2u);
}

TEST_F(SubclasserTest, AStubStoppedWhileItRunsFinishesTheMessageQuietly)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_BEFORE_AND_AFTER);
    onCall = [this](bool, bool&, std::int32_t&, HWND& hWnd, std::int32_t&, std::int32_t&, std::int32_t&) {
        subclasser.Subclass_Stop(hWnd);
    };
    EXPECT_EQ(send(kSkin, kMove), kDefaultResult);
    EXPECT_EQ(calls.size(), 1u) << "no after pass once stopped";
    EXPECT_EQ(defaults.size(), 1u);
    EXPECT_FALSE(messages.procedures[kSkin]);
}

TEST_F(SubclasserTest, AWindowStartedTwiceRunsBothStubsAndUnwindsInReverse)
{
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_AFTER);
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_BEFORE);
    EXPECT_EQ(windows(), (std::vector<HWND>{kSkin, kSkin}));
    send(kSkin, kMove);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(defaults.size(), 1u);

    subclasser.Subclass_Stop(kSkin);
    EXPECT_EQ(windows(), (std::vector<HWND>{kSkin, 0}));
    calls.clear();
    send(kSkin, kMove);
    EXPECT_EQ(calls, (std::vector<Call>{{false, {kMove, 0, 0}}}));
    subclasser.Subclass_Stop(kSkin);
    EXPECT_FALSE(messages.procedures[kSkin]);
}

TEST_F(SubclasserTest, AnUnknownWindowChangesNothingAndIsReportedTwice)
{
    const Report missing{"0", "hWnd 不存在, 程序出错", "zIdx"};
    struct Case {
        const char* operation;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"Subclass_Stop", [&] { subclasser.Subclass_Stop(kOther); }},
        {"Subclass_AddMsg", [&] { subclasser.Subclass_AddMsg(kOther, kMove, MSG_BEFORE_AND_AFTER); }},
        {"Subclass_DelMsg", [&] { subclasser.Subclass_DelMsg(kOther, kMove, MSG_BEFORE_AND_AFTER); }},
    };
    subclasser.Subclass_Start(kSkin);
    subclasser.Subclass_AddMsg(kSkin, kMove, MSG_AFTER);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        scripted.messageBox.shown.clear();
        c.call();
        EXPECT_EQ(reports(), (std::vector<Report>{missing, {"9", "Subscript out of range", c.operation}}));
        EXPECT_EQ(windows(), std::vector<HWND>{kSkin});
        EXPECT_EQ(record(0).AfterMsgs, Msgs{kMove});
        EXPECT_EQ(record(0).BeforeCount, 0);
        EXPECT_TRUE(messages.procedures[kSkin]);
    }
}

TEST_F(SubclasserTest, BeforeAnyStartThereIsNoTableToSearch)
{
    subclasser.Subclass_Stop(kSkin);
    subclasser.Subclass_ReleaseAll();
    EXPECT_EQ(reports(), (std::vector<Report>{{"9", "Subscript out of range", "zIdx"},
                                              {"9", "Subscript out of range", "Subclass_Stop"}}));
    EXPECT_TRUE(subclasser.SubclassTable().empty());
}

TEST_F(SubclasserTest, ReleasingAllAndEndingRestoreEveryWindow)
{
    {
        Subclasser ending(log, messages, modules, SubclassCallback());
        ending.Subclass_Start(kOther);
    }
    EXPECT_FALSE(messages.procedures[kOther]);

    for (HWND w : {kForm, kSkin, kOther})
        subclasser.Subclass_Start(w);
    subclasser.Subclass_Stop(kSkin);
    subclasser.Subclass_ReleaseAll();
    EXPECT_EQ(windows(), (std::vector<HWND>{0, 0, 0}));
    for (HWND w : {kForm, kSkin, kOther})
        EXPECT_FALSE(messages.procedures[w]);
    EXPECT_TRUE(reports().empty());
}

TEST_F(SubclasserTest, MouseLeaveRequestsGoThroughTheLibraryThatHasThem)
{
    struct Case {
        bool supported, inUser32;
        std::size_t user32, comctl32;
    };
    const Case cases[] = {{false, true, 0, 0}, {false, false, 0, 0}, {true, true, 1, 0}, {true, false, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.supported << c.inUser32);
        messages.user32Requests.clear();
        messages.comctl32Requests.clear();
        subclasser.TrackMouseLeave(kSkin, c.supported, c.inUser32);
        EXPECT_EQ(messages.user32Requests.size(), c.user32);
        EXPECT_EQ(messages.comctl32Requests.size(), c.comctl32);
    }
    const platform::TRACKMOUSEEVENT& tme = messages.comctl32Requests.at(0);
    EXPECT_EQ(tme.cbSize, 16);
    EXPECT_EQ(tme.dwFlags, platform::TME_LEAVE);
    EXPECT_EQ(tme.hwndTrack, kSkin);
    EXPECT_EQ(tme.dwHoverTime, 0);
}
