#include "ui/findbar.h"
#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/controlgeometry.h"
#include "frame/orukforms.h"
#include "tests/window/window_fixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace pattaro {
namespace {

using testing::TestWindow;

TEST(ControlGeometry, TwipsAreFifteenToThePixel)
{
    EXPECT_EQ(twipsToPixels(120, 600, 9015, 2295), QRect(8, 40, 601, 153));
    EXPECT_EQ(twipsToPixels(7, 8, 22, 23), QRect(0, 1, 1, 2));
}

TEST(ControlGeometry, GrowsRightwardsAndAboutTheMiddle)
{
    const QRect designed(100, 20, 48, 12);
    EXPECT_EQ(grownToFit(designed, QSize(40, 10)), designed);
    EXPECT_EQ(grownToFit(designed, QSize(60, 18)), QRect(100, 17, 60, 18));
    EXPECT_EQ(grownToFit(designed, QSize(48, 17)), QRect(100, 18, 48, 17));
}

TEST(Layout, WindowAndControlsSitWhereDesigned)
{
    TestWindow w;
    Form1& f = *w.form;
    EXPECT_EQ(f.windowTitle(), u"Pattaro"_qs);
    EXPECT_EQ(f.size(), QSize(620, 494));
    EXPECT_EQ(f.orukForms1()->objectName(), u"orukForms1"_qs);
    EXPECT_EQ(f.orukForms1()->geometry(), QRect(0, 0, 620, 494));

    const struct {
        QWidget* control;
        QWidget* parent;
        QRect at;
    } cases[] = {
        {f.Frame1(), f.orukForms1(), QRect(8, 40, 601, 153)},
        {f.TXT1(), f.Frame1(), QRect(8, 16, 585, 129)},
        {f.Frame3(), f.orukForms1(), QRect(8, 360, 601, 89)},
        {f.Text3(), f.Frame3(), QRect(56, 16, 537, 20)},
        {f.Color1(), f.Frame3(), QRect(120, 64, 33, 17)},
        {f.Command1(), f.orukForms1(), QRect(8, 456, 145, 25)},
        {f.Command4(), f.orukForms1(), QRect(464, 456, 145, 25)},
        {f.Frame4(), f.orukForms1(), QRect(8, 40, 489, 57)},
        {f.Image1(), f.Frame5(), QRect(8, 16, 88, 31)},
        {f.Frame6(), f.orukForms1(), QRect(8, 104, 601, 345)},
        {f.HelpAbout(), f.Frame6(), QRect(8, 16, 585, 321)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.control->geometry(), c.at) << c.control->objectName().toStdString();
        EXPECT_EQ(c.control->parentWidget(), c.parent) << c.control->objectName().toStdString();
    }
    // Captioned controls keep their designed left edge.
    EXPECT_EQ(f.Check1()->x(), 208);
    EXPECT_EQ(f.Command5()->x(), 296);
    EXPECT_EQ(f.Label8()->x(), 40);
    EXPECT_EQ(f.Check1()->parentWidget(), f.Frame3());
    EXPECT_EQ(f.Label6()->parentWidget(), f.Frame4());
}

TEST(Layout, ColoursPicturesAndPointers)
{
    TestWindow w;
    Form1& f = *w.form;
    // Colours are stored blue-green-red; a swap of red and blue shows here.
    EXPECT_EQ(f.TXT1()->BackColor(), 0x00FFF0F0u);
    EXPECT_EQ(f.TXT2()->BackColor(), 0x00D0FFFFu);
    EXPECT_EQ(f.Color2()->BackColor(), 0x000080FFu);
    EXPECT_EQ(f.Label5()->ForeColor(), 0x00C00000u);
    EXPECT_EQ(platform::toQColor(f.Color2()->BackColor()), QColor(255, 128, 0));

    EXPECT_EQ(f.Image1()->pixmap().size(), QSize(88, 31));
    EXPECT_EQ(f.windowIcon().availableSizes().size(), 3);
    for (QWidget* link : {static_cast<QWidget*>(f.Label5()), static_cast<QWidget*>(f.Label6()),
                          static_cast<QWidget*>(f.Image1())})
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << link->objectName().toStdString();
}

TEST(Layout, ChineseFontIsChosenOutright)
{
    TestWindow w;
    w.form->show();
    for (QWidget* control : {static_cast<QWidget*>(w.form->Frame3()), static_cast<QWidget*>(w.form->Label1()),
                             static_cast<QWidget*>(w.form->Command1()), static_cast<QWidget*>(w.form->TXT1())})
        EXPECT_EQ(QFontInfo(control->font()).family(), u"Noto Sans CJK SC"_qs) << control->objectName().toStdString();
}

// Each caption fits inside its control, and no control grew into the one
// beside it.
TEST(Layout, NoCaptionIsClipped)
{
    TestWindow w;
    Form1& f = *w.form;
    f.show();
    const QList<QWidget*> controls = f.findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* c : controls) {
        // The find bars lay themselves out when they open (reading_test).
        if (qobject_cast<FindBar*>(c->parentWidget()))
            continue;
        const QFontMetrics fm(c->font());
        const std::string name = c->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(c); label && !label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << name;
            EXPECT_LE(label->sizeHint().height(), label->height()) << name;
            ++checked;
        } else if (auto* box = qobject_cast<QCheckBox*>(c)) {
            EXPECT_LE(box->sizeHint().width(), box->width()) << name;
            EXPECT_LE(box->sizeHint().height(), box->height()) << name;
            ++checked;
        } else if (auto* button = qobject_cast<QPushButton*>(c)) {
            EXPECT_LT(fm.horizontalAdvance(button->text()), button->width() - 4) << name;
            EXPECT_LT(fm.height(), button->height()) << name;
            ++checked;
        } else if (auto* frame = qobject_cast<QGroupBox*>(c)) {
            EXPECT_LT(fm.horizontalAdvance(frame->title()) + 16, frame->width()) << name;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 6 + 6 + 8 + 1);

    for (QWidget* parent : {f.Frame3(), f.Frame4()}) {
        const QList<QWidget*> kids = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : kids) {
            for (QWidget* b : kids) {
                const QRect ra = a->geometry();
                const QRect rb = b->geometry();
                const bool sameRow = ra.top() <= rb.center().y() && rb.center().y() <= ra.bottom();
                if (sameRow && ra.left() < rb.left()) {
                    EXPECT_LT(ra.right(), rb.left())
                        << a->objectName().toStdString() << " reaches " << b->objectName().toStdString();
                }
            }
        }
        for (QWidget* a : kids)
            EXPECT_TRUE(parent->rect().contains(a->geometry())) << a->objectName().toStdString();
    }
}

// The controls keep their places, so the window manager must not offer a
// size other than the design's; the container covers the window.
TEST(Layout, WindowSizeIsFixedAndTheContainerCoversIt)
{
    TestWindow w;
    w.form->show();
    const QSize design = w.form->size();
    w.form->resize(800, 600);
    EXPECT_EQ(w.form->minimumSize(), design);
    EXPECT_EQ(w.form->maximumSize(), design);
    EXPECT_EQ(w.form->orukForms1()->geometry(), QRect(QPoint(0, 0), design));
}

TEST(ClickableLabel, ClickIsAPressAndReleaseOverIt)
{
    ClickableLabel label;
    label.resize(40, 20);
    int clicks = 0;
    QObject::connect(&label, &ClickableLabel::clicked, [&] { ++clicks; });
    const auto send = [&](QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, label.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &event);
    };
    send(QEvent::MouseButtonPress, {5, 5});
    send(QEvent::MouseButtonRelease, {6, 6});
    EXPECT_EQ(clicks, 1);
    // Dragged off before release: no click.
    send(QEvent::MouseButtonPress, {5, 5});
    send(QEvent::MouseButtonRelease, {60, 6});
    EXPECT_EQ(clicks, 1);
    // A release without a press is no click either.
    send(QEvent::MouseButtonRelease, {6, 6});
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace pattaro
