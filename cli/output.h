#pragma once

#include <QString>
#include <QStringView>
#include <cstdio>

namespace pattaro::cli {

// Buffered UTF-8 output. Text is encoded in pieces as it comes, so a large
// result never needs a second full-size copy. A code unit that cannot be
// encoded (a lone surrogate) is written as U+FFFD.
class Utf8Output {
public:
    explicit Utf8Output(std::FILE* stream) : m_stream(stream) {}
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    void write(QStringView text);
    void write(QLatin1StringView text) { write(QString(text)); }
    // Writes what is buffered; false if anything could not be written.
    bool finish();

private:
    void drain(bool all);

    std::FILE* m_stream;
    QString m_pending;
    bool m_failed = false;
};

} // namespace pattaro::cli
