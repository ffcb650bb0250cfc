#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace pattaro {

// What a piece of an expression is, as the translator reads it.
enum class SyntaxKind : std::uint8_t {
    // Made by whoever builds a tree from the events, never sent by the reader.
    Expression,  // the whole expression
    Alternation, // two or more alternatives
    Text,        // characters written as themselves, one after another
    // Containers: opened, then closed.
    Alternative,
    CapturingGroup,
    NamedGroup,
    NonCapturingGroup,
    Lookahead,
    NegativeLookahead,
    Lookbehind,
    NegativeLookbehind,
    Class,
    // Applies to the piece read just before it.
    Quantifier,
    // Single pieces.
    LineStart,
    LineEnd,
    WordBoundary,
    NotWordBoundary,
    AnyCharacter,
    ClassEscape, // \d \D \w \W \s \S, in or out of a class
    Backreference,
    NamedBackreference,
    Character,
    ClassRange,
};

// How a character came to stand for itself or for another: the readings a
// person can trip over are told apart.
enum class CharacterReading : std::uint8_t {
    AsWritten,          // a, 中, or `[` and `-` inside a class
    PlainPunctuation,   // `{`, `}`, `]` outside a class, `[`, `-` inside one: not syntax there
    ControlEscape,      // \f \n \r \t \v
    ControlLetter,      // \cJ, and in a class also \c1, \c_
    BackslashOfLoneC,   // the `\` of a `\c` with no control letter after it
    HexEscape,          // \xHH
    LoneX,              // \x without two hex digits
    UnicodeEscape,      // \uHHHH
    LoneU,              // \u without four hex digits
    OctalEscape,        // \oNNN
    LoneO,              // \o without an octal digit
    Nul,                // \0
    LegacyOctal,        // \12 without as many groups, or any \NUM in a class
    EightOrNine,        // \8, \9
    KWithoutNames,      // \k when no group has a name
    Backspace,          // \b inside a class
    IdentityEscape,     // \/ \\ \q …: the character itself
};

struct SyntaxEvent {
    SyntaxKind kind = SyntaxKind::Character;
    qsizetype start = 0;
    qsizetype end = 0; // past the piece; containers learn it when closed
    int number = 0;    // a group's number, or the group a back-reference names
    QString name;      // a group's name
    qint64 least = 0;  // a quantifier's bounds, as written
    qint64 most = 0;   // -1 for no upper bound
    bool lazy = false;
    bool negated = false; // a class written [^…]
    char16_t unit = 0;    // a character's value, or a class escape's letter
    char16_t last = 0;    // a range's upper end (unit is its lower)
    CharacterReading reading = CharacterReading::AsWritten;
};

// Told of each piece the translator reads, in the order of the expression,
// once each: parts read again to be written another way are not told twice.
// Events stop where an expression is refused.
class SyntaxSink {
public:
    virtual ~SyntaxSink() = default;
    virtual void open(const SyntaxEvent& container) = 0;
    virtual void close(qsizetype end) = 0;
    virtual void piece(const SyntaxEvent& piece) = 0;
    // A quantifier, spanning the quantifier alone; it repeats the piece or
    // container just ended.
    virtual void quantify(const SyntaxEvent& quantifier) = 0;
};

} // namespace pattaro
