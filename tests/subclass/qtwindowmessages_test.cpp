#include "compat/windowmessages_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWidget>
#include <QWindow>
#include <memory>

using namespace pattaro::platform;

namespace {

// Writes Qt's own handling of the events into the shared trail.
class TracedWidget : public QWidget {
public:
    TracedWidget(QStringList& trail, QWidget* parent = nullptr) : QWidget(parent), m_trail(trail)
    {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent*) override { m_trail << "qt move"; }
    void leaveEvent(QEvent*) override { m_trail << "qt leave"; }
    void resizeEvent(QResizeEvent*) override { m_trail << "qt resize"; }

private:
    QStringList& m_trail;
};

struct Received {
    HWND hWnd;
    std::int32_t uMsg, wParam, lParam;
    friend bool operator==(const Received&, const Received&) = default;
};

void moveTo(QObject* target, QPointF at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

TRACKMOUSEEVENT leaveRequest(HWND hWnd)
{
    return TRACKMOUSEEVENT{kTrackMouseEventSize, TME_LEAVE, hWnd, 0};
}

constexpr std::int32_t kSetCursorLParam = 0x02000001;

class QtWindowMessagesTest : public ::testing::Test {
protected:
    // Records each message, marking where Qt's handling falls.
    WindowMessages::Procedure recorder()
    {
        return [this](HWND h, std::int32_t m, std::int32_t w, std::int32_t l,
                      const WindowMessages::WindowDefault& windowDefault) {
            received.push_back({h, m, w, l});
            trail << "procedure";
            const std::int32_t result = windowDefault(h, m, w, l);
            trail << "after";
            return result;
        };
    }
    HWND hook(QWidget* widget)
    {
        const HWND handle = messages.Register(widget);
        messages.SetWindowProc(handle, recorder());
        return handle;
    }

    std::vector<Received> received;
    QStringList trail;
    QtWindowMessages messages;
};

} // namespace

TEST(WindowMessagePoints, PackAsSixteenBitHalves)
{
    EXPECT_EQ(MakeLParam(5, 7), 0x00070005);
    EXPECT_EQ(MakeLParam(-1, 2), 0x0002FFFF);
    EXPECT_EQ(MakeLParam(3, -2), std::int32_t(0xFFFE0003u));
}

TEST_F(QtWindowMessagesTest, AMouseMoveReachesTheProcedureAroundQtsHandling)
{
    TracedWidget skin(trail);
    skin.resize(100, 40);
    const HWND h = hook(&skin);
    EXPECT_EQ(h, QtWindowMessages::HandleOf(&skin));
    EXPECT_FALSE(skin.testAttribute(Qt::WA_NativeWindow));

    moveTo(&skin, {5, 7}, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(received, (std::vector<Received>{{h, WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, 0x00070005}}));
    EXPECT_EQ(trail, (QStringList{"procedure", "qt move", "after"}));

    QWidget child(&skin);
    child.setGeometry(0, 0, 10, 10);
    received.clear();
    moveTo(&skin, {5, 5});
    EXPECT_TRUE(received.empty()) << "a move a child passed up is not this window's";
}

TEST_F(QtWindowMessagesTest, EachLeaveRequestIsGoodForOneMessage)
{
    TracedWidget skin(trail);
    const HWND h = hook(&skin);
    leave(&skin);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(trail, QStringList{"qt leave"});

    EXPECT_TRUE(messages.TrackMouseEvent(leaveRequest(h)));
    EXPECT_TRUE(messages.TrackMouseEvent(leaveRequest(h)));
    trail.clear();
    leave(&skin);
    leave(&skin);
    EXPECT_EQ(received, (std::vector<Received>{{h, WM_MOUSELEAVE, 0, 0}}));
    EXPECT_EQ(trail, (QStringList{"procedure", "qt leave", "after", "qt leave"}));
}

TEST_F(QtWindowMessagesTest, TheFormAsksForTheCursorOnResizeAndOnEveryMoveInItsWindow)
{
    TracedWidget form(trail);
    form.resize(200, 100);
    QWidget button(&form);
    button.setGeometry(10, 10, 50, 20);
    TracedWidget skin(trail, &form);
    skin.setGeometry(100, 50, 80, 40);
    const HWND formHandle = hook(&form);
    const HWND skinHandle = hook(&skin);
    form.show();
    ASSERT_NE(form.windowHandle(), nullptr);
    const Received setCursor{formHandle, WM_SETCURSOR, std::int32_t(formHandle), kSetCursorLParam};

    received.clear();
    trail.clear();
    QResizeEvent resized(QSize(300, 150), QSize(200, 100));
    QCoreApplication::sendEvent(&form, &resized);
    QCoreApplication::sendEvent(&skin, &resized);
    EXPECT_EQ(received, std::vector<Received>{setCursor}) << "only a top-level window asks";
    EXPECT_EQ(trail, (QStringList{"procedure", "qt resize", "after", "qt resize"}));

    received.clear();
    moveTo(form.windowHandle(), {20, 15});
    EXPECT_EQ(received, std::vector<Received>{setCursor}) << "over a child without mouse tracking";

    received.clear();
    moveTo(form.windowHandle(), {110, 60});
    EXPECT_EQ(received, (std::vector<Received>{setCursor, {skinHandle, WM_MOUSEMOVE, 0, MakeLParam(10, 10)}}));
}

TEST_F(QtWindowMessagesTest, AfterUnhookingQtAloneHandlesTheWindow)
{
    TracedWidget skin(trail);
    const HWND h = hook(&skin);
    EXPECT_TRUE(messages.SetWindowProc(h, {})) << "gives back the procedure it removes";
    EXPECT_FALSE(messages.SetWindowProc(h, {}));
    messages.TrackMouseEvent(leaveRequest(h));
    moveTo(&skin, {1, 1});
    leave(&skin);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(trail, (QStringList{"qt move", "qt leave"}));
}

TEST_F(QtWindowMessagesTest, DestroyedWindowsAndAnEndedLayerLeaveNothingBehind)
{
    auto form = std::make_unique<TracedWidget>(trail);
    const HWND h = hook(form.get());
    form->show();
    QWindow* window = form->windowHandle();
    ASSERT_NE(window, nullptr);
    form.reset();
    EXPECT_FALSE(messages.SetWindowProc(h, recorder())) << "a destroyed window is unknown";
    EXPECT_FALSE(messages.TrackMouseEvent(leaveRequest(h)));

    received.clear();
    trail.clear();
    TracedWidget skin(trail);
    {
        QtWindowMessages ending;
        ending.SetWindowProc(ending.Register(&skin), recorder());
    }
    moveTo(&skin, {1, 1});
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(trail, QStringList{"qt move"});
}
