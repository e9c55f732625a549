#include "working_window/working.h"

#include "flow/area_ratio.h"
#include "flow/back_pressure.h"
#include "flow/duct_flow.h"
#include "flow/fanno.h"
#include "flow/rayleigh.h"
#include "flow/isentropic.h"
#include "flow/mach_iteration.h"
#include "flow/nozzle_performance.h"
#include "flow/oblique_shock.h"
#include "flow/units.h"
#include "form_runtime/text_box.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/station_rows.h"
#include "nozzle_case/texts.h"
#include "nozzle_case/units_text.h"
#include "working_window/texts.h"

#include <QStringBuilder>

#include <cmath>
#include <functional>

namespace working {

namespace {

namespace texts = working_window::texts;
namespace units = nozzle_case::units;
using form_runtime::ratioText;
using form_runtime::shownText;
using form_runtime::unroundedText;

// An intermediate value as the working carries it on: 6 significant digits.
QString carried(double value) { return QString::number(value, 'g', 6).replace(QLatin1Char('-'), QChar(0x2212)); }

Math sym(const QString &tex, const QString &text, const QString &said) { return symbol(tex, text, said); }
Math lit(const char *n) { return number(QLatin1String(n)); }
Math negative(const Math &a)
{
    return {QStringLiteral("-") + a.tex, QStringLiteral("\u2212") + a.text, QStringLiteral("minus ") + a.said, true};
}

// A quantity with a subscript: M₁, Mₙ₊₁, Aₑ; pb where Unicode has no such
// small letter. `text` is the quantity's plain name where it is not its LaTeX.
Math sub(const QString &name, const QString &index, const QString &said, const QString &text = {})
{
    static const QString lowered = QStringLiteral("\u2080\u2081\u2082\u2083\u2084\u2085\u2086\u2087\u2088\u2089");
    static const QString letters = QStringLiteral("aehiklmnopstx");
    static const QString lowLetters =
        QStringLiteral("\u2090\u2091\u2095\u1d62\u2096\u2097\u2098\u2099\u2092\u209a\u209b\u209c\u2093");
    QString low;
    bool all = true;
    for (const QChar c : index) {
        if (c.isDigit())
            low += lowered[c.digitValue()];
        else if (letters.contains(c))
            low += lowLetters[letters.indexOf(c)];
        else if (c == QLatin1Char('+'))
            low += QChar(0x208a);
        else
            all = false;
    }
    const QString plain = text.isEmpty() ? name : text;
    bool word = index.size() > 1;
    for (const QChar c : index)
        word = word && c.isLetter();
    const QString texIndex = word ? QStringLiteral("\\mathrm{%1}").arg(index) : index; // I_sp, not I_{s p}
    return sym(QStringLiteral("%1_{%2}").arg(name, texIndex), plain + (all ? low : index), said);
}

// The symbols several parts of the working share, each named once: the
// stagnation ratios' p, T, rho over p0, T0, rho0, and the nozzle exit's.
struct Symbols {
    Math p, T, rho, p0, T0, rho0;
    Math Me, pe, pb, p01, T01;
};
const Symbols &symbols()
{
    static const Symbols s{sym(QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("p")),
                           sym(QStringLiteral("T"), QStringLiteral("T"), QStringLiteral("T")),
                           sym(QStringLiteral("\\rho"), QStringLiteral("\u03c1"), QStringLiteral("rho")),
                           sub(QStringLiteral("p"), QStringLiteral("0"), QStringLiteral("p 0")),
                           sub(QStringLiteral("T"), QStringLiteral("0"), QStringLiteral("T 0")),
                           sub(QStringLiteral("\\rho"), QStringLiteral("0"), QStringLiteral("rho 0"), QStringLiteral("\u03c1")),
                           sub(QStringLiteral("M"), QStringLiteral("e"), QStringLiteral("M e")),
                           sub(QStringLiteral("p"), QStringLiteral("e"), QStringLiteral("p e")),
                           sub(QStringLiteral("p"), QStringLiteral("b"), QStringLiteral("p b")),
                           sub(QStringLiteral("p"), QStringLiteral("01"), QStringLiteral("p 0 1")),
                           sub(QStringLiteral("T"), QStringLiteral("01"), QStringLiteral("T 0 1"))};
    return s;
}

const Math k = sym(QStringLiteral("k"), QStringLiteral("k"), QStringLiteral("k"));
const Math M = sym(QStringLiteral("M"), QStringLiteral("M"), QStringLiteral("M"));

using Args = std::vector<Math>;
using Relation = std::function<Math(const Args &)>;

// 1 + (k - 1)/2 M^2
Math sum(const Math &m, const Math &kk) { return plus(lit("1"), times(over(minus(kk, lit("1")), lit("2")), power(m, lit("2")))); }

// The isentropic relations, of (M, k).
Math areaRatio(const Args &a)
{
    const Math &m = a[0], &kk = a[1];
    return times(over(lit("1"), m), power(bracket(times(over(lit("2"), plus(kk, lit("1"))), bracket(sum(m, kk)))),
                                          over(plus(kk, lit("1")), times(lit("2"), bracket(minus(kk, lit("1")))))));
}
Math pressureRatio(const Args &a)
{
    return power(bracket(sum(a[0], a[1])), negative(over(a[1], bracket(minus(a[1], lit("1"))))));
}
Math temperatureRatio(const Args &a) { return power(bracket(sum(a[0], a[1])), negative(lit("1"))); }
Math densityRatio(const Args &a)
{
    return power(bracket(sum(a[0], a[1])), negative(over(lit("1"), bracket(minus(a[1], lit("1"))))));
}
Math product(const Args &a) { return times(a[0], a[1]); }
// A function of one argument: asin(x), as \\arcsin\\left(x\\right).
Math apply(const QString &tex, const QString &text, const QString &said, const Math &x)
{
    return {QStringLiteral("%1\\left(%2\\right)").arg(tex, x.tex), QStringLiteral("%1(%2)").arg(text, x.text),
            QStringLiteral("%1 %2").arg(said, x.said), false};
}
Math quotient(const Args &a) { return over(a[0], a[1]); }

// An argument of a line: its symbol and the number put in for it.
struct Arg {
    Math symbol;
    QString printed;
};
Arg typed(const Math &s, double v) { return {s, unroundedText(v)}; }
Arg kept(const Math &s, double v) { return {s, carried(v)}; }
Arg angle(const Math &s, double degrees) { return {s, carried(degrees) + QChar(0x00b0)}; }

QString escaped(const QString &text) { return text.toHtmlEscaped(); }

// A unit in LaTeX: cm² as \mathrm{cm^{2}}.
QString texUnitName(const QString &unit)
{
    QString t = unit;
    t.replace(QChar(0x00b2), QStringLiteral("^{2}"))
        .replace(QChar(0x00b3), QStringLiteral("^{3}"))
        .replace(QChar(0x00b7), QStringLiteral("\\cdot "))
        .replace(QChar(0x00b0), QStringLiteral("^{\\circ}"));
    return QStringLiteral("\\mathrm{%1}").arg(t);
}
QString texUnit(const QString &unit) { return QStringLiteral("\\ ") + texUnitName(unit); }

class Writer {
public:
    explicit Writer(const NozzleCase &c) : case_(c), gas_(c.gas()) {}

    std::vector<Section> write()
    {
        nozzle();
        if (case_.solution()) {
            inSI();
            stations();
            backPressure();
        }
        duct();
        lookUps();
        return sections_;
    }

private:
    Arg kArg() const { return typed(k, gas_.k); }

    // The result of the line just written in the case's units, where they are not SI's.
    void alsoIn(const QString &figure) { sections_.back().items.back().line->inUnits = figure; }
    void inFigure(flow::Figure figure, double si)
    {
        const NozzleCase::Units &u = case_.units();
        if (u.system != flow::UnitSystem::SI)
            alsoIn(units::figureText(flow::fromSI(figure, u.system, si), units::figureUnit(figure, u.system)));
    }
    void inPressure(double si)
    {
        const NozzleCase::Units &u = case_.units();
        if (u.pressure != flow::PressureUnit::Pa)
            alsoIn(units::figureText(flow::fromSI(u.pressure, si), units::pressureUnit(u)));
    }
    void inTemperature(double si)
    {
        const NozzleCase::Units &u = case_.units();
        if (u.temperature != flow::TemperatureUnit::K)
            alsoIn(units::figureText(flow::fromSI(u.temperature, si), units::temperatureUnit(u)));
    }

    void begin(const QString &title) { sections_.push_back({title, {}}); }
    void note(const QString &text) { sections_.back().items.push_back({std::nullopt, text}); }
    void line(const QString &key, const Math &lhs, const Relation &f, const std::vector<Arg> &args, const QString &result,
              const QString &unit = {})
    {
        Line l;
        l.key = key;
        l.lhs = lhs;
        Args symbols, numbers;
        for (const Arg &a : args) {
            symbols.push_back(a.symbol);
            numbers.push_back(number(a.printed));
            l.putIn.push_back(a.printed);
        }
        l.relation = f(symbols);
        l.numbers = f(numbers);
        l.result = result;
        l.unit = unit;
        sections_.back().items.push_back({l, {}});
    }

    // The throat from station 1, then station 2 as the option asked.
    void nozzle()
    {
        begin(texts::kNozzle);
        note(texts::gasLine(case_.gasName()));
        const std::optional<NozzleCase::Solution> &s = case_.solution();
        if (!s) {
            note(case_.noSolutionWhy().isEmpty() ? texts::kNothingSolved : case_.noSolutionWhy());
            if (!case_.noSolutionCause().isEmpty())
                note(case_.noSolutionCause());
            return;
        }
        note(s->solvedFrom + QLatin1Char('.'));
        for (const QString &doubt : s->doubts)
            note(doubt);
        const QString area = units::areaUnit(s->areaUnit);
        const NozzleCase::Station &one = s->stations[0];
        const double A1_As = flow::AAfM(one.M, gas_);
        const Math M1 = sub(QStringLiteral("M"), QStringLiteral("1"), QStringLiteral("M 1"));
        const Math A1 = sub(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("A 1"));
        const Math A2 = sub(QStringLiteral("A"), QStringLiteral("2"), QStringLiteral("A 2"));
        const Math As = sym(QStringLiteral("A^*"), QStringLiteral("A*"), QStringLiteral("A star"));
        const Math A1As = over(A1, As), A2As = over(A2, As), A2A1 = over(A2, A1);
        line(QStringLiteral("A/A*"), A1As, areaRatio, {typed(M1, one.M), kArg()}, carried(A1_As));
        line(QStringLiteral("quotient"), As, quotient, {typed(A1, one.A), kept(A1As, A1_As)}, shownText(s->As), area);
        if (case_.units().area != s->areaUnit) // solved in one unit, shown now in another
            if (const std::optional<double> shown = case_.throatAreaShown())
                alsoIn(units::figureText(*shown, units::areaUnit(case_.units())));
        if (s->stations.size() == 3 && !s->stations[2].branch) { // option A2: the area at M2
            const NozzleCase::Station &two = s->stations[2];
            const Math M2 = sub(QStringLiteral("M"), QStringLiteral("2"), QStringLiteral("M 2"));
            const double A2_As = flow::AAfM(two.M, gas_);
            line(QStringLiteral("A/A*"), A2As, areaRatio, {typed(M2, two.M), kArg()}, carried(A2_As));
            line(QStringLiteral("quotient"), A2A1, quotient, {kept(A2As, A2_As), kept(A1As, A1_As)}, carried(A2_As / A1_As));
            line(QStringLiteral("product"), A2, product, {kept(A2A1, A2_As / A1_As), typed(A1, one.A)}, shownText(two.A),
                 area);
            return;
        }
        const double area2 = s->stations[2].A;
        line(QStringLiteral("quotient"), A2A1, quotient, {typed(A2, area2), typed(A1, one.A)}, carried(area2 / one.A));
        line(QStringLiteral("product"), A2As, product, {kept(A2A1, area2 / one.A), kept(A1As, A1_As)}, carried(s->A2_As));
        for (std::size_t i = 2; i < s->stations.size(); ++i)
            iteration(s->stations[i], s->A2_As);
    }

    // The fixed-point iteration on one branch, from M = 1, as the main window made it.
    void iteration(const NozzleCase::Station &station, double A2_As)
    {
        const bool subsonic = station.branch == flow::Branch::Subsonic;
        const QString branch = subsonic ? QStringLiteral("subsonic") : QStringLiteral("supersonic");
        std::vector<double> iterates;
        const flow::MachIteration it = flow::M_iter(A2_As, 1, *station.branch, gas_, &iterates);
        note(texts::iterationStart(branch));
        const Math Mn = sub(QStringLiteral("M"), QStringLiteral("n"), QStringLiteral("M n"));
        const Math Mnext = sub(QStringLiteral("M"), QStringLiteral("n+1"), QStringLiteral("M n plus 1"));
        const Math ratio = over(sub(QStringLiteral("A"), QStringLiteral("2"), QStringLiteral("A 2")),
                                sym(QStringLiteral("A^*"), QStringLiteral("A*"), QStringLiteral("A star")));
        const double before = iterates.size() >= 2 ? iterates[iterates.size() - 2] : 1.0;
        note(texts::iterationSteps(it.steps, carried(before), carried(it.M), it.converged));
        // The step that made the last iterate, with the iterate before it put in.
        const Relation step = subsonic ? Relation([](const Args &a) { // (1/AAr) ((1 + kc2 M^2)/(1 + kc2))^kc3
            const Math kk = a[2];
            return times(over(lit("1"), a[0]),
                         power(bracket(over(sum(a[1], kk), plus(lit("1"), over(minus(kk, lit("1")), lit("2"))))),
                               over(plus(kk, lit("1")), times(lit("2"), bracket(minus(kk, lit("1")))))));
        })
                                       : Relation([](const Args &a) { // sqrt(((1 + kc2) (AAr M)^(1/kc3) - 1) / kc2)
                                             const Math kk = a[2];
                                             const Math kc2 = over(minus(kk, lit("1")), lit("2"));
                                             return root(over(
                                                 minus(times(bracket(plus(lit("1"), kc2)),
                                                             power(bracket(times(a[0], a[1])),
                                                                   over(times(lit("2"), bracket(minus(kk, lit("1")))),
                                                                        plus(kk, lit("1"))))),
                                                       lit("1")),
                                                 kc2));
                                         });
        line(subsonic ? QStringLiteral("subsonic step") : QStringLiteral("supersonic step"), Mnext, step,
             {kept(ratio, A2_As), kept(Mn, before), kArg()}, shownText(it.M));
        const std::optional<nozzle_case::BranchRoot> root = nozzle_case::branchRoot(it.M, A2_As, *station.branch, gas_);
        if (root && !root->shownByIterate)
            note(texts::iterateIsNotRoot(root->iterateShown, root->rootShown));
    }

    // The reservoir and the throat area as typed, in SI: the relations below take them so.
    void inSI()
    {
        const std::optional<flow::Reservoir> &r = case_.reservoir();
        const std::optional<double> At = case_.throatArea();
        const NozzleCase::Units &u = case_.units();
        if (!r)
            return;
        begin(texts::kInSI);
        // A figure typed in a unit of its own, times the unit's size in SI.
        const auto convert = [&](const Math &name, const QString &typedText, const QString &unit, const QString &si,
                                 double factor, double value) {
            if (factor == 1)
                return note(QStringLiteral("%1 = %2\u00a0%3.").arg(name.text, typedText, si));
            const auto part = [](const QString &u) { return u.contains(QLatin1Char('/')) ? QStringLiteral("(%1)").arg(u) : u; };
            const Math size = sym(texUnitName(part(si) + QLatin1Char('/') + part(unit)), part(si) + QLatin1Char('/') + part(unit),
                                  si + QStringLiteral(" per ") + unit);
            const Math given = sym(QStringLiteral("%1\\,[%2]").arg(name.tex, texUnitName(unit)),
                                   QStringLiteral("%1 [%2]").arg(name.text, unit), name.said + QStringLiteral(" in ") + unit);
            const Math inSI = sym(QStringLiteral("%1\\,[%2]").arg(name.tex, texUnitName(si)),
                                  QStringLiteral("%1 [%2]").arg(name.text, si), name.said + QStringLiteral(" in ") + si);
            line(QStringLiteral("product"), inSI, product, {{given, typedText}, kept(size, factor)},
                 carried(value), si);
        };
        // As typed, where the box holds the figure in the unit chosen now.
        const auto typedText = [&](NozzleCase::Input input, double inUnit) {
            const NozzleCase::Typed &t = case_.input(input);
            return t.value && !t.filled ? t.text.trimmed() : form_runtime::inputText(inUnit);
        };
        convert(p0(), typedText(NozzleCase::Input::p0, flow::fromSI(u.pressure, r->p0)), units::pressureUnit(u), QStringLiteral("Pa"),
                flow::toSI(u.pressure, 1), r->p0);
        if (u.temperature == flow::TemperatureUnit::K)
            note(QStringLiteral("T\u2080 = %1\u00a0K.").arg(typedText(NozzleCase::Input::T0, r->T0)));
        else
            note(QStringLiteral("T\u2080 = %1 = %2\u00a0K.")
                     .arg(units::figureText(flow::fromSI(u.temperature, r->T0), units::temperatureUnit(u)), carried(r->T0)));
        convert(gasR(), typedText(NozzleCase::Input::R, flow::fromSI(u.R, r->R)), units::kGasConstant[int(u.R)], QStringLiteral("J/(kg\u00b7K)"),
                flow::toSI(u.R, 1), r->R);
        if (At) {
            const QString area = units::areaUnit(case_.solution()->areaUnit);
            convert(at(), unroundedText(case_.solution()->As), area, QStringLiteral("m\u00b2"),
                    flow::toSI(case_.solution()->areaUnit, 1), *At);
        }
    }

    // p/p0, T/T0 and rho/rho0 at each station, and in units where the reservoir is given.
    void stations()
    {
        const NozzleCase::Solution &s = *case_.solution();
        begin(texts::kStations);
        const std::optional<flow::Reservoir> &r = case_.reservoir();
        for (const NozzleCase::Station &station : s.stations) {
            const double m = nozzle_case::exactMach(station, s.A2_As, gas_);
            const flow::IsentropicState st = flow::isentropicState(m, gas_);
            note(texts::stationHeading(station.name, ratioText(m)));
            stagnationRatios(m, st, flow::Quantity::M);
            if (r)
                stateInUnits(m, st, *r);
        }
        if (r)
            massFlow(*r);
        else
            note(texts::kNoReservoir);
    }

    // p/p0, T/T0 and rho/rho0 at Mach number m, but for the one that was `given`.
    void stagnationRatios(double m, const flow::IsentropicState &st, flow::Quantity given)
    {
        const Symbols &y = symbols();
        if (given != flow::Quantity::p_p0)
            line(QStringLiteral("p/p0"), over(y.p, y.p0), pressureRatio, {kept(M, m), kArg()}, ratioText(st.p_p0));
        if (given != flow::Quantity::T_T0)
            line(QStringLiteral("T/T0"), over(y.T, y.T0), temperatureRatio, {kept(M, m), kArg()}, ratioText(st.T_T0));
        if (given != flow::Quantity::rho_rho0)
            line(QStringLiteral("rho/rho0"), over(y.rho, y.rho0), densityRatio, {kept(M, m), kArg()}, ratioText(st.rho_rho0));
    }

    void stateInUnits(double m, const flow::IsentropicState &st, const flow::Reservoir &r)
    {
        const flow::StateInUnits u = flow::stateInUnits(r, m, st.p_p0, st.T_T0, gas_);
        const Math &p = symbols().p;
        const Math &T = symbols().T;
        const Math R = sym(QStringLiteral("R"), QStringLiteral("R"), QStringLiteral("R"));
        const Math a = sym(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a"));
        const Math &p0 = symbols().p0;
        const Math &T0 = symbols().T0;
        line(QStringLiteral("product"), p, product, {kept(over(p, p0), st.p_p0), kept(p0, r.p0)}, carried(u.p),
             QStringLiteral("Pa"));
        inPressure(u.p);
        line(QStringLiteral("product"), T, product, {kept(over(T, T0), st.T_T0), kept(T0, r.T0)}, carried(u.T),
             QStringLiteral("K"));
        inTemperature(u.T);
        line(QStringLiteral("rho"), sym(QStringLiteral("\\rho"), QStringLiteral("\u03c1"), QStringLiteral("rho")),
             [](const Args &x) { return over(x[0], times(x[1], x[2])); }, {kept(p, u.p), kept(R, r.R), kept(T, u.T)},
             carried(u.rho), QStringLiteral("kg/m\u00b3"));
        inFigure(flow::Figure::Density, u.rho);
        line(QStringLiteral("a"), a, [](const Args &x) { return root(times(times(x[0], x[1]), x[2])); },
             {kArg(), kept(R, r.R), kept(T, u.T)}, carried(u.a), QStringLiteral("m/s"));
        inFigure(flow::Figure::Velocity, u.a);
        line(QStringLiteral("product"), sym(QStringLiteral("V"), QStringLiteral("V"), QStringLiteral("V")), product,
             {kept(M, m), kept(a, u.a)}, carried(u.V), QStringLiteral("m/s"));
        inFigure(flow::Figure::Velocity, u.V);
    }

    // The choked mass flow through the throat.
    void massFlow(const flow::Reservoir &r)
    {
        const std::optional<double> At = case_.throatArea();
        if (!At)
            return;
        line(QStringLiteral("mdot"), mdot(), chokedFlow,
             {kept(p0(), r.p0), kept(at(), *At), kArg(), kept(gasR(), r.R), kept(T0(), r.T0)},
             carried(flow::chokedMassFlow(r, *At, gas_)), QStringLiteral("kg/s"));
        inFigure(flow::Figure::MassFlow, flow::chokedMassFlow(r, *At, gas_));
    }

    static Math mdot() { return sym(QStringLiteral("\\dot{m}"), QStringLiteral("\u1e41"), QStringLiteral("m dot")); }
    static Math p0() { return sub(QStringLiteral("p"), QStringLiteral("0"), QStringLiteral("p 0")); }
    static Math T0() { return sub(QStringLiteral("T"), QStringLiteral("0"), QStringLiteral("T 0")); }
    static Math at() { return sub(QStringLiteral("A"), QStringLiteral("t"), QStringLiteral("A t")); }
    static Math gasR() { return sym(QStringLiteral("R"), QStringLiteral("R"), QStringLiteral("R")); }
    // p0 At sqrt(k / (R T0)) (2 / (k + 1))^((k + 1) / (2 (k - 1))), of (p0, At, k, R, T0).
    static Math chokedFlow(const Args &x)
    {
        const Math &kk = x[2];
        return times(times(times(x[0], x[1]), root(over(kk, times(x[3], x[4])))),
                     power(bracket(over(lit("2"), plus(kk, lit("1")))),
                           over(plus(kk, lit("1")), times(lit("2"), bracket(minus(kk, lit("1")))))));
    }

    // The nozzle of the solution at the back pressure the Back pressure panel was given.
    void backPressure()
    {
        const std::optional<double> &Ae = case_.input(NozzleCase::Input::AeAt).value;
        const std::optional<double> &pb = case_.input(NozzleCase::Input::pbRatio).value;
        if (!Ae || !pb)
            return;
        const std::optional<flow::BackPressureFlow> f = flow::backPressureFlow(*Ae, *pb, gas_);
        if (!f)
            return;
        begin(texts::kBackPressure);
        const Math AeAt = over(sub(QStringLiteral("A"), QStringLiteral("e"), QStringLiteral("A e")), at());
        const Math pbp01 = over(sub(QStringLiteral("p"), QStringLiteral("b"), QStringLiteral("p b")),
                                sub(QStringLiteral("p"), QStringLiteral("01"), QStringLiteral("p 0 1")));
        const double Msub =
            *Ae > 1 ? flow::machFrom(flow::Quantity::A_As, *Ae, flow::Branch::Subsonic, gas_).value_or(0) : 1;
        const double Msup =
            *Ae > 1 ? flow::machFrom(flow::Quantity::A_As, *Ae, flow::Branch::Supersonic, gas_).value_or(INFINITY) : 1;
        const flow::CriticalPressures &c = f->critical;
        const auto critical = [&](const char *index, const QString &said) {
            return sub(QStringLiteral("\\left(\\frac{p_{b}}{p_{01}}\\right)"), QLatin1String(index), said,
                       QStringLiteral("(pb/p\u2080\u2081)"));
        };
        note(texts::branchMach(QStringLiteral("subsonic"), carried(*Ae), carried(Msub)));
        line(QStringLiteral("p/p0"), critical("1", QStringLiteral("the first critical pressure ratio")), pressureRatio,
             {kept(M, Msub), kArg()}, ratioText(c.chokedSubsonic));
        note(texts::branchMach(QStringLiteral("supersonic"), carried(*Ae), carried(Msup)));
        line(QStringLiteral("p/p0"), critical("3", QStringLiteral("the third critical pressure ratio")), pressureRatio,
             {kept(M, Msup), kArg()}, ratioText(c.design));
        const double jump = flow::normalShock(Msup, gas_).p2_p1;
        const Math p2p1 = over(sub(QStringLiteral("p"), QStringLiteral("2"), QStringLiteral("p 2")),
                               sub(QStringLiteral("p"), QStringLiteral("1"), QStringLiteral("p 1")));
        line(QStringLiteral("p2/p1"), p2p1, shockPressure, {kept(M, Msup), kArg()}, carried(jump));
        line(QStringLiteral("product"), critical("2", QStringLiteral("the second critical pressure ratio")), product,
             {kept(critical("3", QStringLiteral("the third")), c.design), kept(p2p1, jump)}, ratioText(c.shockAtExit));
        note(regimeTest(*f));
        const Math &Me = symbols().Me;
        const Math &pe = symbols().pe;
        if (f->regime == flow::Regime::ShockInside) {
            const Math P = sym(QStringLiteral("P"), QStringLiteral("P"), QStringLiteral("P"));
            const double Pv = *pb * *Ae;
            note(texts::kExitMachClosedForm);
            line(QStringLiteral("product"), P, product, {kept(pbp01, *pb), kept(AeAt, *Ae)}, carried(Pv));
            line(QStringLiteral("Me"), Me, exitMach, {kept(P, Pv), kArg()}, ratioText(f->exit.M));
            const double pe_p02 = flow::isentropicState(f->exit.M, gas_).p_p0;
            const Math p02 = sub(QStringLiteral("p"), QStringLiteral("02"), QStringLiteral("p 0 2"));
            const Math &p01 = symbols().p01;
            line(QStringLiteral("p/p0"), over(pe, p02), pressureRatio, {kept(M, f->exit.M), kArg()}, carried(pe_p02));
            const double p02_p01 = f->afterShock->p0_p01;
            line(QStringLiteral("quotient"), over(p02, p01), quotient, {typed(pbp01, *pb), kept(over(pe, p02), pe_p02)},
                 ratioText(p02_p01));
            const double Ms = f->beforeShock->M;
            note(texts::shockMach(carried(p02_p01), carried(Ms)));
            line(QStringLiteral("A/A*"), over(sub(QStringLiteral("A"), QStringLiteral("s"), QStringLiteral("A s")), at()),
                 areaRatio, {kept(M, Ms), kArg()}, ratioText(f->beforeShock->A_At));
            line(QStringLiteral("M2 shock"), sub(QStringLiteral("M"), QStringLiteral("2"), QStringLiteral("M 2")),
                 shockMach2, {kept(M, Ms), kArg()}, ratioText(f->afterShock->M));
            line(QStringLiteral("product"), over(pe, p01), product,
                 {kept(over(pe, p02), pe_p02), kept(over(p02, p01), p02_p01)}, ratioText(f->exit.p_p01));
        } else if (f->regime != flow::Regime::NoFlow) {
            const bool subsonicExit = f->regime == flow::Regime::Subsonic || f->regime == flow::Regime::ChokedSubsonic;
            note(QStringLiteral("The exit: Me = %1.").arg(ratioText(f->exit.M)));
            if (!subsonicExit || f->regime == flow::Regime::ChokedSubsonic)
                line(QStringLiteral("p/p0"), over(pe, sub(QStringLiteral("p"), QStringLiteral("01"), QStringLiteral("p 0 1"))),
                     pressureRatio, {kept(M, f->exit.M), kArg()}, ratioText(f->exit.p_p01));
        }
        lip(*f);
        performance(*f);
    }

    // The wave at the exit lip: an overexpanded jet's oblique shock, an
    // underexpanded one's Prandtl-Meyer fan. Angles in degrees.
    void lip(const flow::BackPressureFlow &f)
    {
        const Math &Me = symbols().Me;
        const Math &pe = symbols().pe;
        const Math &pb = symbols().pb;
        const Math &p01 = symbols().p01;
        const Math beta = sym(QStringLiteral("\\beta"), QStringLiteral("\u03b2"), QStringLiteral("beta"));
        const Math theta = sym(QStringLiteral("\\theta"), QStringLiteral("\u03b8"), QStringLiteral("theta"));
        const Math nu = sym(QStringLiteral("\\nu"), QStringLiteral("\u03bd"), QStringLiteral("nu"));
        if (f.regime == flow::Regime::Overexpanded) {
            const double pb_pe = f.pb_p01 / f.exit.p_p01;
            const std::optional<flow::LipShock> lip = flow::lipShock(f.exit.M, pb_pe, gas_);
            if (!lip)
                return;
            begin(texts::kLip);
            const flow::ObliqueShock &sh = lip->shock;
            line(QStringLiteral("quotient"), over(pb, pe), quotient,
                 {kept(over(pb, p01), f.pb_p01), kept(over(pe, p01), f.exit.p_p01)}, carried(pb_pe));
            const Math Mn = sub(QStringLiteral("M"), QStringLiteral("n1"), QStringLiteral("M n 1"));
            line(QStringLiteral("Mn"), Mn, [](const Args &x) {
                return root(plus(lit("1"), times(over(plus(x[1], lit("1")), times(lit("2"), x[1])), bracket(minus(x[0], lit("1"))))));
            }, {kept(over(pb, pe), pb_pe), kArg()}, carried(sh.Mn1));
            line(QStringLiteral("beta"), beta, [](const Args &x) { return apply(QStringLiteral("\\arcsin"), QStringLiteral("asin"), QStringLiteral("the arc sine of"), over(x[0], x[1])); },
                 {kept(Mn, sh.Mn1), kept(Me, f.exit.M)}, carried(sh.beta), QStringLiteral("\u00b0"));
            line(QStringLiteral("theta"), theta, thetaRelation, {kept(Me, f.exit.M), angle(beta, sh.beta), kArg()}, carried(sh.theta), QStringLiteral("\u00b0"));
            note(lip->machDisc ? texts::machDisc(carried(lip->most.theta), carried(lip->most.beta))
                               : texts::mostDeflection(carried(lip->most.theta), carried(lip->most.beta)));
        } else if (f.regime == flow::Regime::Underexpanded) {
            const std::optional<flow::LipFan> fan = flow::lipFan(f.exit.M, f.pb_p01, gas_);
            if (!fan || !std::isfinite(fan->Mb))
                return;
            begin(texts::kLip);
            const Math Mb = sub(QStringLiteral("M"), QStringLiteral("b"), QStringLiteral("M b"));
            line(QStringLiteral("M of p/p0"), Mb, [](const Args &x) {
                return root(times(over(lit("2"), minus(x[1], lit("1"))),
                                  bracket(minus(power(bracket(over(lit("1"), x[0])), over(minus(x[1], lit("1")), x[1])), lit("1")))));
            }, {kept(over(pb, p01), f.pb_p01), kArg()}, carried(fan->Mb));
            const auto prandtlMeyer = [](const Args &x) {
                const Math &M = x[0], &kk = x[1];
                const Math m2 = minus(power(M, lit("2")), lit("1"));
                return minus(times(root(over(plus(kk, lit("1")), minus(kk, lit("1")))),
                                   apply(QStringLiteral("\\arctan"), QStringLiteral("atan"), QStringLiteral("the arc tangent of"),
                                         root(times(over(minus(kk, lit("1")), plus(kk, lit("1"))), bracket(m2))))),
                             apply(QStringLiteral("\\arctan"), QStringLiteral("atan"), QStringLiteral("the arc tangent of"), root(m2)));
            };
            const flow::IsentropicState e = flow::isentropicState(f.exit.M, gas_), b = flow::isentropicState(fan->Mb, gas_);
            const Math nue = sub(QStringLiteral("\\nu"), QStringLiteral("e"), QStringLiteral("nu e"), QStringLiteral("\u03bd"));
            const Math nub = sub(QStringLiteral("\\nu"), QStringLiteral("b"), QStringLiteral("nu b"), QStringLiteral("\u03bd"));
            line(QStringLiteral("nu"), nue, prandtlMeyer, {kept(Me, f.exit.M), kArg()}, carried(e.nu), QStringLiteral("\u00b0"));
            line(QStringLiteral("nu"), nub, prandtlMeyer, {kept(Mb, fan->Mb), kArg()}, carried(b.nu), QStringLiteral("\u00b0"));
            line(QStringLiteral("difference"), theta, [](const Args &x) { return minus(x[0], x[1]); },
                 {angle(nub, b.nu), angle(nue, e.nu)}, carried(fan->turn), QStringLiteral("\u00b0"));
            (void)nu;
        }
    }

    // The nozzle into the duct, at the Duct panel's inputs: the regime, and
    // along each stretch of the duct the level of its Fanno or Rayleigh line
    // (4fL*/D or T0/T0*) at the start, at the end, the Mach number there and
    // the pressure it brings.
    void duct()
    {
        using Input = NozzleCase::Input;
        const std::optional<double> &Ae = case_.input(Input::ductAeAt).value;
        const bool heat = case_.input(Input::ductKind).value == 1.0;
        const std::optional<double> &amount = case_.input(heat ? Input::T0Ratio : Input::fLD).value;
        const std::optional<double> &pb = case_.input(Input::ductPbRatio).value;
        if (!Ae || !amount || !pb)
            return;
        const std::optional<flow::DuctFlow> f =
            flow::ductFlow(*Ae, {heat ? flow::DuctKind::Heat : flow::DuctKind::Friction, *amount}, *pb, gas_);
        if (!f)
            return;
        begin(texts::kDuct);
        note(texts::ductGiven(carried(*Ae), heat, carried(*amount), carried(*pb)));
        const QString place = f->shockAs_At   ? QStringLiteral("As/At = %1").arg(ratioText(*f->shockAs_At))
                              : f->shock4fx_D ? QStringLiteral("4fx/D = %1").arg(ratioText(*f->shock4fx_D))
                                              : QString();
        note(nozzle_case::texts::ductRegimeLine(f->regime, place));
        if (f->regime == flow::DuctRegime::NoFlow)
            return;
        note(texts::ductInlet(ratioText(f->inlet.M), ratioText(f->inlet.p_p01)));
        const Math Ms = sub(QStringLiteral("M"), QStringLiteral("s"), QStringLiteral("M s"));
        if (f->shock4fx_D && f->beforeShock && f->afterShock) {
            const double x = *f->shock4fx_D;
            stretch(f->inlet, *f->beforeShock, x, heat, false, QStringLiteral("i"), QStringLiteral("s"));
            line(QStringLiteral("M2 shock"), sub(QStringLiteral("M"), QStringLiteral("s2"), QStringLiteral("M s 2")), shockMach2,
                 {kept(Ms, f->beforeShock->M), kArg()}, ratioText(f->afterShock->M));
            stretch(*f->afterShock, f->exit, f->duct.amount - x, heat, f->exitChoked, QStringLiteral("s2"), QStringLiteral("e"));
        } else {
            stretch(f->inlet, f->exit, f->duct.amount, heat, f->exitChoked, QStringLiteral("i"), QStringLiteral("e"));
        }
        const Math &pe = symbols().pe;
        const Math pi = sub(QStringLiteral("p"), QStringLiteral("i"), QStringLiteral("p i"));
        const Math &p01 = symbols().p01;
        line(QStringLiteral("product"), over(pe, p01), product,
             {kept(over(pe, pi), f->exit.p_p01 / f->inlet.p_p01), kept(over(pi, p01), f->inlet.p_p01)},
             ratioText(f->exit.p_p01));
        note(texts::ductMassFlow(ratioText(f->massFlow)));
    }

    // One stretch of the duct from `a` to `b` over `amount` of friction (its
    // 4fL/D) or heat (T02/T01), the stations named by their subscripts.
    void stretch(const flow::DuctStation &a, const flow::DuctStation &b, double amount, bool heat, bool choked,
                 const QString &from, const QString &to)
    {
        const Math Ma = sub(QStringLiteral("M"), from, QStringLiteral("M ") + from);
        const Math Mb = sub(QStringLiteral("M"), to, QStringLiteral("M ") + to);
        const auto level = [&](const QString &at) {
            return heat ? over(sub(QStringLiteral("T"), QStringLiteral("0") + at, QStringLiteral("T 0 ") + at),
                               sym(QStringLiteral("T_{0}^*"), QStringLiteral("T\u2080*"), QStringLiteral("T 0 star")))
                        : sub(QStringLiteral("\\left(\\frac{4fL^*}{D}\\right)"), at, QStringLiteral("4 f L star over D ") + at,
                              QStringLiteral("(4fL*/D)"));
        };
        const double la = heat ? flow::rayleighState(a.M, gas_)->T0_T0s : flow::fannoState(a.M, gas_)->fLs_D;
        const double lb = heat ? la * amount : la - amount;
        if (heat)
            line(QStringLiteral("rayleigh T0"), level(from), rayleighTotal, {kept(Ma, a.M), kArg()}, carried(la));
        else
            line(QStringLiteral("fanno"), level(from), fannoLength, {kept(Ma, a.M), kArg()}, carried(la));
        const Math given = heat ? over(sub(QStringLiteral("T"), QStringLiteral("02"), QStringLiteral("T 0 2")),
                                       sub(QStringLiteral("T"), QStringLiteral("01"), QStringLiteral("T 0 1")))
                                : sym(QStringLiteral("4fL/D"), QStringLiteral("4fL/D"), QStringLiteral("4 f L over D"));
        if (heat)
            line(QStringLiteral("product"), level(to), product, {kept(level(from), la), kept(given, amount)}, carried(lb));
        else
            line(QStringLiteral("difference"), level(to), [](const Args &x) { return minus(x[0], x[1]); },
                 {kept(level(from), la), kept(given, amount)}, carried(lb));
        note(choked || b.M == 1 ? texts::ductChoked(to) : texts::ductMach(to, carried(lb), ratioText(b.M)));
        const Math pa = sub(QStringLiteral("p"), from, QStringLiteral("p ") + from);
        const Math pb = sub(QStringLiteral("p"), to, QStringLiteral("p ") + to);
        line(heat ? QStringLiteral("rayleigh p ratio") : QStringLiteral("fanno p ratio"), over(pb, pa),
             heat ? rayleighPressure : fannoPressure, {kept(Ma, a.M), kept(Mb, b.M), kArg()}, carried(b.p_p01 / a.p_p01));
    }

    // 4fL*/D = (1 - M^2)/(k M^2) + (k+1)/(2k) ln((k+1) M^2 / (2 + (k-1) M^2)), of (M, k).
    static Math fannoLength(const Args &x)
    {
        const Math &m = x[0], &kk = x[1];
        const Math m2 = power(m, lit("2"));
        return plus(over(minus(lit("1"), m2), times(kk, m2)),
                    times(over(plus(kk, lit("1")), times(lit("2"), kk)),
                          apply(QStringLiteral("\\ln"), QStringLiteral("ln"), QStringLiteral("the natural logarithm of"),
                                over(times(plus(kk, lit("1")), m2), plus(lit("2"), times(minus(kk, lit("1")), m2))))));
    }
    // T0/T0* = (k+1) M^2 (2 + (k-1) M^2) / (1 + k M^2)^2, of (M, k).
    static Math rayleighTotal(const Args &x)
    {
        const Math &m = x[0], &kk = x[1];
        const Math m2 = power(m, lit("2"));
        return over(times(times(plus(kk, lit("1")), m2), bracket(plus(lit("2"), times(minus(kk, lit("1")), m2)))),
                    power(bracket(plus(lit("1"), times(kk, m2))), lit("2")));
    }
    // p_b/p_a along a Fanno line: (M_a/M_b) sqrt((2 + (k-1) M_a^2) / (2 + (k-1) M_b^2)), of (M_a, M_b, k).
    static Math fannoPressure(const Args &x)
    {
        const Math &kk = x[2];
        return times(over(x[0], x[1]), root(over(plus(lit("2"), times(minus(kk, lit("1")), power(x[0], lit("2")))),
                                                  plus(lit("2"), times(minus(kk, lit("1")), power(x[1], lit("2")))))));
    }
    // p_b/p_a along a Rayleigh line: (1 + k M_a^2) / (1 + k M_b^2), of (M_a, M_b, k).
    static Math rayleighPressure(const Args &x)
    {
        const Math &kk = x[2];
        return over(plus(lit("1"), times(kk, power(x[0], lit("2")))), plus(lit("1"), times(kk, power(x[1], lit("2")))));
    }

    // The look-up rows the student filled: each from the value typed, its
    // Mach number, then the row's other figures from it.
    void lookUps()
    {
        const auto &isentropic = case_.lookUp(NozzleCase::Table::Isentropic);
        const auto &normal = case_.lookUp(NozzleCase::Table::NormalShock);
        const auto &oblique = case_.lookUp(NozzleCase::Table::ObliqueShock);
        if (!isentropic && !normal && !oblique)
            return;
        begin(texts::kLookUps);
        const Math &p = symbols().p;
        const Math &T = symbols().T;
        const Math &rho = symbols().rho;
        const Math &p0 = symbols().p0;
        const Math &T0 = symbols().T0;
        const Math &rho0 = symbols().rho0;
        const Math A = sym(QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A"));
        const Math As = sym(QStringLiteral("A^*"), QStringLiteral("A*"), QStringLiteral("A star"));
        if (isentropic) {
            const NozzleCase::LookUp &l = *isentropic;
            note(texts::lookedUp(texts::kIsentropicTable, l.column, unroundedText(l.value)));
            const auto machOf = [&](const QString &key, const Math &ratio, const Relation &f) {
                line(key, M, f, {typed(ratio, l.ratio), kArg()}, ratioText(l.M));
            };
            switch (l.quantity) {
            case flow::Quantity::M: break;
            case flow::Quantity::p_p0:
                machOf(QStringLiteral("M of p/p0"), over(p, p0), [](const Args &x) {
                    return root(times(over(lit("2"), minus(x[1], lit("1"))),
                                      bracket(minus(power(bracket(over(lit("1"), x[0])), over(minus(x[1], lit("1")), x[1])), lit("1")))));
                });
                break;
            case flow::Quantity::T_T0:
                machOf(QStringLiteral("M of T/T0"), over(T, T0), [](const Args &x) {
                    return root(times(over(lit("2"), minus(x[1], lit("1"))), bracket(minus(over(lit("1"), x[0]), lit("1")))));
                });
                break;
            case flow::Quantity::rho_rho0:
                machOf(QStringLiteral("M of rho/rho0"), over(rho, rho0), [](const Args &x) {
                    return root(times(over(lit("2"), minus(x[1], lit("1"))),
                                      bracket(minus(power(bracket(over(lit("1"), x[0])), minus(x[1], lit("1"))), lit("1")))));
                });
                break;
            default:
                note(texts::foundBySearch(l.branch == flow::Branch::Supersonic ? QStringLiteral("supersonic") : QStringLiteral("subsonic"),
                                          ratioText(l.M)));
            }
            const flow::IsentropicState st = flow::isentropicState(l.M, gas_);
            stagnationRatios(l.M, st, l.quantity);
            if (l.quantity != flow::Quantity::A_As)
                line(QStringLiteral("A/A*"), over(A, As), areaRatio, {kept(M, l.M), kArg()}, ratioText(st.A_As));
        }
        const Math M1 = sub(QStringLiteral("M"), QStringLiteral("1"), QStringLiteral("M 1"));
        const Math p2p1 = over(sub(QStringLiteral("p"), QStringLiteral("2"), QStringLiteral("p 2")),
                               sub(QStringLiteral("p"), QStringLiteral("1"), QStringLiteral("p 1")));
        const Math M2 = sub(QStringLiteral("M"), QStringLiteral("2"), QStringLiteral("M 2"));
        if (normal) {
            const NozzleCase::LookUp &l = *normal;
            note(texts::lookedUp(texts::kNormalShockTable, l.column, unroundedText(l.value)));
            if (l.column == QLatin1String("p2/p1"))
                line(QStringLiteral("Mn"), M1, [](const Args &x) {
                    return root(plus(lit("1"), times(over(plus(x[1], lit("1")), times(lit("2"), x[1])), bracket(minus(x[0], lit("1"))))));
                }, {typed(p2p1, l.value), kArg()}, ratioText(l.M));
            else if (l.column != QLatin1String("M1"))
                note(texts::shockMachOf(l.column, ratioText(l.M)));
            const flow::NormalShock n = flow::normalShock(l.M, gas_);
            line(QStringLiteral("M2 shock"), M2, shockMach2, {kept(M1, l.M), kArg()}, ratioText(n.M2));
            line(QStringLiteral("p2/p1"), p2p1, shockPressure, {kept(M1, l.M), kArg()}, ratioText(n.p2_p1));
            const Math p02p01 = over(sub(QStringLiteral("p"), QStringLiteral("02"), QStringLiteral("p 0 2")),
                                     sub(QStringLiteral("p"), QStringLiteral("01"), QStringLiteral("p 0 1")));
            line(QStringLiteral("p02/p01 shock"), p02p01, [](const Args &x) {
                const Math &m = x[0], &kk = x[1];
                const Math m2 = power(m, lit("2"));
                return times(power(bracket(over(times(plus(kk, lit("1")), m2), plus(times(minus(kk, lit("1")), m2), lit("2")))),
                                   over(kk, minus(kk, lit("1")))),
                             power(bracket(minus(times(over(times(lit("2"), kk), plus(kk, lit("1"))), m2),
                                                 over(minus(kk, lit("1")), plus(kk, lit("1"))))),
                                   negative(over(lit("1"), minus(kk, lit("1"))))));
            }, {kept(M1, l.M), kArg()}, ratioText(n.p02_p01));
        }
        if (oblique) {
            const NozzleCase::LookUp &l = *oblique;
            const double m1 = l.M;
            std::optional<double> beta;
            if (l.column.startsWith(QChar(0x03b8)))
                beta = flow::shockAngles(m1, l.value, gas_) ? std::optional<double>(flow::shockAngles(m1, l.value, gas_)->weak) : std::nullopt;
            else if (l.column.startsWith(QChar(0x03b2)))
                beta = l.value;
            else
                beta = flow::shockAngleFor(m1, l.value, gas_);
            const std::optional<flow::ObliqueShock> sh = beta ? flow::obliqueShock(m1, *beta, gas_) : std::nullopt;
            if (sh) {
                const bool degrees = l.column.endsWith(QStringLiteral(" (\u00b0)"));
                note(texts::obliqueLookedUp(unroundedText(m1), degrees ? l.column.chopped(4) : l.column,
                                            unroundedText(l.value) + (degrees ? QStringLiteral("\u00b0") : QString()),
                                            carried(sh->beta)));
                const Math betaSym = sym(QStringLiteral("\\beta"), QStringLiteral("\u03b2"), QStringLiteral("beta"));
                const Math Mn1 = sub(QStringLiteral("M"), QStringLiteral("n1"), QStringLiteral("M n 1"));
                const Math Mn2 = sub(QStringLiteral("M"), QStringLiteral("n2"), QStringLiteral("M n 2"));
                const Math thetaSym = sym(QStringLiteral("\\theta"), QStringLiteral("\u03b8"), QStringLiteral("theta"));
                const auto sine = [](const Math &x) { return apply(QStringLiteral("\\sin"), QStringLiteral("sin"), QStringLiteral("the sine of"), x); };
                line(QStringLiteral("Mn of beta"), Mn1, [sine](const Args &x) { return times(x[0], sine(x[1])); },
                     {typed(M1, m1), angle(betaSym, sh->beta)}, carried(sh->Mn1));
                line(QStringLiteral("theta"), thetaSym, thetaRelation, {typed(M1, m1), angle(betaSym, sh->beta), kArg()},
                     carried(sh->theta), QStringLiteral("\u00b0"));
                line(QStringLiteral("p2/p1"), p2p1, shockPressure, {kept(Mn1, sh->Mn1), kArg()}, ratioText(sh->p2_p1));
                const double mn2 = flow::normalShock(sh->Mn1, gas_).M2;
                line(QStringLiteral("M2 shock"), Mn2, shockMach2, {kept(Mn1, sh->Mn1), kArg()}, carried(mn2));
                line(QStringLiteral("M2 oblique"), M2, [sine](const Args &x) { return over(x[0], sine(minus(x[1], x[2]))); },
                     {kept(Mn2, mn2), angle(betaSym, sh->beta), angle(thetaSym, sh->theta)}, ratioText(sh->M2));
            }
        }
    }

    static Math thetaRelation(const Args &x)
    {
        const Math &M = x[0], &b = x[1], &kk = x[2];
        const Math sin2 = power(apply(QStringLiteral("\\sin"), QStringLiteral("sin"), QStringLiteral("the sine of"), b), lit("2"));
        return apply(QStringLiteral("\\arctan"), QStringLiteral("atan"), QStringLiteral("the arc tangent of"),
                     over(times(times(lit("2"), apply(QStringLiteral("\\cot"), QStringLiteral("cot"), QStringLiteral("the cotangent of"), b)),
                                bracket(minus(times(power(M, lit("2")), sin2), lit("1")))),
                          plus(times(power(M, lit("2")),
                                     bracket(plus(kk, apply(QStringLiteral("\\cos"), QStringLiteral("cos"), QStringLiteral("the cosine of"),
                                                            times(lit("2"), b))))),
                               lit("2"))));
    }

    static Math shockPressure(const Args &x) // 1 + 2k/(k+1) (M^2 - 1)
    {
        return plus(lit("1"), times(over(times(lit("2"), x[1]), plus(x[1], lit("1"))),
                                    bracket(minus(power(x[0], lit("2")), lit("1")))));
    }
    static Math shockMach2(const Args &x) // sqrt((1 + (k-1)/2 M^2) / (k M^2 - (k-1)/2))
    {
        const Math kc2 = over(minus(x[1], lit("1")), lit("2"));
        return root(over(sum(x[0], x[1]), minus(times(x[1], power(x[0], lit("2"))), kc2)));
    }
    // Me^2 = 2C / (1 + sqrt(1 + 2(k-1) C)), C = ((2/(k+1))^((k+1)/(2(k-1))) / P)^2
    static Math exitMach(const Args &x)
    {
        const Math &kk = x[1];
        const Math C = power(bracket(over(power(bracket(over(lit("2"), plus(kk, lit("1")))),
                                                over(plus(kk, lit("1")), times(lit("2"), bracket(minus(kk, lit("1")))))),
                                          x[0])),
                             lit("2"));
        return root(over(times(lit("2"), C),
                         plus(lit("1"), root(plus(lit("1"), times(times(lit("2"), bracket(minus(kk, lit("1")))), C))))));
    }

    QString regimeTest(const flow::BackPressureFlow &f) const
    {
        const QString pb = ratioText(f.pb_p01);
        const flow::CriticalPressures &c = f.critical;
        switch (f.regime) {
        case flow::Regime::NoFlow: return QStringLiteral("pb/p01 = 1: no flow.");
        case flow::Regime::Subsonic:
            return QStringLiteral("pb/p01 = %1 lies above %2: subsonic throughout, the throat not choked.")
                .arg(pb, ratioText(c.chokedSubsonic));
        case flow::Regime::ChokedSubsonic:
            return QStringLiteral("pb/p01 = %1 is %2: the throat just chokes, the exit subsonic.")
                .arg(pb, ratioText(c.chokedSubsonic));
        case flow::Regime::ShockInside:
            return QStringLiteral("pb/p01 = %1 lies between %2 and %3: a normal shock stands in the diverging part.")
                .arg(pb, ratioText(c.shockAtExit), ratioText(c.chokedSubsonic));
        case flow::Regime::ShockAtExit:
            return QStringLiteral("pb/p01 = %1 is %2: a normal shock stands in the exit plane.").arg(pb, ratioText(c.shockAtExit));
        case flow::Regime::Overexpanded:
            return QStringLiteral("pb/p01 = %1 lies between %2 and %3: overexpanded, the exit supersonic below pb.")
                .arg(pb, ratioText(c.design), ratioText(c.shockAtExit));
        case flow::Regime::Design:
            return QStringLiteral("pb/p01 = %1 is %2: the design condition, the exit at pb.").arg(pb, ratioText(c.design));
        case flow::Regime::Underexpanded:
            return QStringLiteral("pb/p01 = %1 lies below %2: underexpanded, the exit above pb.").arg(pb, ratioText(c.design));
        }
        return {};
    }

    // The thrust and its coefficients, in SI, where the reservoir and the throat area are given.
    void performance(const flow::BackPressureFlow &f)
    {
        const std::optional<flow::Reservoir> &r = case_.reservoir();
        const std::optional<double> At = case_.throatArea();
        if (!r || !At || f.regime == flow::Regime::NoFlow)
            return;
        const flow::Performance perf = flow::performance(f, *r, *At, gas_);
        begin(texts::kPerformance);
        const bool choked = f.regime != flow::Regime::Subsonic;
        const Math &Me = symbols().Me;
        const Math Te = sub(QStringLiteral("T"), QStringLiteral("e"), QStringLiteral("T e"));
        const Math ae = sub(QStringLiteral("a"), QStringLiteral("e"), QStringLiteral("a e"));
        const Math Ve = sub(QStringLiteral("V"), QStringLiteral("e"), QStringLiteral("V e"));
        const Math &pe = symbols().pe;
        const Math &pb = symbols().pb;
        const Math Aee = sub(QStringLiteral("A"), QStringLiteral("e"), QStringLiteral("A e"));
        const Math &p01 = symbols().p01;
        const Math &T01 = symbols().T01;
        const double Ae = f.Ae_At * *At;
        line(QStringLiteral("T/T0"), over(Te, T01), temperatureRatio, {kept(Me, f.exit.M), kArg()}, carried(f.exit.T_T01));
        line(QStringLiteral("product"), Te, product, {kept(over(Te, T01), f.exit.T_T01), kept(T01, r->T0)},
             carried(perf.exit.T), QStringLiteral("K"));
        inTemperature(perf.exit.T);
        line(QStringLiteral("a"), ae, [](const Args &x) { return root(times(times(x[0], x[1]), x[2])); },
             {kArg(), kept(gasR(), r->R), kept(Te, perf.exit.T)}, carried(perf.exit.a), QStringLiteral("m/s"));
        inFigure(flow::Figure::Velocity, perf.exit.a);
        line(QStringLiteral("product"), Ve, product, {kept(Me, f.exit.M), kept(ae, perf.exit.a)}, carried(perf.exit.V),
             QStringLiteral("m/s"));
        inFigure(flow::Figure::Velocity, perf.exit.V);
        line(QStringLiteral("product"), pe, product, {kept(over(pe, p01), f.exit.p_p01), kept(p01, r->p0)},
             carried(perf.exit.p), QStringLiteral("Pa"));
        inPressure(perf.exit.p);
        line(QStringLiteral("product"), pb, product, {kept(over(pb, p01), f.pb_p01), kept(p01, r->p0)}, carried(perf.pb),
             QStringLiteral("Pa"));
        inPressure(perf.pb);
        line(QStringLiteral("product"), Aee, product, {kept(over(Aee, at()), f.Ae_At), kept(at(), *At)}, carried(Ae),
             QStringLiteral("m\u00b2"));
        if (choked)
            line(QStringLiteral("mdot"), mdot(), chokedFlow,
                 {kept(p01, r->p0), kept(at(), *At), kArg(), kept(gasR(), r->R), kept(T01, r->T0)},
                 carried(perf.massFlow), QStringLiteral("kg/s"));
        else
            line(QStringLiteral("rho V A"), mdot(),
                 [](const Args &x) { return times(times(over(x[0], times(x[1], x[2])), x[3]), x[4]); },
                 {kept(pe, perf.exit.p), kept(gasR(), r->R), kept(Te, perf.exit.T), kept(Ve, perf.exit.V), kept(Aee, Ae)},
                 carried(perf.massFlow), QStringLiteral("kg/s"));
        inFigure(flow::Figure::MassFlow, perf.massFlow);
        const Math F = sym(QStringLiteral("F"), QStringLiteral("F"), QStringLiteral("F"));
        line(QStringLiteral("F"), F,
             [](const Args &x) { return plus(times(x[0], x[1]), times(bracket(minus(x[2], x[3])), x[4])); },
             {kept(mdot(), perf.massFlow), kept(Ve, perf.exit.V), kept(pe, perf.exit.p), kept(pb, perf.pb), kept(Aee, Ae)},
             carried(perf.thrust), QStringLiteral("N"));
        inFigure(flow::Figure::Force, perf.thrust);
        line(QStringLiteral("CF"), sub(QStringLiteral("C"), QStringLiteral("F"), QStringLiteral("C F")),
             [](const Args &x) { return over(x[0], times(x[1], x[2])); },
             {kept(F, perf.thrust), kept(p01, r->p0), kept(at(), *At)}, carried(perf.CF));
        if (perf.massFlow > 0) {
            line(QStringLiteral("c*"), sym(QStringLiteral("c^*"), QStringLiteral("c*"), QStringLiteral("c star")),
                 [](const Args &x) { return over(times(x[0], x[1]), x[2]); },
                 {kept(p01, r->p0), kept(at(), *At), kept(mdot(), perf.massFlow)}, carried(perf.cStar), QStringLiteral("m/s"));
            inFigure(flow::Figure::Velocity, perf.cStar);
            line(QStringLiteral("Isp"), sub(QStringLiteral("I"), QStringLiteral("sp"), QStringLiteral("I s p")),
                 [](const Args &x) { return over(x[0], times(x[1], x[2])); },
                 {kept(F, perf.thrust), kept(mdot(), perf.massFlow),
                  {sub(QStringLiteral("g"), QStringLiteral("0"), QStringLiteral("g 0")), QStringLiteral("9.80665")}},
                 carried(perf.Isp), QStringLiteral("s"));
        }
        if (f.regime == flow::Regime::Overexpanded)
            note(texts::separation(ratioText(f.exit.p_p01 / f.pb_p01), perf.separates));
    }

    const NozzleCase &case_;
    const flow::GasConstants &gas_;
    std::vector<Section> sections_;
};

// A line whose relation is its quantity itself (A2/A1 = A2/A1): written with its numbers only.
bool givenAsIs(const Line &l) { return l.relation.text == l.lhs.text; }

QString withUnit(const Line &l)
{
    const QString result = number(l.result).text;
    const QString figure = l.unit.isEmpty()                    ? result
                           : l.unit == QStringLiteral("\u00b0") ? result + l.unit
                                                                  : result + QChar(0x00a0) + l.unit;
    return l.inUnits.isEmpty() ? figure : figure + QStringLiteral(" = ") + l.inUnits;
}

} // namespace

std::vector<Section> workingOf(const NozzleCase &nozzleCase) { return Writer(nozzleCase).write(); }

QString resultText(const Line &line) { return withUnit(line); }

QString plainText(const std::vector<Section> &working)
{
    QString out;
    for (const Section &s : working) {
        out += s.title + QLatin1Char('\n');
        for (const Section::Item &item : s.items) {
            if (!item.line) {
                out += item.note + QLatin1Char('\n');
                continue;
            }
            const Line &l = *item.line;
            const QString indent(l.lhs.text.size() + 1, QLatin1Char(' '));
            if (givenAsIs(l))
                out += l.lhs.text + QStringLiteral(" = ") + l.numbers.text + QLatin1Char('\n');
            else
                out += l.lhs.text + QStringLiteral(" = ") + l.relation.text + QLatin1Char('\n') + indent +
                       QStringLiteral("= ") + l.numbers.text + QLatin1Char('\n');
            out += indent + QStringLiteral("= ") + withUnit(l) + QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
    }
    return out.trimmed() + QLatin1Char('\n');
}

// Each line an align* block of its own, so that a page may break between
// two lines and never inside one.
QString latex(const std::vector<Section> &working)
{
    QString out = QStringLiteral("% The working, as align* blocks of amsmath (\\usepackage{amsmath}).\n\n");
    for (const Section &s : working) {
        out += QStringLiteral("% ") + s.title + QLatin1Char('\n');
        for (const Section::Item &item : s.items) {
            if (!item.line) {
                out += QStringLiteral("% ") + item.note + QLatin1Char('\n');
                continue;
            }
            const Line &l = *item.line;
            QString result = number(l.result).tex + (l.unit.isEmpty() ? QString() : texUnit(l.unit));
            if (!l.inUnits.isEmpty()) {
                const QStringList figure = l.inUnits.split(QChar(0x00a0));
                result += QStringLiteral(" = ") + number(figure.value(0)).tex + texUnit(figure.value(1));
            }
            out += QStringLiteral("\\begin{align*}\n") + l.lhs.tex + QStringLiteral(" &= ");
            if (!givenAsIs(l))
                out += l.relation.tex + QStringLiteral(" \\\\\n&= ");
            out += l.numbers.tex + QStringLiteral(" \\\\\n&= ") + result + QStringLiteral("\n\\end{align*}\n");
        }
        out += QLatin1Char('\n');
    }
    out.replace(QChar(0x2212), QLatin1Char('-'));
    return out;
}

QString html(const Section &s)
{
    QString body = QStringLiteral("<h3>%1</h3>\n").arg(escaped(s.title));
    for (const Section::Item &item : s.items) {
        if (!item.line) {
            body += QStringLiteral("<p>%1</p>\n").arg(escaped(item.note));
            continue;
        }
        const Line &l = *item.line;
        const QString said = l.lhs.said + QStringLiteral(" equals ") + (givenAsIs(l) ? l.numbers.said : l.relation.said);
        // Each step a paragraph of its own, the steps after the first indented, and so a
        // step too long for the line wraps under its own start.
        const QString step = QStringLiteral("<p class=\"step\" style=\"margin: 0 0 0 2em\">= %1</p>\n");
        body += QStringLiteral("<p class=\"line\" style=\"margin: 0.6em 0 0 0\"><span role=\"math\" aria-label=\"%1\">%2 = %3</span></p>\n")
                    .arg(escaped(said), escaped(l.lhs.text), escaped(givenAsIs(l) ? l.numbers.text : l.relation.text));
        if (!givenAsIs(l))
            body += step.arg(escaped(l.numbers.text));
        body += step.arg(QStringLiteral("<b>%1</b>").arg(escaped(withUnit(l))));
    }
    return body;
}

QString html(const std::vector<Section> &working, bool page)
{
    QString body;
    for (const Section &s : working)
        body += html(s);
    if (!page)
        return body;
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                          "<style>\n@page { size: A4; margin: 18mm; }\n"
                          "body { font-family: 'DejaVu Serif', Georgia, serif; font-size: 11pt; max-width: 170mm; "
                          "margin: 1em auto; }\n"
                          "h3 { margin: 1.2em 0 0.4em; break-after: avoid; }\n"
                          "p { line-height: 1.45; }\np.line { break-after: avoid; }\np.step { break-inside: avoid; }\n</style>\n</head>\n<body>\n<h1>%1</h1>\n"
                          "%2</body>\n</html>\n")
        .arg(escaped(working_window::texts::kPageTitle), body);
}

} // namespace working
