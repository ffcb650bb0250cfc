#pragma once

#include "ui/encodingchooser.h"

#include <QDialog>

class QPlainTextEdit;
class QTreeWidget;

namespace pattaro {

// "选择文件编码": the likely encodings of a file, each with its first line
// read in it, and the first lines of the one selected; the best guess is
// selected to begin with. OK (or a double click) takes the selected one;
// Cancel and Esc open nothing.
class EncodingDialog : public QDialog {
    Q_OBJECT
public:
    EncodingDialog(const QString& fileName, const std::vector<EncodingOption>& options, QWidget* parent = nullptr);

    TextEncoding selectedEncoding() const;
    QTreeWidget* list() const { return m_list; }
    QPlainTextEdit* preview() const { return m_preview; }

private:
    void showPreview();

    std::vector<EncodingOption> m_options;
    QTreeWidget* m_list = nullptr;
    QPlainTextEdit* m_preview = nullptr;
};

// Asks through an EncodingDialog over the window.
class DialogEncodingChooser : public EncodingChooser {
public:
    explicit DialogEncodingChooser(QWidget* parent) : m_parent(parent) {}
    std::optional<TextEncoding> choose(const QString& fileName, const std::vector<EncodingOption>& options) override;

private:
    QWidget* m_parent;
};

} // namespace pattaro
