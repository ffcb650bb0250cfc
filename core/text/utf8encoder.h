#pragma once

#include <QByteArray>
#include <QStringEncoder>
#include <QStringView>

namespace pattaro {

// Encodes a UTF-16 text given in pieces as UTF-8, appending to a byte
// array. A surrogate pair split between two pieces is joined again; a lone
// surrogate, which UTF-8 cannot carry, is written as U+FFFD.
class Utf8Encoder {
public:
    void append(QByteArray& out, QStringView piece);
    // Ends the text: a high surrogate still waiting for its partner is lone.
    void finish(QByteArray& out);

private:
    void encode(QByteArray& out, QStringView piece);

    QStringEncoder m_encoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    char16_t m_held = 0;
};

// The whole text as UTF-8, no byte order mark, lone surrogates as U+FFFD.
QByteArray EncodeUtf8(QStringView text);

// Whether text holds a surrogate without its partner.
bool HasLoneSurrogate(QStringView text);

} // namespace pattaro
