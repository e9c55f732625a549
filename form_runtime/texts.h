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

// The one line for a box or cell whose text a panel does not read whole: it
// names the box, quotes what was typed and says why.
inline const QString kRangeOfNumbers = QStringLiteral("about 1.8E+308");
inline QString typedEmpty(const QString &box)
{
    return QStringLiteral("%1 is empty: type a number.").arg(box);
}
inline QString typedNotANumber(const QString &box, const QString &typed)
{
    return QStringLiteral("%1 = \u201c%2\u201d is no number: type one with \u201c.\u201d as the decimal point, as in 0.5.")
        .arg(box, typed);
}
inline QString typedComma(const QString &box, const QString &typed, const QString &withPoint)
{
    return QStringLiteral("%1 = \u201c%2\u201d has a comma, which is no decimal point here: type %3.")
        .arg(box, typed, withPoint);
}
inline QString typedInPart(const QString &box, const QString &typed, const QString &rest)
{
    return QStringLiteral("%1 = \u201c%2\u201d is no whole number: \u201c%3\u201d is not part of a number.")
        .arg(box, typed, rest);
}
inline QString typedOutOfRange(const QString &box, const QString &typed)
{
    return QStringLiteral("%1 = \u201c%2\u201d is beyond the range of numbers (%3).").arg(box, typed, kRangeOfNumbers);
}

inline QString tableNotSaved(const QString &file, const QString &reason)
{
    return QStringLiteral("The table could not be saved as %1: %2.").arg(file, reason);
}

} // namespace form_runtime::texts
