#pragma once

#include "cli/output.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

namespace pattaro::cli {

// Output that goes to memory, read back after the run.
class CapturedOutput {
public:
    CapturedOutput() : m_stream(open_memstream(&m_buffer, &m_size)), output(m_stream) {}
    ~CapturedOutput()
    {
        std::fclose(m_stream);
        std::free(m_buffer);
    }
    QByteArray bytes()
    {
        std::fflush(m_stream);
        return QByteArray(m_buffer, qsizetype(m_size));
    }

private:
    char* m_buffer = nullptr;
    size_t m_size = 0;
    std::FILE* m_stream;

public:
    Utf8Output output;
};

} // namespace pattaro::cli
