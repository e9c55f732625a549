#include "backpressure_window/form_backpressure.h"

#include "backpressure_window/texts.h"
#include "charts/pressure_chart.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/csv_file.h"
#include "form_runtime/message_box.h"
#include "form_runtime/panel_parts.h"
#include "form_runtime/slider.h"
#include "form_runtime/table_view.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"
#include "form_runtime/typed_number.h"
#include "form_runtime/value_table.h"
#include "form_runtime/while_shown.h"
#include "form_runtime/wrapped_label.h"
#include "form_runtime/zoomed_fonts.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/units_text.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace texts = backpressure_window::texts;
namespace units = nozzle_case::units;
using form_runtime::TableRow;
using form_runtime::ValueTable;
using form_runtime::unroundedText;

namespace {

constexpr int kSliderSteps = 1000;
constexpr double kBoxStep = 0.01; // Up and Down in the pb/p01 box
constexpr int kRestMs = 600;      // the inputs rest this long before the regime is announced

TableRow nozzleRow(const QString &name, const flow::NozzleStation &s)
{
    return {name, {s.M, s.A_At, s.p_p01, s.T_T01, s.rho_rho01, s.p0_p01}, {}};
}

TableRow shockRow(const QString &name, const flow::NormalShock &s)
{
    return {name, {s.M1, s.M2, s.p2_p1, s.T2_T1, s.rho2_rho1, s.p02_p01, s.p02_p1}, {}};
}

QLabel *line(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new form_runtime::WrappedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QString gasOfTheChart(const flow::GasConstants &gas)
{
    return gas.k == flow::kAir ? QString() : QStringLiteral(" Gas: k = %1.").arg(unroundedText(gas.k));
}

} // namespace

Form_BackPressure::Form_BackPressure(NozzleCase &nozzleCase, QWidget *parent) : QWidget(parent), case_(nozzleCase)
{
    setObjectName(QStringLiteral("Form_BackPressure"));
    setWindowTitle(texts::kTitle);

    Label_Gas = line(texts::gasLine(case_.gasName()), "Label_Gas", this);
    auto *aeLabel = new QLabel(texts::kAeAt, this);
    Text_AeAt = new form_runtime::TextBox(this);
    Text_AeAt->setObjectName(QStringLiteral("Text_AeAt"));
    Text_AeAt->setAccessibleName(texts::kAeAtSpoken);
    aeLabel->setBuddy(Text_AeAt);
    auto *pbLabel = new QLabel(texts::kPbP01, this);
    Text_pbp0 = new form_runtime::TextBox(this);
    Text_pbp0->setObjectName(QStringLiteral("Text_pbp0"));
    Text_pbp0->setAccessibleName(texts::kPbP01Spoken);
    Text_pbp0->installEventFilter(this);
    pbLabel->setBuddy(Text_pbp0);
    Slider_pbp0 = new form_runtime::Slider(Qt::Horizontal, this);
    Slider_pbp0->setObjectName(QStringLiteral("Slider_pbp0"));
    Slider_pbp0->setAccessibleName(texts::kPbP01Spoken);
    Slider_pbp0->setRange(0, kSliderSteps);
    Slider_pbp0->setSingleStep(kSliderSteps / 100);
    Slider_pbp0->setPageStep(kSliderSteps / 10);
    Slider_pbp0->setValue(int(0.6 * kSliderSteps));

    Label_Input = line(QString(), "Label_Input", this);
    Label_Input->hide();
    Label_Regime = line(QString(), "Label_Regime", this);
    form_runtime::setBold(Label_Regime); // bold at every zoom
    Label_Critical = line(QString(), "Label_Critical", this);

    nozzle_ = new ValueTable({std::begin(texts::kNozzleColumns), std::end(texts::kNozzleColumns)}, this);
    shock_ = new ValueTable({std::begin(texts::kShockColumns), std::end(texts::kShockColumns)}, this);
    shock_->setLookUp([this](int column, const QString &typed) { return lookUpShock(column, typed); });
    Table_Nozzle = tableView(nozzle_, texts::kNozzleTableName, "Table_Nozzle", 4, texts::kAnyShock);
    Table_Shock = tableView(shock_, texts::kShockTableName, "Table_Shock", 2, texts::kAnyShock);
    auto *help = line(texts::kLookUpHelp, "Label_LookUp", this);
    Label_LookUpProblem = line(QString(), "Label_LookUpProblem", this);

    Picture_pressure = paperChart("Picture_pressure", texts::kChartName, texts::kChartFile,
                                  QSize(380, 300)); // room for its axes and legend
    Picture_pressure->showAxes(true);
    Picture_pressure->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding); // grows with the panel
    auto *conical = line(texts::kConical, "Label_Conical", this);
    buildExitLip();
    buildInUnits();
    auto *pbUnitsLabel = new QLabel(texts::kPb, this);
    pbUnitsLabel->setBuddy(Text_pb);

    auto *copy = new QPushButton(texts::kCopyTables, this);
    copy->setObjectName(QStringLiteral("Command_CopyTables"));
    auto *save = new QPushButton(texts::kSaveAsCsv, this);
    save->setObjectName(QStringLiteral("Command_SaveAsCsv"));

    auto *inputs = new QGridLayout;
    inputs->addWidget(aeLabel, 0, 0);
    inputs->addWidget(Text_AeAt, 0, 1);
    inputs->addWidget(pbLabel, 1, 0);
    inputs->addWidget(Text_pbp0, 1, 1);
    inputs->addWidget(Slider_pbp0, 1, 2);
    inputs->addWidget(pbUnitsLabel, 2, 0);
    inputs->addWidget(Text_pb, 2, 1);
    inputs->addWidget(Unit_pb, 2, 2, 1, 1, Qt::AlignLeft);
    inputs->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(save);

    // The tables above, the chart below, growing with the panel, and its note
    // and the buttons under it; the lines wrap at the panel's width.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label_Gas);
    layout->addLayout(inputs);
    layout->addWidget(Label_Input);
    layout->addWidget(Label_Regime);
    layout->addWidget(Label_Critical);
    layout->addWidget(Label_Units);
    layout->addWidget(Table_Performance, 0, Qt::AlignLeft);
    layout->addWidget(Table_Nozzle, 0, Qt::AlignLeft);
    layout->addWidget(Table_NozzleUnits, 0, Qt::AlignLeft);
    layout->addWidget(Table_Shock, 0, Qt::AlignLeft);
    layout->addWidget(help);
    layout->addWidget(Label_LookUpProblem);
    layout->addWidget(Table_Oblique, 0, Qt::AlignLeft);
    layout->addWidget(Label_ObliqueHelp);
    layout->addWidget(Label_ObliqueProblem);
    layout->addWidget(Picture_pressure, 1);
    layout->addWidget(conical);
    layout->addWidget(Label_Lip);
    layout->addWidget(Table_Lip, 0, Qt::AlignLeft);
    layout->addWidget(Picture_lip);
    layout->addWidget(Picture_CF);
    // Tab in reading order: the inputs, pb right after pb/p01, then down the
    // panel, the buttons last.
    QWidget *const order[] = {Text_AeAt,   Text_pbp0,         Text_pb,      Unit_pb,           Slider_pbp0,
                              Table_Performance, Table_Nozzle, Table_NozzleUnits, Table_Shock, Table_Oblique,
                              Picture_pressure,  Table_Lip,    Picture_lip,       Picture_CF,  copy,
                              save};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    layout->addLayout(buttons);

    rest_ = new QTimer(this);
    rest_->setSingleShot(true);
    rest_->setInterval(kRestMs);
    connect(rest_, &QTimer::timeout, this, [this] {
        if (!flow_)
            return;
        QStringList said{Label_Regime->text()};
        if (!Label_Lip->isHidden())
            said << Label_Lip->text();
        if (!saidInUnits_.isEmpty())
            said << saidInUnits_;
        announcement_.announce(said.join(QLatin1Char(' ')));
    });
    // What the case holds of the inputs, or a nozzle of Ae/At = 2 at pb/p01
    // = 0.6. Of pb and pb/p01, the one typed last is read; the other follows.
    const bool pbGiven = case_.backPressureGiven() == NozzleCase::Input::pb;
    for (auto [box, input, first] : {std::tuple{Text_AeAt, NozzleCase::Input::AeAt, "2"},
                                     std::tuple{Text_pbp0, NozzleCase::Input::pbRatio, pbGiven ? "" : "0.6"},
                                     std::tuple{Text_pb, NozzleCase::Input::pb, ""}}) {
        const NozzleCase::Typed &held = case_.input(input);
        if (input == NozzleCase::Input::pb && (!held.text.isEmpty() || held.value))
            Unit_pb->setCurrentIndex(held.unit);
        fill(box, held.text.isEmpty() && !held.value ? QLatin1String(first) : held.text);
        const bool given = input == NozzleCase::Input::AeAt || (input == NozzleCase::Input::pb) == pbGiven;
        if (given && !held.filled)
            readInput(box);
    }
    pressureUnit_ = int(case_.units().pressure);
    for (form_runtime::TextBox *box : {Text_AeAt, Text_pbp0, Text_pb})
        connect(box, &QLineEdit::textChanged, this, [this, box] { typedInto(box); });
    connect(Slider_pbp0, &QSlider::valueChanged, this, &Form_BackPressure::sliderMoved);
    connect(copy, &QPushButton::clicked, this, &Form_BackPressure::copyTables);
    connect(save, &QPushButton::clicked, this, &Form_BackPressure::chooseCsvFile);
    connect(&case_, &NozzleCase::gasChanged, this, &Form_BackPressure::followGas);
    // Ae/At follows a solution at once, as a box the panel reads; the flow
    // it gives is worked out only while the panel is seen.
    connect(&case_, &NozzleCase::solutionChanged, this, &Form_BackPressure::followSolution);
    (new form_runtime::WhileShown(this))->follow(&case_, &NozzleCase::solutionChanged, [this] { solve(); });
    followSolution();
    solve();
    sliderRest_ = Slider_pbp0->value();
}

form_runtime::ChartSurface *Form_BackPressure::paperChart(const char *name, const QString &accessibleName,
                                                          const QString &fileBaseName, QSize least)
{
    return form_runtime::paperChart(this, name, accessibleName, fileBaseName, least);
}

QTableView *Form_BackPressure::tableView(ValueTable *table, const QString &name, const char *objectName, int rowsShown,
                                         const QString &widestName)
{
    return form_runtime::valueTableView(this, table, name, objectName, rowsShown, widestName);
}

// Another gas: nothing of the old one's results or look-up stays.
void Form_BackPressure::followGas(bool anotherK)
{
    Label_Gas->setText(texts::gasLine(case_.gasName()));
    if (!anotherK)
        return;
    lookedUp_.reset();
    Label_LookUpProblem->clear();
    obliqueM1_.reset();
    obliqueGiven_.reset();
    Label_ObliqueProblem->clear();
    showOblique();
    flow_.reset();
    solve();
}

// The nozzle of the last solution: station 2 is its exit, A* its throat.
// Without a solution the nozzle stays, and only its figures in units go.
void Form_BackPressure::followSolution()
{
    const std::optional<NozzleCase::Solution> &s = case_.solution();
    if (s && s->A2_As >= 1 && std::isfinite(s->A2_As)) {
        fill(Text_AeAt, form_runtime::inputText(s->A2_As));
        problems_.erase(Text_AeAt);
        Text_AeAt->unflag();
        case_.setInput(NozzleCase::Input::AeAt, {Text_AeAt->text(), 0, s->A2_As, true});
    }
}

void Form_BackPressure::fill(form_runtime::TextBox *box, const QString &text)
{
    filling_ = true;
    box->setText(text);
    box->setCursorPosition(0);
    filling_ = false;
}

void Form_BackPressure::typedInto(form_runtime::TextBox *box)
{
    if (filling_)
        return;
    readInput(box);
    solve();
}

// A box's text into the case: its value when read whole and sound, else the
// sign on the box and why.
void Form_BackPressure::readInput(form_runtime::TextBox *box)
{
    const QString name = box == Text_AeAt ? texts::kAeAtName : box == Text_pbp0 ? texts::kPbP01Name : texts::kPbName;
    const int unit = box == Text_pb ? Unit_pb->currentIndex() : 0;
    const form_runtime::TypedNumber t = form_runtime::readTyped(name, box->text());
    std::optional<double> value = t.value;
    QString problem = t.problem;
    if (value) {
        const QString shown = unroundedText(*value).replace(QLatin1Char('-'), QChar(0x2212));
        if (box == Text_AeAt && !(*value >= 1))
            problem = texts::noDivergingPart(shown);
        else if (box != Text_AeAt && *value < 0)
            problem = texts::negative(name, box == Text_pb ? shown + QChar(0x00a0) + Unit_pb->currentText() : shown);
        else if (box == Text_pbp0 && *value > 1)
            problem = texts::ratioAboveOne(shown);
        else if (box == Text_pb)
            value = flow::toSI(flow::PressureUnit(unit), *value);
    }
    if (!problem.isEmpty())
        value.reset();
    if (problem.isEmpty())
        problems_.erase(box);
    else
        problems_[box] = problem;
    case_.setInput(box == Text_AeAt ? NozzleCase::Input::AeAt : box == Text_pbp0 ? NozzleCase::Input::pbRatio
                                                                                 : NozzleCase::Input::pb,
                   {box->text(), unit, value, false});
}

std::optional<double> Form_BackPressure::backPressure(QString &problem, form_runtime::TextBox *&at) const
{
    const bool inUnit = case_.backPressureGiven() == NozzleCase::Input::pb;
    at = inUnit ? Text_pb : Text_pbp0;
    if (const auto p = problems_.find(at); p != problems_.end()) {
        problem = p->second;
        return std::nullopt;
    }
    const NozzleCase::Typed &typed = case_.input(case_.backPressureGiven());
    if (!typed.value) {
        problem = form_runtime::texts::typedEmpty(inUnit ? texts::kPbName : texts::kPbP01Name);
        return std::nullopt;
    }
    if (!inUnit)
        return typed.value;
    const std::optional<double> &p0 = case_.input(NozzleCase::Input::p0).value;
    const QString unit = units::kPressure[typed.unit];
    const QString pb = form_runtime::texts::quoted(typed.text) + QChar(0x00a0) + unit;
    if (!p0) {
        problem = texts::pbNeedsP0(pb);
        return std::nullopt;
    }
    const double ratio = *typed.value / *p0;
    if (!(ratio <= 1)) {
        problem = texts::pbAboveP0(pb, units::figureText(flow::fromSI(flow::PressureUnit(typed.unit), *p0), unit));
        return std::nullopt;
    }
    return ratio;
}

void Form_BackPressure::solve()
{
    const std::optional<double> &Ae = case_.input(NozzleCase::Input::AeAt).value;
    form_runtime::TextBox *pbBox = nullptr;
    QString pbProblem;
    const std::optional<double> pb = backPressure(pbProblem, pbBox);
    const bool nozzle = Ae && std::isfinite(*Ae);
    QString problem;
    form_runtime::TextBox *at = nullptr;
    if (const auto p = problems_.find(Text_AeAt); p != problems_.end())
        problem = p->second, at = Text_AeAt;
    else if (!nozzle)
        problem = form_runtime::texts::typedEmpty(texts::kAeAtName), at = Text_AeAt;
    else if (!pb)
        problem = pbProblem, at = pbBox;
    for (form_runtime::TextBox *box : {Text_AeAt, Text_pbp0, Text_pb})
        box->flag(box == at ? problem : QString());
    // The box of the back pressure not typed last follows the one that was;
    // it shows nothing of a value not read whole.
    const std::optional<double> &p0 = case_.input(NozzleCase::Input::p0).value;
    const bool inUnit = case_.backPressureGiven() == NozzleCase::Input::pb;
    const auto pbUnit = flow::PressureUnit(Unit_pb->currentIndex());
    if (inUnit) {
        fill(Text_pbp0, pb ? form_runtime::inputText(*pb) : QString());
        case_.setInput(NozzleCase::Input::pbRatio, {Text_pbp0->text(), 0, pb, true});
    } else {
        const std::optional<double> inPa = pb && p0 ? std::optional<double>(*pb * *p0) : std::nullopt;
        fill(Text_pb, inPa ? form_runtime::inputText(flow::fromSI(pbUnit, *inPa)) : QString());
        case_.setInput(NozzleCase::Input::pb, {Text_pb->text(), int(pbUnit), inPa, true});
    }
    Text_pb->setEnabled(p0.has_value() || inUnit);
    Label_Input->setText(problem);
    Label_Input->setHidden(problem.isEmpty());
    Label_Regime->setHidden(!problem.isEmpty()); // the one line stands in its place
    announcement_.clear();
    if (!problem.isEmpty()) {
        // Nothing stands from a value typed on the way: the slider goes back
        // to where it stood before the typing, and what a sound Ae/At gives
        // on its own stays.
        rest_->stop();
        flow_.reset();
        {
            const QSignalBlocker still(Slider_pbp0);
            Slider_pbp0->setValue(sliderRest_);
        }
        showFlow();
        if (at != Text_AeAt && nozzle && *Ae >= 1)
            showCritical(flow::criticalPressures(*Ae, case_.gas()));
        return;
    }
    {
        const QSignalBlocker still(Slider_pbp0);
        Slider_pbp0->setValue(int(std::lround(*pb * kSliderSteps)));
    }
    if (!Text_pbp0->hasFocus() && !Text_pb->hasFocus()) // not typed on the way
        sliderRest_ = Slider_pbp0->value();
    flow_ = flow::backPressureFlow(*Ae, *pb, case_.gas());
    showFlow();
    rest_->start();
}

void Form_BackPressure::sliderMoved(int position)
{
    sliderRest_ = position;
    Text_pbp0->setText(unroundedText(double(position) / kSliderSteps));
}

void Form_BackPressure::showFlow()
{
    if (!flow_) { // no flow from these inputs: nothing of other inputs or another gas stays
        Label_Regime->clear();
        Label_Critical->clear();
        nozzle_->setRows({});
        Picture_pressure->Cls();
        Picture_pressure->setDescription(texts::kNoCase);
        showShocks();
        showLip();
        showInUnits();
        return;
    }
    const flow::BackPressureFlow &f = *flow_;
    const QString As = f.beforeShock ? form_runtime::ratioText(f.beforeShock->A_At) : QString();
    Label_Regime->setText(texts::regimeLine(f, As) + separationNote());
    showCritical(f.critical);
    std::vector<TableRow> places{nozzleRow(texts::kThroat, f.throat)};
    if (f.beforeShock && f.regime == flow::Regime::ShockInside) {
        places.push_back(nozzleRow(texts::kBeforeShock, *f.beforeShock));
        places.push_back(nozzleRow(texts::kAfterShock, *f.afterShock));
    }
    places.push_back(nozzleRow(texts::kExit, f.exit));
    if (f.regime == flow::Regime::ShockAtExit) { // the exit plane, on both sides of its shock
        places.back().name = texts::kBeforeShock;
        places.push_back(nozzleRow(texts::kExit, *f.afterShock));
    }
    nozzle_->setRows(std::move(places));
    showShocks();
    drawChart();
    showLip();
    showInUnits();
}

void Form_BackPressure::showCritical(const flow::CriticalPressures &critical)
{
    Label_Critical->setText(texts::criticalLines(form_runtime::ratioText(critical.chokedSubsonic),
                                                 form_runtime::ratioText(critical.shockAtExit),
                                                 form_runtime::ratioText(critical.design)));
}

// The shock of the flow, when it has one, and the look-up row.
void Form_BackPressure::showShocks()
{
    std::vector<TableRow> shocks;
    if (flow_ && flow_->shock)
        shocks.push_back(shockRow(texts::kThisShock, *flow_->shock));
    TableRow any{texts::kAnyShock, std::vector<double>(std::size(texts::kShockColumns), NAN), {}};
    if (lookedUp_)
        any = shockRow(texts::kAnyShock, *lookedUp_);
    shocks.push_back(any);
    shock_->setRows(std::move(shocks));
}

void Form_BackPressure::drawChart()
{
    charts::grafik_pressure(*Picture_pressure, *flow_, case_.gas());
    Picture_pressure->setDescription(texts::chartDescription(Label_Regime->text(), unroundedText(flow_->pb_p01)) +
                                     gasOfTheChart(case_.gas()));
}

bool Form_BackPressure::lookUpShock(int column, const QString &typed)
{
    const auto quantity = flow::ShockQuantity(column);
    const QString name = texts::kShockColumns[column].shown;
    const form_runtime::TypedNumber v = form_runtime::readTyped(name, typed);
    QString problem = v.problem;
    std::optional<double> M1;
    if (v.value && !(M1 = flow::shockMachFrom(quantity, *v.value, case_.gas()))) {
        const flow::ShockRange r = flow::shockRange(quantity, case_.gas());
        const bool rising = r.strong > r.weak;
        const QString range = QStringLiteral("from %1 (no shock) %2 %3, not reached")
                                  .arg(form_runtime::ratioText(r.weak), rising ? QStringLiteral("up towards")
                                                                              : QStringLiteral("down towards"),
                                       std::isinf(r.strong) ? QStringLiteral("\u221e")
                                                            : form_runtime::ratioText(r.strong));
        problem = texts::noShock(name, form_runtime::texts::quoted(typed), range);
    }
    flow::NormalShock s{};
    if (problem.isEmpty()) {
        s = flow::normalShock(*M1, case_.gas());
        for (int q = 0; q < flow::kShockQuantities; ++q)
            if (!std::isfinite(s[flow::ShockQuantity(q)]))
                problem = texts::tooStrong(name, form_runtime::texts::quoted(typed));
    }
    Label_LookUpProblem->setText(problem);
    if (!problem.isEmpty()) {
        // Nothing of the row before stays beside what was typed.
        lookedUp_.reset();
        case_.setLookUp(NozzleCase::Table::NormalShock, std::nullopt);
        showShocks();
        shock_->refuse(column, typed, problem);
        announcement_.announce(problem);
        return false;
    }
    s[quantity] = *v.value; // the value typed stands as typed
    lookedUp_ = s;
    case_.setLookUp(NozzleCase::Table::NormalShock, NozzleCase::LookUp{name, *v.value, *M1});
    showShocks();
    return true;
}

QString Form_BackPressure::tablesText(QChar separator) const
{
    QString text = form_runtime::texts::kGasHeader + separator + case_.gasName() + QLatin1Char('\n');
    if (!flow_)
        return text;
    text += QStringLiteral("Ae/At") + separator + unroundedText(flow_->Ae_At) + QLatin1Char('\n');
    text += QStringLiteral("pb/p01") + separator + unroundedText(flow_->pb_p01) + QLatin1Char('\n');
    text += inputsInUnitsText(separator);
    text += QStringLiteral("Regime") + separator + QLatin1Char('"') + Label_Regime->text() + QStringLiteral("\"\n");
    text += nozzle_->text(texts::kPlaceHeader, separator) + QLatin1Char('\n');
    text += shock_->text(texts::kShockHeader, separator) + QLatin1Char('\n');
    if (!Label_Lip->isHidden())
        text += QStringLiteral("Exit lip") + separator + QLatin1Char('"') + Label_Lip->text() + QStringLiteral("\"\n");
    if (lip_->rowCount() > 0)
        text += lip_->text(texts::kLipHeader, separator) + QLatin1Char('\n');
    if (nozzleUnits_->rowCount() > 0)
        text += nozzleUnits_->text(texts::kPlaceHeader, separator) + QLatin1Char('\n');
    if (performance_->rowCount() > 0)
        text += performance_->text(texts::kPerformanceHeader, separator) + QLatin1Char('\n');
    return text + oblique_->text(texts::kObliqueHeader, separator);
}

void Form_BackPressure::copyTables()
{
    QGuiApplication::clipboard()->setText(tablesText(QLatin1Char('\t')));
}

void Form_BackPressure::saveAsCsv(const QString &fileName)
{
    QSaveFile file(fileName);
    const QByteArray content = tablesText(QLatin1Char(',')).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        form_runtime::MsgBox(
            form_runtime::texts::tableNotSaved(QDir::toNativeSeparators(fileName), file.errorString()), this);
}

void Form_BackPressure::chooseCsvFile()
{
    form_runtime::chooseCsvFile(this, texts::kSaveAsCsv, texts::kCsvFile, texts::kCsvFilter,
                                tablesText(QLatin1Char(',')).toUtf8(), [this](const QString &name) { saveAsCsv(name); });
}

// Up and Down in the pb/p01 box step it by 0.01, within 0 to 1. A box of the
// back pressure taking the focus marks where the slider stands before it is
// typed into.
bool Form_BackPressure::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture_lip && event->type() == QEvent::Resize) {
        drawLip(); // its angles true at the new size
        return false;
    }
    if ((watched == Text_pbp0 || watched == Text_pb) && event->type() == QEvent::FocusIn && flow_)
        sliderRest_ = Slider_pbp0->value(); // where the slider goes back to if what is typed now is refused
    if (watched == Text_pbp0 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const double now = flow_ ? flow_->pb_p01 : double(Slider_pbp0->value()) / kSliderSteps;
            const double next = std::round((now + (key == Qt::Key_Up ? kBoxStep : -kBoxStep)) * kSliderSteps) /
                                kSliderSteps;
            Text_pbp0->setText(unroundedText(std::clamp(next, 0.0, 1.0)));
            sliderRest_ = Slider_pbp0->value();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
