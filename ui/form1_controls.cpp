#include "ui/form1.h"
#include "ui/expressionfault.h"

#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/controlgeometry.h"
#include "ui/uifont.h"
#include "compat/controlcolor.h"
#include "frame/orukforms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

// Resources linked from a static library must be registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(pattaro);
}

namespace pattaro {

using platform::OleColor;

namespace {

constexpr OleColor kFaceColor = 0x00FBF4F4;
constexpr OleColor kSourceBackColor = 0x00FFF0F0;
constexpr OleColor kResultBackColor = 0x00D0FFFF;
constexpr OleColor kSwatch1Color = 0x0000C000;
constexpr OleColor kSwatch2Color = 0x000080FF;
constexpr OleColor kContactLinkColor = 0x00C00000;
constexpr OleColor kPageLinkColor = 0x00800080;
constexpr OleColor kSystemWindowColor = 0x80000005;

// Client area of the window, in twips.
constexpr int kClientWidth = 9300;
constexpr int kClientHeight = 7410;

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsToPixels(left, top, width, height));
    return widget;
}

void fillBackground(QWidget* widget, OleColor color)
{
    platform::SetControlBackColor(widget, color);
    widget->setAutoFillBackground(true);
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* box = place(new QGroupBox(caption, parent), name, l, t, w, h);
    fillBackground(box, kFaceColor);
    // A frame's outline runs through the middle of its caption, so the
    // children placed 16 px down sit inside it. Under a style sheet a widget
    // takes the application's font unless the sheet names one, so it does.
    const QFont font = uiFont();
    box->setStyleSheet(QStringLiteral(
        "* { font-family: \"%1\"; font-size: %2px; }"
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
        .arg(font.family()).arg(font.pixelSize()));
    return box;
}

ClickableLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* lbl = place(new ClickableLabel(parent), name, l, t, w, h);
    lbl->setText(caption);
    platform::SetControlBackColor(lbl, kFaceColor);
    // A caption grown taller than designed may reach into the next row;
    // drawing no background of its own keeps it from covering that row's text.
    lbl->setAutoFillBackground(caption.isEmpty());
    return lbl;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* btn = place(new QPushButton(caption, parent), name, l, t, w, h);
    fillBackground(btn, kFaceColor);
    return btn;
}

RichTextBox* pane(QWidget* parent, const char* name, OleColor back, int l, int t, int w, int h)
{
    auto* box = place(new RichTextBox(parent), name, l, t, w, h);
    platform::SetControlBackColor(box, back);
    return box;
}

QLineEdit* lineBox(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* box = place(new QLineEdit(parent), name, l, t, w, h);
    platform::SetControlBackColor(box, kSystemWindowColor);
    return box;
}

QSize captionNeeds(QWidget* control)
{
    if (auto* btn = qobject_cast<QPushButton*>(control)) {
        const QFontMetrics metrics(btn->font());
        // Room for the button's own frame around the caption.
        return QSize(metrics.horizontalAdvance(btn->text()) + 8, metrics.height() + 4);
    }
    return control->sizeHint();
}

} // namespace

void Form1::createControls()
{
    registerResources();
    setWindowTitle(QStringLiteral("Pattaro"));
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/pattaro/icon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(uiFont());
    const QRect client = twipsToPixels(0, 0, kClientWidth, kClientHeight);
    resize(client.size());

    m_orukForms1 = new orukForms(m_formHost, m_skinPlatform->platform(), this);
    place(m_orukForms1, "orukForms1", 0, 0, kClientWidth, kClientHeight);
    QWidget* const skin = m_orukForms1;

    m_Frame1 = frame(skin, "Frame1", QStringLiteral("被用于查询及替换的文本"), 120, 600, 9015, 2295);
    m_TXT1 = pane(m_Frame1, "TXT1", kSourceBackColor, 120, 240, 8775, 1935);

    m_Frame2 = frame(skin, "Frame2", QStringLiteral("替换后的文本"), 120, 3000, 9015, 2295);
    m_TXT2 = pane(m_Frame2, "TXT2", kResultBackColor, 120, 240, 8775, 1935);

    m_Frame3 = frame(skin, "Frame3", QStringLiteral("正则表达式设置"), 120, 5400, 9015, 1335);
    m_Label1 = label(m_Frame3, "Label1", QStringLiteral("表达式："), 120, 300, 720, 180);
    m_Text3 = lineBox(m_Frame3, "Text3", 840, 240, 8055, 300);
    m_Label2 = label(m_Frame3, "Label2", QStringLiteral("替换为："), 120, 660, 720, 180);
    m_Text4 = lineBox(m_Frame3, "Text4", 840, 600, 8055, 300);
    m_Label3 = label(m_Frame3, "Label3", QStringLiteral("交替高亮文字色彩："), 120, 990, 1620, 180);
    m_Color1 = label(m_Frame3, "Color1", QString(), 1800, 960, 495, 255);
    m_Color1->BackColor(kSwatch1Color);
    m_Color1->setProperty("KeepsBackColor", true);
    m_Color2 = label(m_Frame3, "Color2", QString(), 2400, 960, 495, 255);
    m_Color2->BackColor(kSwatch2Color);
    m_Color2->setProperty("KeepsBackColor", true);
    // The swatches open the colour dialog from the keyboard too, as the links
    // below open their pages.
    for (ClickableLabel* swatch : {m_Color1, m_Color2})
        swatch->setFocusPolicy(Qt::StrongFocus);
    m_Check1 = place(new QCheckBox(QStringLiteral("区分大小写"), m_Frame3), "Check1", 3120, 990, 1215, 180);
    fillBackground(m_Check1, kFaceColor);
    m_Command5 = button(m_Frame3, "Command5", QStringLiteral("转换所有字符到“大写”"), 4440, 960, 2175, 255);
    m_Command6 = button(m_Frame3, "Command6", QStringLiteral("转换所有字符到“小写”"), 6720, 960, 2175, 255);

    m_Command1 = button(skin, "Command1", QStringLiteral("检查匹配的项目"), 120, 6840, 2175, 375);
    m_Command2 = button(skin, "Command2", QStringLiteral("替换并保留其他字符"), 2400, 6840, 2175, 375);
    m_Command3 = button(skin, "Command3", QStringLiteral("替换并删除其他字符"), 4680, 6840, 2175, 375);
    m_Command4 = button(skin, "Command4", QStringLiteral("正则表达式帮助说明"), 6960, 6840, 2175, 375);

    m_Frame4 = frame(skin, "Frame4", QStringLiteral("软件信息"), 120, 600, 7335, 855);
    m_Label4 = label(m_Frame4, "Label4", QStringLiteral("Pattaro 项目"), 600, 240, 1080, 180);
    m_Label5 = label(m_Frame4, "Label5", QStringLiteral("联系我们"), 1920, 240, 1170, 180);
    m_Label5->ForeColor(kContactLinkColor);
    m_Label7 = label(m_Frame4, "Label7", QStringLiteral("免费软件，欢迎使用和传播"), 3480, 240, 3330, 180);
    m_Label8 = label(m_Frame4, "Label8", QStringLiteral("软件版本：1.0.0.0"), 600, 480, 1530, 180);
    m_Label6 = label(m_Frame4, "Label6", QStringLiteral("访问 Pattaro 项目主页"), 3480, 480, 2880, 180);
    m_Label6->ForeColor(kPageLinkColor);

    m_Frame5 = frame(skin, "Frame5", QStringLiteral("友情连接"), 7560, 600, 1575, 855);
    m_Image1 = label(m_Frame5, "Image1", QString(), 120, 240, 1320, 465);
    m_Image1->setPixmap(QPixmap(QStringLiteral(":/pattaro/banner.png")));

    m_Frame6 = frame(skin, "Frame6", QStringLiteral("正则表达式帮助说明"), 120, 1560, 9015, 5175);
    m_HelpAbout = pane(m_Frame6, "HelpAbout", kFaceColor, 120, 240, 8775, 4815);
    m_HelpAbout->setReadOnly(true);

    // The links open from the keyboard too.
    for (ClickableLabel* link : {m_Label5, m_Label6, m_Image1}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setFocusPolicy(Qt::StrongFocus);
    }
}

void Form1::connectEvents()
{
    connect(m_Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    // Toggled, not clicked: a value set by the program raises it too.
    connect(m_Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(m_Text3, &QLineEdit::textChanged, this, [this] { clearExpressionFault(m_Text3); });
    connect(m_Color1, &ClickableLabel::clicked, this, &Form1::Color1_Click);
    connect(m_Color2, &ClickableLabel::clicked, this, &Form1::Color2_Click);
    connect(m_Image1, &ClickableLabel::clicked, this, &Form1::Image1_Click);
    connect(m_Label5, &ClickableLabel::clicked, this, &Form1::Label5_Click);
    connect(m_Label6, &ClickableLabel::clicked, this, &Form1::Label6_Click);
}

void Form1::fitCaptions()
{
    // The font is taller than the 12 px the small captions were laid out
    // for; let each captioned control grow rather than clip its text.
    const QList<QWidget*> controls = m_orukForms1->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const auto* lbl = qobject_cast<QLabel*>(control);
        const bool captioned = (lbl && !lbl->text().isEmpty()) || qobject_cast<QAbstractButton*>(control);
        if (!captioned)
            continue;
        // Polish first: a style sheet may change the font it is measured in.
        control->ensurePolished();
        control->setGeometry(grownToFit(control->geometry(), captionNeeds(control)));
    }
}

} // namespace pattaro
