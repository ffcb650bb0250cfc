#include "ui/form1.h"

#include "ui/expressionpicker.h"
#include "ui/helptext.h"
#include "core/settings/preferences.h"
#include "core/settings/readymade.h"
#include "dialogs/gcommondialog.h"
#include "compat/filestore.h"
#include "frame/orukforms.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QShortcut>

namespace pattaro {

namespace {

using platform::MsgButtons;
using platform::MsgIcon;

const QString kSaveItem = QStringLiteral("保存到表达式库…");
const QString kImportItem = QStringLiteral("导入表达式库…");
const QString kExportItem = QStringLiteral("导出表达式库…");
const QString kJsonFilter = QStringLiteral("表达式库 (*.json)|*.json|所有文件 (*.*)|*.*");
// A library is a short list of expressions; anything far larger is no library.
constexpr qint64 kLargestLibraryFile = 16 * 1024 * 1024;

std::optional<QString> askNameInDialog(QWidget* parent, const QString& suggestion)
{
    bool given = false;
    const QString name = QInputDialog::getText(parent, kSaveItem.chopped(1), QStringLiteral("名称："),
                                               QLineEdit::Normal, suggestion, &given)
                             .trimmed();
    if (!given || name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace

void Form1::setUpLibrary()
{
    if (!m_services.askLibraryName)
        m_services.askLibraryName = [this](const QString& suggestion) { return askNameInDialog(this, suggestion); };
    if (m_services.libraryPath.isEmpty())
        m_services.libraryPath = programLibraryPath();
    m_history = m_preferences->History();

    m_picker = new ExpressionPicker(this, [this](const HistoryEntry& entry) {
        m_Text3->setText(entry.expression);
        m_Text4->setText(entry.replacement);
        m_Check1->setChecked(entry.caseSensitive);
        m_Text3->setFocus();
    });
    for (const QKeySequence& key : {QKeySequence(Qt::ALT | Qt::Key_Down), QKeySequence(Qt::CTRL | Qt::Key_H)}) {
        auto* shortcut = new QShortcut(key, m_Text3, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, &Form1::openExpressionPicker);
    }

    const std::int16_t save = m_orukForms1->FormMenuAdd(kSaveItem, true);
    const std::int16_t import = m_orukForms1->FormMenuAdd(kImportItem);
    const std::int16_t exportItem = m_orukForms1->FormMenuAdd(kExportItem);
    connect(m_orukForms1, &orukForms::MenuItemSelected, this, [=, this](std::int16_t& chosen, QString&) {
        if (chosen == save)
            saveToLibrary();
        else if (chosen == import)
            importLibrary();
        else if (chosen == exportItem)
            exportLibrary();
    });
}

void Form1::openExpressionPicker()
{
    m_picker->Open(m_Text3, ExpressionChoices(m_history, library(), readyMadeExpressions(helpText())));
}

void Form1::rememberRun()
{
    if (m_Text3->text().isEmpty())
        return;
    m_history.Add({m_Text3->text(), m_Text4->text(), m_Check1->isChecked()});
    m_preferences->History(m_history);
}

const ExpressionLibrary& Form1::library()
{
    // Read when first needed: start-up does not wait for it.
    if (!m_libraryLoaded) {
        m_libraryLoaded = true;
        loadLibrary();
    }
    return m_library;
}

void Form1::loadLibrary()
{
    const auto read = m_services.files->read(m_services.libraryPath, kLargestLibraryFile);
    if (read.outcome != platform::FileStore::ReadResult::Outcome::Read)
        return;
    QString reason;
    if (const auto stored = ExpressionLibrary::FromJson(read.bytes, &reason))
        m_library = *stored;
    else
        warnOnStandardError(QStringLiteral("expression library %1: %2").arg(m_services.libraryPath, reason));
}

bool Form1::writeLibrary(const QString& path, const ExpressionLibrary& library)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const auto failed = m_services.files->write(path, library.ToJson())) {
        m_services.messageBox->show(QStringLiteral("无法保存表达式库 %1：%2").arg(QDir::toNativeSeparators(path), *failed),
                                    kNoticeTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    return true;
}

void Form1::saveToLibrary()
{
    if (m_Text3->text().isEmpty()) {
        m_services.messageBox->show(QStringLiteral("表达式为空，没有可保存的内容。"), kNoticeTitle, MsgIcon::Information,
                                    MsgButtons::Ok);
        return;
    }
    const auto name = m_services.askLibraryName(m_Text3->text().left(40));
    if (!name)
        return;
    ExpressionLibrary updated = library();
    updated.Save({*name, m_Text3->text(), m_Text4->text(), m_Check1->isChecked()});
    if (writeLibrary(m_services.libraryPath, updated))
        m_library = updated;
}

void Form1::importLibrary()
{
    QString fileName, fileTitle, filter = kJsonFilter;
    std::int32_t filterIndex = 1, flags = 0;
    bool readOnly = false;
    if (!fileDialog().VBGetOpenFileName(fileName, fileTitle, true, false, readOnly, true, filter, filterIndex,
                                        m_fileFolder, kImportItem.chopped(1), QString(), platform::HWND(winId()),
                                        flags, false, nullptr))
        return;
    const auto read = m_services.files->read(fileName, kLargestLibraryFile);
    QString reason = read.error;
    std::optional<ExpressionLibrary> imported;
    if (read.outcome == platform::FileStore::ReadResult::Outcome::Read)
        imported = ExpressionLibrary::FromJson(read.bytes, &reason);
    if (!imported) {
        m_services.messageBox->show(QStringLiteral("无法导入 %1：%2").arg(QDir::toNativeSeparators(fileName), reason),
                                    kNoticeTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    ExpressionLibrary updated = library();
    updated.Merge(*imported);
    if (writeLibrary(m_services.libraryPath, updated))
        m_library = updated;
}

void Form1::exportLibrary()
{
    QString fileName, fileTitle, filter = kJsonFilter;
    std::int32_t filterIndex = 1, flags = 0;
    if (fileDialog().VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex, m_fileFolder,
                                       kExportItem.chopped(1), QStringLiteral("json"), platform::HWND(winId()), flags,
                                       false, nullptr))
        writeLibrary(fileName, library());
}

} // namespace pattaro
