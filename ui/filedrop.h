#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;

namespace pattaro {

// Takes drags of files onto a widget (installed on a pane's viewport), so
// that dropping a file opens it rather than pasting its name. Drags of text
// pass on to the widget as before.
class FileDrop : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The local files a drag carries; empty when it carries anything else.
    static QStringList localFiles(const QMimeData* data);

signals:
    void dropped(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pattaro
