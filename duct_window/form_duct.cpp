#include "duct_window/form_duct.h"

#include "charts/duct_chart.h"
#include "duct_window/texts.h"
#include "flow/fanno.h"
#include "flow/nozzle_performance.h"
#include "flow/rayleigh.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/panel_parts.h"
#include "form_runtime/slider.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"
#include "form_runtime/typed_number.h"
#include "form_runtime/value_table.h"
#include "form_runtime/while_shown.h"
#include "form_runtime/wrapped_label.h"
#include "form_runtime/zoomed_fonts.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/texts.h"
#include "nozzle_case/units_text.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace texts = duct_window::texts;
namespace units = nozzle_case::units;
using form_runtime::TableRow;
using form_runtime::ValueTable;
using form_runtime::unroundedText;
using Input = NozzleCase::Input;

namespace {

constexpr int kSliderSteps = 1000;

QLabel *line(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new form_runtime::WrappedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

TableRow placeRow(const QString &name, const flow::DuctStation &s)
{
    return {name, {s.M, s.p_p01, s.T_T01, s.p0_p01}, {}};
}

std::vector<double> fannoValues(const flow::FannoState &s)
{
    return {s.M, s.fLs_D, s.p_ps, s.T_Ts, s.rho_rhos, s.V_Vs, s.p0_p0s, s.s_R};
}

std::vector<double> rayleighValues(const flow::RayleighState &s)
{
    return {s.M, s.T0_T0s, s.p_ps, s.T_Ts, s.rho_rhos, s.V_Vs, s.p0_p0s, s.s_R};
}

} // namespace

Form_Duct::Form_Duct(NozzleCase &nozzleCase, QWidget *parent) : QWidget(parent), case_(nozzleCase)
{
    setObjectName(QStringLiteral("Form_Duct"));
    setWindowTitle(texts::kTitle);
    Label_Gas = line(texts::gasLine(case_.gasName()), "Label_Gas", this);
    Option_Fanno = new QRadioButton(texts::kFanno, this);
    Option_Fanno->setObjectName(QStringLiteral("Option_Fanno"));
    Option_Rayleigh = new QRadioButton(texts::kRayleigh, this);
    Option_Rayleigh->setObjectName(QStringLiteral("Option_Rayleigh"));
    const auto box = [this](const char *name, const QString &spoken, const QString &caption, QGridLayout *grid, int row) {
        auto *label = new QLabel(caption, this);
        auto *b = new form_runtime::TextBox(this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(spoken);
        label->setBuddy(b);
        grid->addWidget(label, row, 0);
        grid->addWidget(b, row, 1);
        return b;
    };
    auto *inputs = new QGridLayout;
    Text_AeAt = box("Text_AeAt", texts::kAeAtSpoken, texts::kAeAt, inputs, 0);
    Text_fLD = box("Text_fLD", texts::kFLDSpoken, texts::kFLD, inputs, 1);
    Text_T0Ratio = box("Text_T0Ratio", texts::kT0RatioSpoken, texts::kT0Ratio, inputs, 2);
    Text_pbp0 = box("Text_pbp0", texts::kPbP01Spoken, texts::kPbP01, inputs, 3);
    inputs->addWidget(Option_Fanno, 1, 2);
    inputs->addWidget(Option_Rayleigh, 2, 2);
    Slider_pbp0 = new form_runtime::Slider(Qt::Horizontal, this);
    Slider_pbp0->setObjectName(QStringLiteral("Slider_pbp0"));
    Slider_pbp0->setAccessibleName(texts::kPbP01Spoken);
    Slider_pbp0->setRange(0, kSliderSteps);
    Slider_pbp0->setSingleStep(kSliderSteps / 100);
    Slider_pbp0->setPageStep(kSliderSteps / 10);
    inputs->addWidget(Slider_pbp0, 3, 2);
    inputs->setColumnStretch(2, 1);

    Label_Input = line(QString(), "Label_Input", this);
    Label_Input->hide();
    Label_Regime = line(QString(), "Label_Regime", this);
    form_runtime::setBold(Label_Regime); // bold at every zoom
    Label_Critical = line(QString(), "Label_Critical", this);
    Label_Flow = line(QString(), "Label_Flow", this);

    places_ = new ValueTable({std::begin(texts::kPlaceColumns), std::end(texts::kPlaceColumns)}, this);
    Table_Places = form_runtime::valueTableView(this, places_, texts::kPlacesName, "Table_Places", 4, texts::kInlet);
    fanno_ = new ValueTable({std::begin(texts::kFannoColumns), std::end(texts::kFannoColumns)}, this);
    fanno_->setLookUp([this](int column, const QString &typed) { return lookUp(true, column, typed); }, 0);
    Table_Fanno = form_runtime::valueTableView(this, fanno_, texts::kFannoName, "Table_Fanno", 2, texts::kOtherBranch);
    rayleigh_ = new ValueTable({std::begin(texts::kRayleighColumns), std::end(texts::kRayleighColumns)}, this);
    rayleigh_->setLookUp([this](int column, const QString &typed) { return lookUp(false, column, typed); }, 0);
    Table_Rayleigh =
        form_runtime::valueTableView(this, rayleigh_, texts::kRayleighName, "Table_Rayleigh", 2, texts::kOtherBranch);
    auto *help = line(texts::kLookUpHelp, "Label_LookUp", this);
    Label_LookUpProblem = line(QString(), "Label_LookUpProblem", this);
    Picture_duct = form_runtime::paperChart(this, "Picture_duct", texts::kChartName, texts::kChartFile, QSize(380, 300));
    Picture_duct->showAxes(true);
    Picture_duct->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Picture_ts = form_runtime::paperChart(this, "Picture_ts", texts::kTsChartName, texts::kTsChartFile, QSize(380, 300));
    Picture_ts->showAxes(true);
    Picture_ts->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *copy = new QPushButton(texts::kCopyTables, this);
    copy->setObjectName(QStringLiteral("Command_CopyTables"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label_Gas);
    layout->addLayout(inputs);
    layout->addWidget(Label_Input);
    layout->addWidget(Label_Regime);
    layout->addWidget(Label_Critical);
    layout->addWidget(Label_Flow);
    layout->addWidget(Table_Places, 0, Qt::AlignLeft);
    layout->addWidget(Picture_duct, 1);
    layout->addWidget(Picture_ts, 1);
    layout->addWidget(Table_Fanno, 0, Qt::AlignLeft);
    layout->addWidget(Table_Rayleigh, 0, Qt::AlignLeft);
    layout->addWidget(help);
    layout->addWidget(Label_LookUpProblem);
    layout->addLayout(buttons);
    QWidget *const order[] = {Text_AeAt,    Text_fLD,      Option_Fanno, Text_T0Ratio,    Option_Rayleigh, Text_pbp0,
                              Slider_pbp0,  Table_Places,  Picture_duct, Picture_ts,      Table_Fanno,  Table_Rayleigh,
                              copy};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // What the case holds, or a nozzle of Ae/At = 2 into a duct of 4fL/D = 0.2 at pb/p01 = 0.5.
    const bool heat = case_.input(Input::ductKind).value == 1.0;
    (heat ? Option_Rayleigh : Option_Fanno)->setChecked(true);
    for (auto [b, input, first] : {std::tuple{Text_AeAt, Input::ductAeAt, "2"}, std::tuple{Text_fLD, Input::fLD, "0.2"},
                                   std::tuple{Text_T0Ratio, Input::T0Ratio, "1.2"},
                                   std::tuple{Text_pbp0, Input::ductPbRatio, "0.5"}}) {
        const NozzleCase::Typed &held = case_.input(input);
        fill(b, held.text.isEmpty() && !held.value ? QLatin1String(first) : held.text);
        readInput(b);
        connect(b, &QLineEdit::textChanged, this, [this, b = b] { typedInto(b); });
    }
    connect(Option_Fanno, &QRadioButton::toggled, this, &Form_Duct::kindChosen);
    connect(Slider_pbp0, &QSlider::valueChanged, this, &Form_Duct::sliderMoved);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tablesText(QLatin1Char('\t'))); });
    auto *whileShown = new form_runtime::WhileShown(this);
    whileShown->follow(&case_, &NozzleCase::gasChanged, [this](bool anotherK) { followGas(anotherK); });
    whileShown->follow(&case_, &NozzleCase::solutionChanged, [this] { followSolution(); });
    whileShown->follow(&case_, &NozzleCase::reservoirChanged, [this] { showFlow(); });
    if (!case_.input(Input::ductAeAt).filled && case_.input(Input::ductAeAt).text.isEmpty())
        followSolution();
    kindChosen();
    showLookUps();
}

// The nozzle of the last solution: station 2 is its exit.
void Form_Duct::followSolution()
{
    const std::optional<NozzleCase::Solution> &s = case_.solution();
    if (s && s->A2_As >= 1 && std::isfinite(s->A2_As)) {
        fill(Text_AeAt, form_runtime::inputText(s->A2_As));
        problems_.erase(Text_AeAt);
        case_.setInput(Input::ductAeAt, {Text_AeAt->text(), 0, s->A2_As, true});
    }
    solve();
}

void Form_Duct::followGas(bool anotherK)
{
    Label_Gas->setText(texts::gasLine(case_.gasName()));
    if (!anotherK)
        return;
    fannoFound_.clear();
    rayleighFound_.clear();
    Label_LookUpProblem->clear();
    showLookUps();
    solve();
}

void Form_Duct::fill(form_runtime::TextBox *box, const QString &text)
{
    filling_ = true;
    box->setText(text);
    box->setCursorPosition(0);
    filling_ = false;
}

void Form_Duct::typedInto(form_runtime::TextBox *box)
{
    if (filling_)
        return;
    readInput(box);
    // Typing the friction or the heat says which the duct has.
    if (box == Text_fLD && !Option_Fanno->isChecked())
        Option_Fanno->setChecked(true); // and solves
    else if (box == Text_T0Ratio && !Option_Rayleigh->isChecked())
        Option_Rayleigh->setChecked(true);
    else
        solve();
}

// A box's text into the case: its value when read whole and sound, else why not.
void Form_Duct::readInput(form_runtime::TextBox *box)
{
    const QString name = box == Text_AeAt ? texts::kAeAtName
                         : box == Text_fLD ? texts::kFLDName
                         : box == Text_T0Ratio ? texts::kT0RatioName
                                               : texts::kPbP01Name;
    const form_runtime::TypedNumber t = form_runtime::readTyped(name, box->text());
    std::optional<double> value = t.value;
    QString problem = t.problem;
    if (value) {
        const QString shown = unroundedText(*value).replace(QLatin1Char('-'), QChar(0x2212));
        if (box == Text_AeAt && !(*value >= 1))
            problem = texts::noDivergingPart(shown);
        else if (box == Text_fLD && *value < 0)
            problem = texts::negativeFriction(shown);
        else if (box == Text_T0Ratio && *value < 1)
            problem = texts::cooling(shown);
        else if (box == Text_pbp0 && *value < 0)
            problem = texts::negativePb(shown);
        else if (box == Text_pbp0 && *value > 1)
            problem = texts::ratioAboveOne(shown);
    }
    if (!problem.isEmpty())
        value.reset();
    if (problem.isEmpty())
        problems_.erase(box);
    else
        problems_[box] = problem;
    const Input input = box == Text_AeAt ? Input::ductAeAt
                        : box == Text_fLD ? Input::fLD
                        : box == Text_T0Ratio ? Input::T0Ratio
                                              : Input::ductPbRatio;
    case_.setInput(input, {box->text(), 0, value, false});
}

void Form_Duct::kindChosen()
{
    const bool heat = Option_Rayleigh->isChecked();
    case_.setInput(Input::ductKind, {QString(), 0, heat ? 1.0 : 0.0, false});
    solve();
}

void Form_Duct::sliderMoved(int value)
{
    Text_pbp0->setText(form_runtime::inputText(double(value) / kSliderSteps));
}

void Form_Duct::solve()
{
    const bool heat = Option_Rayleigh->isChecked();
    form_runtime::TextBox *const amountBox = heat ? Text_T0Ratio : Text_fLD;
    QString problem;
    form_runtime::TextBox *at = nullptr;
    for (form_runtime::TextBox *b : {Text_AeAt, amountBox, Text_pbp0}) {
        if (const auto p = problems_.find(b); p != problems_.end()) {
            problem = p->second, at = b;
            break;
        }
    }
    for (form_runtime::TextBox *b : {Text_AeAt, Text_fLD, Text_T0Ratio, Text_pbp0})
        b->flag(b == at ? problem : QString());
    const std::optional<double> &Ae = case_.input(Input::ductAeAt).value;
    const std::optional<double> &amount = case_.input(heat ? Input::T0Ratio : Input::fLD).value;
    const std::optional<double> &pb = case_.input(Input::ductPbRatio).value;
    flow_.reset();
    if (problem.isEmpty() && Ae && amount && pb)
        flow_ = flow::ductFlow(*Ae, {heat ? flow::DuctKind::Heat : flow::DuctKind::Friction, *amount}, *pb, case_.gas());
    if (problem.isEmpty() && !flow_) {
        if (Ae && amount && pb) { // read whole and sound, but the flow's figures leave the range of numbers
            problem = texts::flowBeyondRange(unroundedText(*Ae));
            Text_AeAt->flag(problem);
        } else {
            const QString empty = !Ae ? texts::kAeAtName : !amount ? (heat ? texts::kT0RatioName : texts::kFLDName)
                                                                   : texts::kPbP01Name;
            problem = form_runtime::texts::typedEmpty(empty);
        }
    }
    Label_Input->setText(problem);
    Label_Input->setHidden(problem.isEmpty());
    if (flow_) {
        const QSignalBlocker still(Slider_pbp0);
        Slider_pbp0->setValue(int(std::lround(flow_->pb_p01 * kSliderSteps)));
    }
    showFlow();
}

void Form_Duct::showFlow()
{
    Label_Regime->setHidden(!flow_);
    Label_Critical->setHidden(!flow_);
    Label_Flow->setHidden(!flow_);
    Table_Places->setHidden(!flow_);
    if (!flow_) {
        places_->setRows({});
        Picture_duct->Cls();
        Picture_ts->Cls();
        announcement_.clear();
        return;
    }
    const flow::DuctFlow &f = *flow_;
    const QString place = f.shockAs_At   ? QStringLiteral("As/At = %1").arg(form_runtime::ratioText(*f.shockAs_At))
                          : f.shock4fx_D ? QStringLiteral("4fx/D = %1").arg(form_runtime::ratioText(*f.shock4fx_D))
                                         : QString();
    const bool shock = f.regime == flow::DuctRegime::ShockInNozzle || f.regime == flow::DuctRegime::ShockInDuct;
    Label_Regime->setText(nozzle_case::texts::ductRegimeLine(f.regime, place) +
                          (shock && f.exitChoked ? texts::kExitChokedToo : QString()));
    // From the highest back pressure down, as the regimes follow one another.
    std::vector<std::pair<double, QString>> critical;
    const auto add = [&critical](const std::optional<double> &pb, const QString &name) {
        if (pb)
            critical.emplace_back(*pb, name);
    };
    add(f.critical.throatChokes, texts::kThroatChokes);
    add(f.critical.exitChokes, texts::kExitChokes);
    add(f.critical.shockAtNozzleExit, texts::kShockAtNozzleExit);
    if (f.critical.shockAtDuctExit != f.critical.shockAtNozzleExit)
        add(f.critical.shockAtDuctExit, texts::kShockAtDuctExit);
    add(f.critical.matched, texts::kMatched);
    std::stable_sort(critical.begin(), critical.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList listed;
    for (const auto &[pb, name] : critical)
        listed << QStringLiteral("%1 %2").arg(name, form_runtime::ratioText(pb));
    Label_Critical->setText(texts::criticalLine(listed.join(QStringLiteral("; "))));
    Label_Flow->setText(texts::flowLine(form_runtime::ratioText(f.massFlow), form_runtime::ratioText(f.p02_p01)) +
                        inUnits());

    std::vector<TableRow> rows{placeRow(texts::kInlet, f.inlet)};
    if (f.shock4fx_D && f.beforeShock && f.afterShock) {
        rows.push_back(placeRow(texts::kBeforeShock, *f.beforeShock));
        rows.push_back(placeRow(texts::kBehindShock, *f.afterShock));
    }
    rows.push_back(placeRow(texts::kDuctExit, f.exit));
    places_->setRows(std::move(rows));
    if (!limits_.isFor(f, case_.gas().k))
        limits_ = charts::ductLimits(f.Ae_At, f.duct, case_.gas());
    charts::grafik_duct(*Picture_duct, f, limits_, case_.gas());
    Picture_duct->setDescription(Label_Regime->text() + QLatin1Char(' ') + Label_Critical->text());
    charts::grafik_ts(*Picture_ts, f, case_.gas());
    announcement_.announce(Label_Regime->text());
}

// With the reservoir and the throat: the mass flow, and for heat q = cp (T02 - T01).
QString Form_Duct::inUnits() const
{
    const std::optional<flow::Reservoir> &r = case_.reservoir();
    if (!flow_ || !r)
        return {};
    const NozzleCase::Units &u = case_.units();
    QString text;
    if (const std::optional<double> At = case_.throatArea()) {
        const double choked = flow::chokedMassFlow(*r, *At, case_.gas());
        text += texts::massFlowInUnits(units::figureText(
            flow::fromSI(flow::Figure::MassFlow, u.system, choked * flow_->massFlow),
            units::figureUnit(flow::Figure::MassFlow, u.system)));
    }
    if (flow_->duct.kind == flow::DuctKind::Heat) {
        const double k = case_.gas().k, cp = k * r->R / (k - 1);
        const double q = cp * r->T0 * (flow_->duct.amount - 1); // J/kg
        text += texts::heatInUnits(units::figureText(q / 1000, QStringLiteral("kJ/kg")));
    }
    return text;
}

// A value typed into the look-up row: its Mach numbers (the subsonic and the
// supersonic where two share it), or why none.
bool Form_Duct::lookUp(bool fanno, int column, const QString &typed)
{
    const QString name = (fanno ? texts::kFannoColumns : texts::kRayleighColumns)[column].shown;
    const form_runtime::TypedNumber v = form_runtime::readTyped(name, typed);
    QString problem = v.problem;
    std::vector<double> found;
    if (v.value) {
        for (const flow::Branch branch : {flow::Branch::Subsonic, flow::Branch::Supersonic}) {
            std::optional<double> M;
            if (column == 0)
                M = *v.value > 0 && std::isfinite(*v.value) ? std::optional<double>(*v.value) : std::nullopt;
            else if (fanno)
                M = flow::fannoMachFrom(flow::FannoQuantity(column), *v.value, branch, case_.gas());
            else
                M = flow::rayleighMachFrom(flow::RayleighQuantity(column), *v.value, branch, case_.gas());
            if (M && (found.empty() || found.front() != *M))
                found.push_back(*M);
        }
        if (found.empty())
            problem = texts::noState(fanno ? QStringLiteral("Fanno") : QStringLiteral("Rayleigh"), name,
                                     form_runtime::texts::quoted(typed));
        // A Mach number so near 0 or so large that a ratio leaves the range of numbers.
        for (const double M : found) {
            const std::vector<double> row = fanno ? fannoValues(*flow::fannoState(M, case_.gas()))
                                                  : rayleighValues(*flow::rayleighState(M, case_.gas()));
            if (!std::all_of(row.begin(), row.end(), [](double v) { return std::isfinite(v); }))
                problem = texts::beyondRange(name, form_runtime::texts::quoted(typed));
        }
        if (!problem.isEmpty())
            found.clear();
    }
    (fanno ? fannoFound_ : rayleighFound_) = found;
    showLookUps();
    Label_LookUpProblem->setText(problem);
    if (!problem.isEmpty()) {
        (fanno ? fanno_ : rayleigh_)->refuse(column, typed, problem);
        announcement_.announce(problem);
        return false;
    }
    return true;
}

void Form_Duct::showLookUps()
{
    const flow::GasConstants &gas = case_.gas();
    std::vector<TableRow> fannoRows, rayleighRows;
    for (std::size_t i = 0; i < fannoFound_.size(); ++i)
        if (const std::optional<flow::FannoState> s = flow::fannoState(fannoFound_[i], gas))
            fannoRows.push_back({i == 0 ? texts::kAnyFanno : texts::kOtherBranch, fannoValues(*s), {}});
    for (std::size_t i = 0; i < rayleighFound_.size(); ++i)
        if (const std::optional<flow::RayleighState> s = flow::rayleighState(rayleighFound_[i], gas))
            rayleighRows.push_back({i == 0 ? texts::kAnyRayleigh : texts::kOtherBranch, rayleighValues(*s), {}});
    if (fannoRows.empty())
        fannoRows.push_back({texts::kAnyFanno, std::vector<double>(std::size(texts::kFannoColumns), NAN), {}});
    if (rayleighRows.empty())
        rayleighRows.push_back({texts::kAnyRayleigh, std::vector<double>(std::size(texts::kRayleighColumns), NAN), {}});
    fanno_->setRows(std::move(fannoRows));
    rayleigh_->setRows(std::move(rayleighRows));
}

QString Form_Duct::tablesText(QChar separator) const
{
    QString text = form_runtime::texts::kGasHeader + separator + case_.gasName() + QLatin1Char('\n');
    if (flow_) {
        text += texts::kAeAtName + separator + unroundedText(flow_->Ae_At) + QLatin1Char('\n');
        text += (flow_->duct.kind == flow::DuctKind::Heat ? texts::kT0RatioName : texts::kFLDName) + separator +
                unroundedText(flow_->duct.amount) + QLatin1Char('\n');
        text += texts::kPbP01Name + separator + unroundedText(flow_->pb_p01) + QLatin1Char('\n');
        text += QStringLiteral("Regime") + separator + QLatin1Char('"') + Label_Regime->text() + QStringLiteral("\"\n");
        text += places_->text(texts::kPlaceHeader, separator) + QLatin1Char('\n');
    }
    return text + fanno_->text(QStringLiteral("Fanno"), separator) + QLatin1Char('\n') +
           rayleigh_->text(QStringLiteral("Rayleigh"), separator);
}
