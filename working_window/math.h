#pragma once

// A relation written once and read three ways: as LaTeX for a report, as
// plain text with Unicode symbols for the screen and the clipboard, and as
// words for a screen reader. Each piece is built from smaller ones, so that
// the three stay the same relation.

#include <QString>

#include <utility>

namespace working {

struct Math {
    Math() = default;
    Math(QString tex_, QString text_, QString said_, bool compound_ = false)
        : tex(std::move(tex_)), text(std::move(text_)), said(std::move(said_)), compound(compound_)
    {
    }

    QString tex, text, said;
    bool compound = false; // holds an operator: put in brackets where it stands in a larger term
    bool fraction = false; // a fraction: LaTeX sets it apart without brackets
    QString bareTex;       // of a bracket: what it holds, for LaTeX places that need no brackets

    bool empty() const { return text.isEmpty(); }
};

// A symbol: its LaTeX, its plain text and its spoken name.
Math symbol(const QString &tex, const QString &text, const QString &said);
// A number as printed ("1.5e-05" is written 1.5 × 10⁻⁵); a negative one
// comes in brackets where it stands in a larger term.
Math number(const QString &printed);

Math plus(const Math &a, const Math &b);
Math minus(const Math &a, const Math &b);
Math times(const Math &a, const Math &b);
Math over(const Math &a, const Math &b);      // a fraction
Math power(const Math &base, const Math &exponent);
Math root(const Math &a);                     // the square root
Math bracket(const Math &a);                  // (a), said as it is

} // namespace working
