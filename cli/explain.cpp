#include "cli/explain.h"

#include "core/explain/explainoutput.h"
#include "core/explain/syntaxtree.h"
#include "cli/run.h"

namespace pattaro::cli {

ExplainLanguage LanguageOfLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese ? ExplainLanguage::Chinese : ExplainLanguage::English;
}

int RunExplain(const Arguments& args, const QLocale& locale, Utf8Output& out)
{
    // The flags every command searches with: global and multiline always.
    const SyntaxTree tree = readSyntaxTree(args.pattern, {args.ignoreCase, true, true});
    const ExplainLanguage language = args.language.value_or(LanguageOfLocale(locale));
    out.write(args.json ? QString::fromUtf8(explainAsJson(tree, language)) : explainAsText(tree, language));
    return tree.error ? kExitFailure : kExitSuccess;
}

} // namespace pattaro::cli
