#include "tests/frame/skin_fixture.h"

#include "compat/propertybag.h"
#include "frame/mousepointer.h"
#include "frame/skinvalues.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <map>

using namespace pattaro;
using namespace pattaro::testing;

namespace {

constexpr std::int16_t kLeft = 1, kRight = 2, kAlt = 4;
// The form's width in twips, and the scripted work area's.
constexpr double kFormWidth = 9300, kWorkAreaWidth = 15360;

// A resizable control with all three caption buttons on a 620 x 494 form.
class BehaviourTest : public SkinTest {
protected:
    BehaviourTest()
    {
        platform::PropertyBag design;
        design.WriteProperty(QStringLiteral("ThemeColor"), std::int32_t(ThemeSilver));
        design.WriteProperty(QStringLiteral("Style"), std::int32_t(TitleLinear));
        skin.UserControl_ReadProperties(design);
        QObject::connect(&skin, &orukForms::BtnCloseClick, [this] { events << QStringLiteral("BtnCloseClick"); });
        QObject::connect(&skin, &orukForms::DblClick, [this] { events << QStringLiteral("DblClick"); });
        QObject::connect(&skin, &orukForms::MenuItemSelected, [this](std::int16_t& item, QString& caption) {
            events << QStringLiteral("MenuItemSelected %1 %2").arg(item).arg(caption);
        });
    }
    const FrameState& state() const { return skin.State(); }
    // The middle of caption button i.
    QPointF centre(int i) const
    {
        const CaptionBtn& b = state().CaptionBtns[std::size_t(i)];
        return QPointF(b.Left + 9, b.Top + 9);
    }
    // What caption button i shows on the control's surface.
    QImage face(int i)
    {
        const QPoint c = centre(i).toPoint();
        return skin.Surface().Image().copy(QRect(c.x() - 8, c.y() - 8, 17, 17));
    }
    void move(QPointF at, std::int16_t button = 0) { skin.UserControl_MouseMove(button, 0, float(at.x()), float(at.y())); }
    void press(QPointF at, std::int16_t button = kLeft) { skin.UserControl_MouseDown(button, 0, float(at.x()), float(at.y())); }
    void release(QPointF at, std::int16_t button = kLeft) { skin.UserControl_MouseUp(button, 0, float(at.x()), float(at.y())); }
    int questionsAsked() const { return int(questions.shown.size()); }
    // The grips are the form's, created by the first move over the control.
    GripBox& grip(const char* name)
    {
        auto* found = host.formWidget.findChild<GripBox*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    const QPointF title{200, 10};
    const QPointF client{200, 200};
    QStringList events;
};

TEST_F(BehaviourTest, HoverHighlightsOneButtonAtATimeAfterTheStartQuirk)
{
    const QImage closeUnlit = face(0), minimiseUnlit = face(2);
    move(centre(0));
    EXPECT_EQ(face(0), closeUnlit) << "starting at 0, the close button is taken as already lit";
    EXPECT_EQ(skin.toolTip(), QString());
    move(client);
    EXPECT_EQ(skin.MousePointer(), PointerDefault);

    move(centre(0));
    EXPECT_NE(face(0), closeUnlit) << "off the buttons in between: lit now";
    EXPECT_EQ(skin.toolTip(), QStringLiteral("关闭"));
    EXPECT_EQ(skin.MousePointer(), PointerHand);
    move(centre(2));
    EXPECT_EQ(face(0), closeUnlit);
    EXPECT_NE(face(2), minimiseUnlit);
    EXPECT_EQ(skin.toolTip(), QStringLiteral("最小化"));
    move(client);
    EXPECT_EQ(skin.toolTip(), QString());
    EXPECT_EQ(skin.MousePointer(), PointerDefault);
    EXPECT_TRUE(reports().empty());
}

TEST(HandPointer, PointsWithItsFingertip)
{
    const QCursor hand = *CursorForPointer(PointerHand);
    EXPECT_EQ(hand.hotSpot(), QPoint(12, 1));
    const QImage image = hand.pixmap().toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(12, 1), QColor(Qt::white)) << "inside the fingertip";
    EXPECT_EQ(image.pixelColor(12, 0), QColor(Qt::black)) << "its outline";
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_FALSE(CursorForPointer(PointerDefault).has_value());
}

TEST_F(BehaviourTest, ReleaseActsOnTheButtonUnderTheLastMove)
{
    const QPointF beside = centre(2) - QPointF(12, 0);
    move(beside);
    press(beside);
    move(centre(0), kLeft);
    release(centre(0));
    EXPECT_EQ(events, QStringList{QStringLiteral("BtnCloseClick")});
    ASSERT_EQ(questionsAsked(), 1);
    EXPECT_EQ(questions.shown[0].text, QStringLiteral("确认退出程序？"));
    EXPECT_EQ(questions.shown[0].title, QStringLiteral("友情提示"));
    EXPECT_FALSE(host.unloaded) << "No keeps the window";

    press(centre(2));
    move(client, kLeft);
    release(client);
    EXPECT_EQ(host.windowState, 0) << "released off every button: no action";

    move(centre(2));
    questions.answers = {platform::kIdYes};
    press(centre(2));
    release(centre(2));
    EXPECT_EQ(host.windowState, 1) << "minimised by the system";
    EXPECT_EQ(state().HotBtn, CaptionButton::None);
    move(centre(0));
    press(centre(0));
    release(centre(0));
    EXPECT_TRUE(host.unloaded);
}

TEST_F(BehaviourTest, MaximiseFillsTheWorkAreaAndRestoreGoesBack)
{
    move(client); // grips exist from the first move
    const std::array before{host.left, host.top, host.width, host.height};
    move(centre(1));
    press(centre(1));
    release(centre(1));
    EXPECT_EQ((std::array{host.left, host.top, host.width, host.height}), (std::array{0.0, 0.0, 15360.0, 11100.0}));
    EXPECT_TRUE(skin.GetMenuItemValue(SystemMenu::kRestore, 1).toBool());
    EXPECT_FALSE(skin.GetMenuItemValue(SystemMenu::kMaximize, 1).toBool());
    move(client);
    move(centre(1));
    EXPECT_EQ(skin.toolTip(), QStringLiteral("还原"));

    move(title, kLeft);
    EXPECT_EQ(host.drags, 0) << "a maximised window does not drag, nor records where it is";

    skin.MnuSyst_Click(SystemMenu::kRestore);
    EXPECT_EQ((std::array{host.left, host.top, host.width, host.height}), before);
    move(client);
    move(centre(1));
    EXPECT_EQ(skin.toolTip(), QStringLiteral("最大化"));
}

TEST_F(BehaviourTest, DoubleClickTogglesOnlyAfterALeftPressOnTheTitle)
{
    const struct {
        std::int16_t button;
        QPointF at;
        bool toggles;
    } cases[] = {{kLeft, {200, 10}, true}, {kRight, {200, 10}, false}, {kLeft, {200, 100}, false}};
    for (const auto& c : cases) {
        events.clear();
        move(c.at);
        press(c.at, c.button);
        skin.UserControl_DblClick();
        EXPECT_EQ(host.width, c.toggles ? kWorkAreaWidth : kFormWidth) << c.button << " " << c.at.y();
        EXPECT_EQ(events, QStringList{QStringLiteral("DblClick")});
        if (c.toggles)
            skin.orukWindowState();
        skin.UserControl_DblClick();
        EXPECT_EQ(host.width, kFormWidth) << "the press is used up by the first double click";
    }
    skin.MaxButton(false);
    events.clear();
    press(title);
    skin.UserControl_DblClick();
    EXPECT_EQ(host.width, kFormWidth);
    EXPECT_TRUE(events.isEmpty()) << "no maximise button: not even the event";
}

TEST_F(BehaviourTest, AltF4AsksOnlyWithAltAndAVisibleCloseButton)
{
    skin.UserControl_KeyDown(115, 0);
    skin.UserControl_KeyDown(114, kAlt);
    EXPECT_EQ(questionsAsked(), 0);
    skin.UserControl_KeyDown(115, kAlt);
    EXPECT_EQ(questionsAsked(), 1);
    skin.CloseButton(false);
    skin.UserControl_KeyDown(115, kAlt);
    EXPECT_EQ(questionsAsked(), 1);
}

// Mouse events as Qt delivers them to the widget: one a control on the frame
// leaves unhandled travels on to the frame, and a window can appear under
// a pointer that then clicks without moving.
struct FrameClick {
    const char* what;
    bool onLabel, hoverFirst;
    QPointF at; // null: the close button
    int questions;
};

void PrintTo(const FrameClick& c, std::ostream* out)
{
    *out << c.what;
}

class FrameClickTest : public BehaviourTest, public ::testing::WithParamInterface<FrameClick> {};

TEST_P(FrameClickTest, TheFrameActsOnlyOnClicksOnItsOwnSurface)
{
    const FrameClick& c = GetParam();
    skin.resize(620, 494);
    QLabel label(QStringLiteral("Color1"), &skin);
    label.setGeometry(100, 100, 40, 20);
    int clicks = 0;
    QObject::connect(&skin, &orukForms::Click, [&] { ++clicks; });
    const QPointF closeButton = centre(0);
    if (c.hoverFirst) {
        QMouseEvent hover(QEvent::MouseMove, closeButton, skin.mapToGlobal(closeButton), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&skin, &hover);
    }
    QWidget* const target = c.onLabel ? static_cast<QWidget*>(&label) : &skin;
    const QPointF at = c.onLabel ? QPointF(5, 5) : c.at.isNull() ? closeButton : c.at;
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
    EXPECT_EQ(questionsAsked(), c.questions) << c.what;
    EXPECT_EQ(clicks, c.onLabel ? 0 : 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, FrameClickTest,
    ::testing::Values(FrameClick{"a click on a label placed on the frame", true, false, {}, 0},
                      FrameClick{"a click on the label after hovering the close button", true, true, {}, 0},
                      FrameClick{"a click on the client area before any move", false, false, {200, 200}, 0},
                      FrameClick{"a click on the close button before any move", false, false, {}, 1},
                      FrameClick{"a click on the close button after hovering it", false, true, {}, 1}));

TEST_F(BehaviourTest, CloseRequestsFromOutsideAskTheSameQuestionOnce)
{
    QCloseEvent refused;
    QCoreApplication::sendEvent(&host.formWidget, &refused);
    EXPECT_FALSE(refused.isAccepted()) << "No keeps the window";
    EXPECT_EQ(questionsAsked(), 1);

    questions.answers = {platform::kIdYes};
    QCloseEvent agreed;
    QCoreApplication::sendEvent(&host.formWidget, &agreed);
    EXPECT_TRUE(host.unloaded);
    QCloseEvent closing; // the close that unloading itself sends
    QCoreApplication::sendEvent(&host.formWidget, &closing);
    EXPECT_TRUE(closing.isAccepted());
    EXPECT_EQ(questionsAsked(), 2);
}

TEST_F(BehaviourTest, TitleDragsOnlyWhenMoveableAndOutsideTheButtons)
{
    move(title, kLeft);
    EXPECT_EQ(host.drags, 1);
    move(QPointF(state().CaptionBtns[2].Left, 10), kLeft);
    move(client, kLeft);
    move(title, 0);
    EXPECT_EQ(host.drags, 1) << "caption-button zone, client area and no button: no drag";
    host.left = 3000;
    move(title, kLeft);
    EXPECT_EQ(host.drags, 2);
    skin.orukWindowState();
    skin.orukWindowState();
    EXPECT_EQ(host.left, 3000) << "the bounds are recorded after the move, and restored to";

    host.moveable = false;
    orukForms fixed(host, platform());
    fixed.UserControl_ReadProperties(platform::PropertyBag());
    fixed.UserControl_MouseMove(kLeft, 0, 200, 10);
    EXPECT_EQ(host.drags, 2) << "never with Moveable false";
}

TEST_F(BehaviourTest, GripsStopAt135PixelsWideAndTitlePlusTwentyHigh)
{
    skin.BorderStyle(1);
    move(client);
    GripBox& right = grip("m_picRight");
    GripBox& bottom = grip("m_picBottom");
    EXPECT_EQ(right.geometry(), QRect(616, 40, 3, 484)) << "first placed 10 pixels short of the client height";
    EXPECT_EQ(bottom.geometry(), QRect(4, 490, 612, 3));

    skin.m_picRight_MouseMove(0, 0, 1, 10);
    EXPECT_EQ(right.MousePointer(), PointerSizeWE);
    skin.m_picRight_MouseMove(0, 0, 1, 450);
    EXPECT_EQ(right.MousePointer(), PointerSizeNWSE) << "near the bottom corner";
    skin.m_picRight_MouseDown(kLeft, 0, 1, 450);
    skin.m_picRight_MouseMove(kLeft, 0, -600, -600);
    EXPECT_EQ(host.width, 135 * 15);
    EXPECT_EQ(host.height, (31 + 20) * 15);
    skin.m_picRight_MouseUp(kLeft, 0, 0, 0);
    skin.m_picRight_MouseMove(kLeft, 0, 300, 10);
    EXPECT_EQ(host.width, 135 * 15) << "released: the grip sizes no more";
    EXPECT_EQ(right.geometry(), QRect(131, 40, 3, 10)) << "placed again below the title by the resize";

    skin.m_picBottom_MouseMove(0, 0, 5, 1);
    EXPECT_EQ(bottom.MousePointer(), PointerSizeNS);
    skin.m_picBottom_MouseDown(kLeft, 0, 5, 1);
    const int bottomTop = bottom.y();
    skin.m_picBottom_MouseMove(kLeft, 0, 5, 100);
    EXPECT_EQ(host.height, (bottomTop + 100 + 5) * 15);
}

TEST_F(BehaviourTest, GripsDoNotResizeWithoutBorderStyleOneOrWhenMaximised)
{
    skin.BorderStyle(0);
    move(client);
    GripBox& right = grip("m_picRight");
    skin.m_picRight_MouseMove(0, 0, 1, 10);
    EXPECT_EQ(right.MousePointer(), PointerDefault) << "border style 1 only";
    skin.m_picRight_MouseDown(kLeft, 0, 1, 10);
    skin.m_picRight_MouseMove(kLeft, 0, -300, 10);
    EXPECT_EQ(host.width, 9300);

    skin.BorderStyle(1);
    skin.orukWindowState();
    skin.m_picRight_MouseMove(0, 0, 1, 10);
    EXPECT_EQ(right.MousePointer(), PointerDefault);
    skin.m_picRight_MouseDown(kLeft, 0, 1, 10);
    skin.orukWindowState();
    skin.m_picRight_MouseMove(kLeft, 0, -300, 10);
    EXPECT_EQ(host.width, kFormWidth) << "a press while maximised started no sizing";
}

TEST_F(BehaviourTest, SystemMenuOpensFromTheIconAndARightClickInTheTitle)
{
    press(QPointF(2, 10));
    press(QPointF(24, 10)); // icon size + 8
    release(QPointF(state().CaptionBtns[2].Left, 10), kRight);
    EXPECT_TRUE(menus.shown.empty());

    press(QPointF(3, 10));
    release(QPointF(150, 12), kRight);
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(menus.shown[0].at, QPoint(3, 31));
    EXPECT_EQ(menus.shown[1].at, QPoint(150, 12));
    EXPECT_EQ(menus.shown[0].defaultItem, SystemMenu::kClose);
    const auto& items = menus.shown[0].items;
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[4].Caption, QStringLiteral("关闭            Alt+F4"));
    EXPECT_FALSE(items[0].Enabled);
}

TEST_F(BehaviourTest, MenuItemsAct)
{
    menus.choices = {SystemMenu::kAlwaysOnTop, SystemMenu::kAlwaysOnTop, SystemMenu::kMinimize, SystemMenu::kClose};
    release(title, kRight);
    EXPECT_TRUE(host.onTop);
    EXPECT_TRUE(skin.GetMenuItemValue(SystemMenu::kAlwaysOnTop, 2).toBool());
    release(title, kRight);
    EXPECT_FALSE(host.onTop) << "twice: back to normal stacking";
    EXPECT_FALSE(skin.GetMenuItemValue(SystemMenu::kAlwaysOnTop, 2).toBool());
    release(title, kRight);
    EXPECT_EQ(host.windowState, 1);
    release(title, kRight);
    EXPECT_EQ(questionsAsked(), 1);

    skin.FormMenuAdd(QStringLiteral("X"), true);
    EXPECT_EQ(skin.GetMenuItemValue(7, 0), QVariant(QStringLiteral("-")));
    EXPECT_EQ(skin.GetMenuItemValue(8, 0), QVariant(QStringLiteral("X")));
    skin.MnuSyst_Click(8);
    EXPECT_EQ(events, QStringList{QStringLiteral("MenuItemSelected 8 X")});
    skin.FormMenuRemove(8);
    skin.FormMenuAdd(QStringLiteral("Z"));
    EXPECT_EQ(skin.GetMenuItemValue(7, 0), QVariant(QStringLiteral("Z"))) << "the separator went with it";
    EXPECT_TRUE(reports().empty());
}

TEST_F(BehaviourTest, MenuOperationsKeepTheBuiltInItemsAndReportBadIndices)
{
    skin.FormMenuRemove(7); // the number of items: no such item
    skin.ModifyAddedMenu(4, QStringLiteral("Y"), false);
    skin.FormMenuRemove(6);
    EXPECT_EQ(skin.GetMenuItemValue(4, 0), QVariant(QStringLiteral("关闭            Alt+F4")));
    EXPECT_EQ(skin.GetMenuItemValue(4, 1), QVariant(true));
    EXPECT_EQ(skin.GetMenuItemValue(6, 3), QVariant(true));
    EXPECT_FALSE(skin.GetMenuItemValue(4, 9).isValid());

    skin.FormMenuAdd(QStringLiteral("A"));
    skin.FormMenuAdd(QStringLiteral("B"), false, false, true, false);
    skin.ModifyAddedMenu(8);
    EXPECT_EQ(skin.GetMenuItemValue(8, 0), QVariant(QStringLiteral("B"))) << "an empty caption keeps it";
    EXPECT_EQ(skin.GetMenuItemValue(8, 1), QVariant(true));
    EXPECT_EQ(skin.GetMenuItemValue(8, 2), QVariant(false));

    skin.FormMenuRemove(7);    // from the middle: index 8 stays
    skin.FormMenuAdd(QStringLiteral("C")); // 8 is taken
    EXPECT_FALSE(skin.GetMenuItemValue(42, 0).isValid());
    EXPECT_EQ(reports(), (std::vector<Report>{{QStringLiteral("340"), QStringLiteral("FormMenuRemove")},
                                              {QStringLiteral("360"), QStringLiteral("FormMenuAdd")},
                                              {QStringLiteral("340"), QStringLiteral("GetMenuItemValue")}}));
}

TEST_F(BehaviourTest, AnItemAddedUnderAnotherGoesIntoItsSubmenu)
{
    const std::int16_t holder = skin.FormMenuAdd(QStringLiteral("外观"), true);
    const std::int16_t first = skin.FormMenuAdd(QStringLiteral("蓝色"), false, true, true, true, holder);
    const std::int16_t second = skin.FormMenuAdd(QStringLiteral("圆柱"), true, true, false, true, holder);
    const std::int16_t after = skin.FormMenuAdd(QStringLiteral("其后"));
    menus.choices = {first};
    release(QPointF(150, 12), kRight);
    ASSERT_EQ(menus.shown.size(), 1u);
    std::map<int, int> parentOf;
    for (const platform::PopupItem& item : menus.shown[0].items)
        parentOf[item.Id] = item.Parent;
    const struct {
        const char* item;
        int id;
        int parent;
    } rows[] = {
        {"a designed item", SystemMenu::kClose, -1},
        {"the separator before the holder", holder - 1, -1},
        {"the holder", holder, -1},
        {"its first item", first, holder},
        {"the separator added with its second item", second - 1, holder},
        {"its second item", second, holder},
        {"an item added after without a parent", after, -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(parentOf.at(row.id), row.parent) << row.item;
    EXPECT_EQ(events, QStringList{QStringLiteral("MenuItemSelected %1 蓝色").arg(first)});
    EXPECT_TRUE(reports().empty());
}

TEST_F(BehaviourTest, MessagesRefitTheControlAndPutTheButtonsBackWhenTheMouseLeaves)
{
    move(client);
    move(centre(0));
    ASSERT_EQ(state().CaptionBtns[0].State, -1);
    platform::HWND self = platform::QtWindowMessages::HandleOf(&skin);
    std::int32_t msg = platform::WM_MOUSELEAVE, w = 0, l = 0, result = 0;
    bool handled = false;
    skin.zSubclass_Proc(false, handled, result, self, msg, w, l);
    EXPECT_EQ(state().CaptionBtns[0].State, 0);
    EXPECT_EQ(skin.MousePointer(), PointerDefault);
    EXPECT_EQ(state().HotBtn, CaptionButton::Close) << "kept: coming straight back does not light it again";

    host.width = 12000;
    host.left = 450;
    msg = platform::WM_SETCURSOR;
    skin.zSubclass_Proc(false, handled, result, self, msg, w, l);
    EXPECT_EQ(skin.width(), 800);
    skin.orukWindowState();
    skin.orukWindowState();
    EXPECT_EQ(host.left, 450) << "the bounds were recorded: restoring goes back to them";
    EXPECT_FALSE(handled);
}

} // namespace
