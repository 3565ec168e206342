#include "app/list/OpenDialogFilter.h"

#include <QStringList>

QString FileDialogFilter(const QString& filterText) {
    const QStringList parts = filterText.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // The description shows its patterns in brackets; the dialog reads them from there.
        const qsizetype bracket = description.lastIndexOf(u'(');
        if (bracket > 0 && description.endsWith(u')'))
            description = description.left(bracket).trimmed();
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters.join(QStringLiteral(";;"));
}
