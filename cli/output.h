#pragma once

#include "core/text/utf8encoder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <QString>
#include <cstdio>
#include <stdexcept>

namespace pattaro::cli {

// Output that could not be written (a full disk, a closed pipe): the run
// stops at once rather than work on for nothing.
class OutputFailed : public std::runtime_error {
public:
    explicit OutputFailed(const QString& reason) : std::runtime_error(reason.toStdString()), m_reason(reason) {}
    QString reason() const { return m_reason; }

private:
    QString m_reason;
};

// Buffered UTF-8 output. Text is encoded as it comes and written out in
// blocks, so a large result never needs a second full-size copy. A code unit
// that cannot be encoded (a lone surrogate) is written as U+FFFD.
class Utf8Output {
public:
    explicit Utf8Output(std::FILE* stream) : m_stream(stream) {}
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    void write(QStringView text);
    void write(QLatin1StringView text) { write(QString(text)); }
    // Bytes already encoded as UTF-8, after everything written before.
    void writeEncoded(QByteArrayView bytes);
    // Writes what is buffered. Each of these throws OutputFailed.
    void finish();

private:
    void drain();
    void put(QByteArrayView bytes);

    std::FILE* m_stream;
    Utf8Encoder m_encoder;
    QByteArray m_pending;
};

} // namespace pattaro::cli
