// The Back pressure panel in units: pb typed in a unit of its choice beside
// pb/p01, the places of the nozzle in units, the thrust and its coefficients
// at pb (where the Reservoir panel has given p01, T01 and R, and the main
// window the throat area), and the chart of CF against pb/p01.

#include "backpressure_window/form_backpressure.h"

#include "backpressure_window/texts.h"
#include "flow/nozzle_performance.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/csv_file.h"
#include "form_runtime/table_view.h"
#include "form_runtime/text_box.h"
#include "form_runtime/value_table.h"
#include "form_runtime/wrapped_label.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/units_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QTableView>

#include <cmath>

namespace texts = backpressure_window::texts;
namespace units = nozzle_case::units;
using form_runtime::TableColumn;
using form_runtime::TableRow;
using form_runtime::ValueTable;

void Form_BackPressure::buildInUnits()
{
    Text_pb = new form_runtime::TextBox(this);
    Text_pb->setObjectName(QStringLiteral("Text_pb"));
    Text_pb->setAccessibleName(texts::kPbSpoken);
    Text_pb->installEventFilter(this);
    Unit_pb = new QComboBox(this);
    Unit_pb->setObjectName(QStringLiteral("Unit_pb"));
    Unit_pb->setAccessibleName(texts::kPbUnitSpoken);
    Unit_pb->addItems(units::kPressure);
    Unit_pb->setCurrentIndex(int(case_.units().pressure));
    Label_Units = new form_runtime::WrappedLabel(QString(), this);
    Label_Units->setObjectName(QStringLiteral("Label_Units"));
    nozzleUnits_ = new ValueTable({}, this);
    performance_ = new ValueTable({}, this);
    Table_NozzleUnits = tableView(nozzleUnits_, texts::kNozzleUnitsName, "Table_NozzleUnits", 4, texts::kAnyShock);
    Table_Performance = tableView(performance_, texts::kPerformanceName, "Table_Performance", 7, texts::kAnyShock);
    Picture_CF = paperChart("Picture_CF", texts::kThrustChartName, texts::kThrustChartFile, QSize(380, 280));
    Picture_CF->showAxes(true);

    connect(Unit_pb, &QComboBox::currentIndexChanged, this, &Form_BackPressure::pbUnitChosen);
    connect(&case_, &NozzleCase::reservoirChanged, this, &Form_BackPressure::followUnits);
    connect(&case_, &NozzleCase::inputChanged, this, [this](NozzleCase::Input which) {
        if (which == NozzleCase::Input::p0 && !case_.reservoir()) // a pb in its unit needs only p0
            solve();
    });
}

// Summerfield's criterion: an overexpanded jet with pe/pb below 0.4 likely
// leaves the wall inside the nozzle.
QString Form_BackPressure::separationNote() const
{
    if (!flow_ || !flow::separates(*flow_))
        return {};
    return texts::separation(form_runtime::ratioText(flow_->exit.p_p01 / flow_->pb_p01));
}

// The case's inputs in their units, a line each, for Copy tables and the CSV
// file: p0, T0 and R once the reservoir is given, At once a solve gave it, pb.
QString Form_BackPressure::inputsInUnitsText(QChar separator) const
{
    const std::optional<flow::Reservoir> &r = case_.reservoir();
    if (!flow_ || !r)
        return {};
    const NozzleCase::Units &u = case_.units();
    const auto line = [separator](const QString &name, double value, const QString &unit) {
        return name + separator + form_runtime::unroundedText(value) + separator +
               form_runtime::csvCell(unit, separator) + QLatin1Char('\n');
    };
    QString text = line(QStringLiteral("p0"), flow::fromSI(u.pressure, r->p0), units::pressureUnit(u)) +
                   line(QStringLiteral("T0"), flow::fromSI(u.temperature, r->T0), units::temperatureUnit(u)) +
                   line(QStringLiteral("R"), flow::fromSI(u.R, r->R), units::kGasConstant[int(u.R)]);
    if (const std::optional<double> At = case_.throatAreaShown())
        text += line(QStringLiteral("At"), *At, units::areaUnit(u));
    const auto pbUnit = flow::PressureUnit(Unit_pb->currentIndex());
    const std::optional<double> pb = case_.input(NozzleCase::Input::pb).value;
    return text + line(QStringLiteral("pb"), flow::fromSI(pbUnit, pb ? *pb : flow_->pb_p01 * r->p0),
                       units::kPressure[int(pbUnit)]);
}

// Another unit for pb: the back pressure it holds is shown in it; a text
// that gives none is read in the new unit.
void Form_BackPressure::pbUnitChosen()
{
    const NozzleCase::Typed &held = case_.input(NozzleCase::Input::pb);
    if (held.value) {
        const int unit = Unit_pb->currentIndex();
        fill(Text_pb, form_runtime::inputText(flow::fromSI(flow::PressureUnit(unit), *held.value)));
        case_.setInput(NozzleCase::Input::pb, {Text_pb->text(), unit, held.value, true});
    } else if (case_.backPressureGiven() == NozzleCase::Input::pb) {
        readInput(Text_pb);
    }
    solve();
}

// New reservoir or units: pb follows the unit system, and a pb typed in its
// unit gives pb/p01 from the new p0.
void Form_BackPressure::followUnits()
{
    if (int(case_.units().pressure) != pressureUnit_) {
        pressureUnit_ = int(case_.units().pressure);
        Unit_pb->setCurrentIndex(pressureUnit_); // converts what pb shows
    }
    solve();
}

void Form_BackPressure::showInUnits()
{
    saidInUnits_.clear();
    const flow::GasConstants &gas = case_.gas();
    if (!flow_) {
        Picture_CF->Cls();
        nozzleUnits_->setRows({});
        performance_->setRows({});
        Table_NozzleUnits->hide();
        Table_Performance->hide();
        return;
    }
    if (thrust_.Ae_At != flow_->Ae_At || thrust_.k != gas.k)
        thrust_ = charts::thrustCurve(flow_->Ae_At, gas);
    charts::grafik_CF(*Picture_CF, thrust_, *flow_, gas);

    const std::optional<flow::Reservoir> &r = case_.reservoir();
    const std::optional<double> At = case_.throatArea();
    const NozzleCase::Units &u = case_.units();
    const auto pbUnit = flow::PressureUnit(Unit_pb->currentIndex());
    Label_Units->setText(!r                                 ? texts::kNoReservoir
                         : At                               ? QString()
                         : case_.noSolutionWhy().isEmpty() ? texts::kNoThroatArea
                                                            : case_.noSolutionWhy());
    Label_Units->setHidden(Label_Units->text().isEmpty());
    Table_NozzleUnits->setHidden(!r);
    Table_Performance->setHidden(!r || !At);
    if (!r)
        return;

    // The headers name the units; new units are new columns.
    const QString p = units::kPressure[int(pbUnit)];
    const QString V = units::figureUnit(flow::Figure::Velocity, u.system);
    const QString mdot = units::figureUnit(flow::Figure::MassFlow, u.system);
    const QString F = units::figureUnit(flow::Figure::Force, u.system);
    const QString named = units::stateUnitsKey(pbUnit, u);
    if (named != columnUnits_) {
        columnUnits_ = named;
        nozzleUnits_->setColumns(units::stateColumns(pbUnit, u));
        performance_->setColumns({{texts::kAtPb, texts::kAtPbSpoken, TableColumn::Format::Figure}});
    }
    std::vector<TableRow> places;
    for (const TableRow &place : nozzle_->tableRows()) { // M, A/At, p/p01, T/T01, ...
        const flow::StateInUnits s = flow::stateInUnits(*r, place.values[0], place.values[2], place.values[3], gas);
        places.push_back({place.name, units::stateValues(s, pbUnit, u), {}});
    }
    nozzleUnits_->setRows(std::move(places));
    if (!At) {
        performance_->setRows({});
        return;
    }
    const flow::Performance perf = flow::performance(*flow_, *r, *At, gas);
    const double shownMdot = flow::fromSI(flow::Figure::MassFlow, u.system, perf.massFlow);
    const double shownF = flow::fromSI(flow::Figure::Force, u.system, perf.thrust);
    const auto row = [](const QString &quantity, const QString &unit, double value) {
        return TableRow{unit.isEmpty() ? quantity : QStringLiteral("%1 (%2)").arg(quantity, unit), {value}, {}};
    };
    performance_->setRows({row(QStringLiteral("\u1e41"), mdot, shownMdot),
                           row(QStringLiteral("Ve"), V, flow::fromSI(flow::Figure::Velocity, u.system, perf.exit.V)),
                           row(QStringLiteral("pe"), p, flow::fromSI(pbUnit, perf.exit.p)),
                           row(QStringLiteral("F"), F, shownF),
                           row(QStringLiteral("CF"), QString(), perf.CF),
                           row(QStringLiteral("c*"), V, flow::fromSI(flow::Figure::Velocity, u.system, perf.cStar)),
                           row(QStringLiteral("Isp"), QStringLiteral("s"), perf.Isp)});
    saidInUnits_ = texts::saidInUnits(units::figureText(shownMdot, mdot), units::figureText(shownF, F));
}
