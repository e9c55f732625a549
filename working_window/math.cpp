#include "working_window/math.h"

#include <QRegularExpression>

namespace working {

namespace {

const QChar kMinus(0x2212);

// Digits and signs written raised: M² and 10⁻⁵.
QString superscript(const QString &text)
{
    static const QString digits = QStringLiteral("\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
    QString raised;
    for (const QChar c : text) {
        if (c.isDigit())
            raised += digits[c.digitValue()];
        else if (c == QLatin1Char('-') || c == kMinus)
            raised += QChar(0x207b);
        else if (c == QLatin1Char('+'))
            raised += QChar(0x207a);
        else
            return {};
    }
    return raised;
}

QString wrapped(const Math &m) { return m.compound ? QStringLiteral("(%1)").arg(m.text) : m.text; }
QString wrappedTex(const Math &m)
{
    return m.compound && !m.fraction ? QStringLiteral("\\left(%1\\right)").arg(m.tex) : m.tex;
}
// In a numerator, a denominator or an exponent LaTeX needs no brackets.
QString bareTex(const Math &m) { return m.bareTex.isEmpty() ? m.tex : m.bareTex; }

} // namespace

Math symbol(const QString &tex, const QString &text, const QString &said) { return {tex, text, said, false}; }

Math number(const QString &printed)
{
    QString plain = printed;
    plain.replace(kMinus, QLatin1Char('-'));
    if (plain.endsWith(QChar(0x00b0))) { // an angle in degrees
        Math n = number(plain.chopped(1));
        n.tex += QStringLiteral("^{\\circ}");
        n.text += QChar(0x00b0);
        n.said += QStringLiteral(" degrees");
        return n;
    }
    static const QRegularExpression scientific(QStringLiteral("^(-?[0-9.]+)[eE]([-+]?)0*([0-9]+)$"));
    const QRegularExpressionMatch m = scientific.match(plain);
    const bool negative = plain.startsWith(QLatin1Char('-'));
    Math n;
    if (m.hasMatch()) {
        const QString exponent = (m.captured(2) == QLatin1String("-") ? QStringLiteral("-") : QString()) + m.captured(3);
        n.tex = QStringLiteral("%1 \\times 10^{%2}").arg(m.captured(1), exponent);
        n.text = QStringLiteral("%1\u00d710%2").arg(m.captured(1), superscript(exponent));
        n.said = QStringLiteral("%1 times 10 to the power %2").arg(m.captured(1), exponent);
        n.compound = true;
    } else {
        n.tex = plain;
        n.text = plain;
        n.said = plain;
        n.compound = negative;
    }
    n.text.replace(QLatin1Char('-'), kMinus);
    n.said.replace(QLatin1Char('-'), QStringLiteral("minus "));
    return n;
}

Math plus(const Math &a, const Math &b)
{
    return {a.tex + QStringLiteral(" + ") + b.tex, a.text + QStringLiteral(" + ") + b.text,
            a.said + QStringLiteral(" plus ") + b.said, true};
}

Math minus(const Math &a, const Math &b)
{
    return {a.tex + QStringLiteral(" - ") + wrappedTex(b), a.text + QStringLiteral(" \u2212 ") + wrapped(b),
            a.said + QStringLiteral(" minus ") + b.said, true};
}

Math times(const Math &a, const Math &b)
{
    return {wrappedTex(a) + QStringLiteral(" \\cdot ") + wrappedTex(b), wrapped(a) + QStringLiteral("\u00b7") + wrapped(b),
            a.said + QStringLiteral(" times ") + b.said, true};
}

Math over(const Math &a, const Math &b)
{
    Math f{QStringLiteral("\\frac{%1}{%2}").arg(bareTex(a), bareTex(b)), wrapped(a) + QLatin1Char('/') + wrapped(b),
           a.said + QStringLiteral(" over ") + b.said, true};
    f.fraction = true;
    return f;
}

Math power(const Math &base, const Math &exponent)
{
    const QString raised = exponent.compound ? QString() : superscript(exponent.text);
    Math p;
    p.tex = QStringLiteral("{%1}^{%2}").arg(base.fraction ? QStringLiteral("\\left(%1\\right)").arg(base.tex) : wrappedTex(base),
                                            bareTex(exponent));
    p.text = wrapped(base) + (raised.isEmpty() ? QStringLiteral("^") + wrapped(exponent) : raised);
    p.said = exponent.text == QLatin1String("2") ? base.said + QStringLiteral(" squared")
                                                 : base.said + QStringLiteral(" to the power ") + exponent.said;
    p.compound = false;
    return p;
}

Math root(const Math &a)
{
    return {QStringLiteral("\\sqrt{%1}").arg(bareTex(a)), QStringLiteral("\u221a") + (a.compound ? QStringLiteral("(%1)").arg(a.text) : a.text),
            QStringLiteral("the square root of ") + a.said, false};
}

Math bracket(const Math &a)
{
    Math b{QStringLiteral("\\left(%1\\right)").arg(a.tex), QStringLiteral("(%1)").arg(a.text), a.said, false};
    b.bareTex = a.tex;
    return b;
}

} // namespace working
