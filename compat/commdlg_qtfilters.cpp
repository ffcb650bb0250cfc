#include "compat/commdlg_qtfilters.h"

namespace pattaro::platform {

QStringList qtNameFilters(const QStringList& fields)
{
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QStringList globs;
        for (const QString& part : fields.at(i + 1).split(u';')) {
            const QString glob = part.trimmed();
            if (!glob.isEmpty())
                globs.append(glob == u"*.*" ? QStringLiteral("*") : glob);
        }
        if (globs.isEmpty())
            globs.append(QStringLiteral("*"));
        QString label = fields.at(i).trimmed();
        if (label.isEmpty())
            label = fields.at(i + 1).trimmed();
        filters.append(label + QStringLiteral(" (") + globs.join(u' ') + u')');
    }
    return filters;
}

} // namespace pattaro::platform
