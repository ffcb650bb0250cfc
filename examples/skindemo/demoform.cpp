#include "examples/skindemo/demoform.h"

#include "compat/controlcolor.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

namespace skindemo {

namespace {

QIcon demoIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setBrush(QColor(0x2E, 0x6F, 0xB8));
    p.setPen(QColor(0x1B, 0x3F, 0x6A));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 14, QFont::Bold));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral(".*"));
    return QIcon(pixmap);
}

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

DemoForm::DemoForm(const DemoOptions& options, const pattaro::platform::Services& services)
    : m_host(this), m_desktop(services), m_skin(m_host, m_desktop.platform(), this)
{
    setWindowTitle(options.caption);
    setWindowIcon(demoIcon());
    resize(options.size);
    named(&m_skin, "orukForms1")->setGeometry(rect());

    auto* note = named(new QLabel(QStringLiteral("拖动标题栏移动窗口；右键单击标题栏打开系统菜单。"), &m_skin), "Label1");
    pattaro::platform::SetControlBackColor(note, 0x8000000F);
    note->setAutoFillBackground(true);
    auto* text = named(new QPlainTextEdit(&m_skin), "Text1");
    pattaro::platform::SetControlBackColor(text, 0x80000005);

    m_skin.UserControl_ReadProperties(options.design);
    // The title bar's height follows the style and icon size just read; the
    // contents start 13 pixels under it, clear of the 8-pixel shadow the
    // control draws there.
    const int top = m_skin.State().TitleAreaHeight + 13;
    const int w = options.size.width(), h = options.size.height();
    note->setGeometry(12, top, w - 24, 20);
    text->setGeometry(12, top + 26, w - 24, h - 12 - (top + 26));
}

} // namespace skindemo
