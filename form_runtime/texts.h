#pragma once

#include <QString>

// Texts that every panel shows alike.
namespace form_runtime::texts {

// The first line of a copied or saved table.
inline const QString kGasHeader = QStringLiteral("Gas");

// What was typed, as the one line below the table quotes it: on one line,
// and cut short when long.
inline QString quoted(const QString &typed)
{
    QString line = typed.simplified();
    for (QChar &c : line)
        if (!c.isPrint())
            c = QChar(u'\ufffd');
    return line.size() > 24 ? line.left(23) + QChar(u'\u2026') : line;
}

// The one line a look-up that is typed no number shows.
inline QString notANumber(const QString &typed)
{
    return QStringLiteral("\u201c%1\u201d is not a number. Type it with \".\" as the decimal point, as in 0.5.")
        .arg(quoted(typed));
}

inline QString tableNotSaved(const QString &file, const QString &reason)
{
    return QStringLiteral("The table could not be saved as %1: %2.").arg(file, reason);
}

} // namespace form_runtime::texts
