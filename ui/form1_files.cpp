#include "ui/form1.h"

#include "ui/richtext/richtextbox.h"
#include "ui/encodingdialog.h"
#include "ui/filedrop.h"
#include "ui/textfiles.h"
#include "dialogs/gcommondialog.h"
#include "compat/filestore.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QShortcut>

namespace pattaro {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

const QString kFilter = QStringLiteral("文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*");
const QString kOpenTitle = QStringLiteral("打开文本文件");
const QString kSaveTitle = QStringLiteral("保存替换后的文本");
const QString kOneFileOnly = QStringLiteral("一次只能打开一个文件。");

} // namespace

void Form1::setUpFiles()
{
    if (!m_services.files) {
        m_ownFiles = std::make_unique<platform::DiskFileStore>();
        m_services.files = m_ownFiles.get();
    }
    if (!m_services.encodingChooser) {
        m_ownEncodingChooser = std::make_unique<DialogEncodingChooser>(this);
        m_services.encodingChooser = m_ownEncodingChooser.get();
    }
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this, &Form1::OpenFile);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this, &Form1::SaveResult);

    auto* drop = new FileDrop(m_TXT1);
    m_TXT1->viewport()->installEventFilter(drop);
    connect(drop, &FileDrop::dropped, this, [this](const QStringList& files) {
        if (files.size() == 1)
            openTextFile(files.first());
        else
            m_services.messageBox->show(kOneFileOnly, kNoticeTitle, MsgIcon::Exclamation, MsgButtons::Ok);
    });
}

GCommonDialog& Form1::fileDialog()
{
    if (!m_fileDialog)
        m_fileDialog = std::make_unique<GCommonDialog>(m_services.commonDialogs);
    return *m_fileDialog;
}

bool Form1::openTextFile(const QString& path)
{
    OpenedText opened = OpenTextFile(*m_services.files, path, *m_services.encodingChooser);
    if (!opened.text) {
        if (!opened.problem.isEmpty())
            m_services.messageBox->show(opened.problem, kNoticeTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    m_fileFolder = QFileInfo(path).absolutePath();
    m_TXT1->Text(*opened.text);
    if (!opened.notice.isEmpty())
        m_services.messageBox->show(opened.notice, kNoticeTitle, MsgIcon::Information, MsgButtons::Ok);
    return true;
}

void Form1::OpenFile()
{
    // Like the commands, the files wait while the help is shown.
    if (m_Frame1->isHidden())
        return;
    QString fileName, fileTitle, filter = kFilter;
    std::int32_t filterIndex = 1, flags = 0;
    bool readOnly = false;
    if (fileDialog().VBGetOpenFileName(fileName, fileTitle, true, false, readOnly, true, filter, filterIndex,
                                       m_fileFolder, kOpenTitle, QString(), platform::HWND(winId()), flags,
                                       false, nullptr))
        openTextFile(fileName);
}

void Form1::SaveResult()
{
    if (m_Frame1->isHidden())
        return;
    QString fileName, fileTitle, filter = kFilter;
    std::int32_t filterIndex = 1, flags = 0;
    if (!fileDialog().VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex, m_fileFolder, kSaveTitle,
                                        QStringLiteral("txt"), platform::HWND(winId()), flags, false, nullptr))
        return;
    const SavedText saved = SaveTextFile(*m_services.files, fileName, m_TXT2->Text());
    if (saved.saved)
        m_fileFolder = QFileInfo(fileName).absolutePath();
    if (!saved.message.isEmpty())
        m_services.messageBox->show(saved.message, kNoticeTitle, saved.saved ? MsgIcon::Information : MsgIcon::Exclamation,
                                    MsgButtons::Ok);
}

} // namespace pattaro
