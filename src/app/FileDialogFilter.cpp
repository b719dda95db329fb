#include "app/FileDialogFilter.h"

#include <QStringList>

QString FileDialogFilter(const std::string& description, const std::string& pattern) {
    // The description usually repeats the patterns in brackets; Qt reads the last bracketed
    // group as the pattern list, so the description's own copy is replaced by the real one.
    QString base = QString::fromStdString(description).trimmed();
    if (base.endsWith(')')) {
        const qsizetype open = base.lastIndexOf('(');
        if (open >= 0)
            base = base.left(open).trimmed();
    }
    QStringList patterns;
    for (const QString& part : QString::fromStdString(pattern).split(';', Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            patterns << trimmed;
    }
    return base + " (" + patterns.join(' ') + ")";
}
