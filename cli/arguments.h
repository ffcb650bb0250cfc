#pragma once

#include "core/explain/characternames.h"
#include "core/codegen/codegen.h"
#include "core/text/textdecoding.h"
#include "core/text/textlimit.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

namespace pattaro::cli {

// Run stands for the command a saved expression chooses (SavedCommand).
enum class Command { Count, Matches, Replace, Extract, Upper, Lower, Explain, Code, Lint, Run };

enum class ColorWhen { Auto, Always, Never };

struct Arguments {
    Command command = Command::Count;
    bool help = false;
    bool version = false;
    bool ignoreCase = false;
    bool json = false;
    bool lines = false;
    bool crlf = false;
    QString file; // empty: standard input
    EncodingChoice encoding = EncodingChoice::Auto;
    // Input past this many bytes is refused.
    qint64 maxInput = kMaxTextFileBytes;
    ColorWhen color = ColorWhen::Auto;
    // How long a search may run; none: in proportion to the text.
    std::optional<std::chrono::milliseconds> timeLimit;
    QString pattern; // run: the NAME of the saved expression
    // lint's expressions, when given as arguments rather than in FILE.
    QStringList patterns;
    QString replacement;
    // explain's language; none: the locale's.
    std::optional<ExplainLanguage> explainLanguage;
    CodeLanguage codeLanguage = CodeLanguage::JavaScript;
};

struct ParsedArguments {
    Arguments arguments;
    QString error; // empty when the command line is usable
};

// Options come before the command word; everything after it is taken
// literally, so a pattern may begin with '-'. The command's operands may be
// followed by the FILE to read, "-" for standard input. explain reads no
// file, so its PATTERN may be followed by its options. lint takes its options
// right after its word, then one PATTERN or more, or FILE by -f alone.
ParsedArguments ParseArguments(const QStringList& args);

// "512M" and the like: bytes, or K, M or G of 1024, 1024² or 1024³ bytes.
std::optional<qint64> ParseSize(const QString& text);

} // namespace pattaro::cli
