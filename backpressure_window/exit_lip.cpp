// At the exit lip of the Back pressure panel: the oblique shock of an
// overexpanded nozzle or the expansion fan of an underexpanded one, as a
// line, a table and a sketch; and the row "Any oblique shock".

#include "backpressure_window/form_backpressure.h"

#include "backpressure_window/texts.h"
#include "charts/lip_chart.h"
#include "flow/isentropic.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/table_view.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"
#include "form_runtime/typed_number.h"
#include "form_runtime/value_table.h"
#include "form_runtime/wrapped_label.h"
#include "nozzle_case/nozzle_case.h"

#include <QLabel>
#include <QLocale>
#include <QTableView>

#include <cmath>
#include <iterator>
#include <tuple>

namespace texts = backpressure_window::texts;
using form_runtime::TableRow;
using form_runtime::ValueTable;

namespace {

QString degrees(double angle)
{
    return QString::number(angle, 'f', 2);
}

TableRow obliqueRow(const QString &name, const flow::ObliqueShock &s)
{
    return {name, {s.M1, s.theta, s.beta, s.p2_p1, s.M2, s.T2_T1, s.rho2_rho1, s.p02_p01}, {}};
}

QLabel *line(const char *name, QWidget *parent)
{
    auto *label = new form_runtime::WrappedLabel(QString(), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

void Form_BackPressure::buildExitLip()
{
    Label_Lip = line("Label_Lip", this);
    Label_Lip->hide();
    lip_ = new ValueTable({std::begin(texts::kLipColumns), std::end(texts::kLipColumns)}, this);
    Table_Lip = tableView(lip_, texts::kLipTableName, "Table_Lip", 2, texts::kFanFirst);
    Table_Lip->hide();
    Picture_lip = paperChart("Picture_lip", texts::kLipChartName, texts::kLipChartFile, QSize(380, 190));
    Picture_lip->setTrueAngles(true); // its large view too
    Picture_lip->installEventFilter(this);
    Picture_lip->hide();

    oblique_ = new ValueTable({std::begin(texts::kObliqueColumns), std::end(texts::kObliqueColumns)}, this);
    oblique_->setLookUp([this](int column, const QString &typed) { return lookUpOblique(column, typed); }, 0);
    Table_Oblique = tableView(oblique_, texts::kObliqueTableName, "Table_Oblique", 3, texts::kAnyOblique);
    Label_ObliqueHelp = line("Label_ObliqueHelp", this);
    Label_ObliqueHelp->setText(texts::kObliqueHelp);
    Label_ObliqueProblem = line("Label_ObliqueProblem", this);
    showOblique();
}

// The wave at the lip where the regime has one: its line, its table and its sketch.
void Form_BackPressure::showLip()
{
    lipShock_.reset();
    lipFan_.reset();
    const flow::GasConstants &gas = case_.gas();
    QString said;
    std::vector<TableRow> rows;
    if (flow_ && flow_->regime == flow::Regime::Overexpanded)
        lipShock_ = flow::lipShock(flow_->exit.M, flow_->pb_p01 / flow_->exit.p_p01, gas);
    if (flow_ && flow_->regime == flow::Regime::Underexpanded)
        lipFan_ = flow::lipFan(flow_->exit.M, flow_->pb_p01, gas);
    if (lipShock_) {
        const flow::ObliqueShock &s = lipShock_->shock;
        rows = {{texts::kLipShock, {s.beta, s.theta, s.M2, flow_->pb_p01}, texts::kLipInward},
                {texts::kLipMost, {lipShock_->most.beta, lipShock_->most.theta, NAN, NAN}, {}}};
        said = lipShock_->machDisc ? texts::machDiscLine(degrees(lipShock_->most.beta))
                                   : texts::lipShockLine(degrees(s.beta), degrees(s.theta));
    } else if (lipFan_) {
        const flow::LipFan &f = *lipFan_;
        rows = {{texts::kFanFirst, {f.firstWave, 0, flow_->exit.M, flow_->exit.p_p01}, {}},
                {texts::kFanLast, {f.lastWave, f.turn, f.Mb, flow_->pb_p01}, texts::kLipOutward}};
        said = std::isinf(f.Mb) ? texts::vacuumLine(degrees(f.turn)) : texts::fanLine(degrees(f.turn));
    } else if (flow_ && flow_->regime == flow::Regime::Design) {
        said = texts::kDesignLip;
    }
    Label_Lip->setText(said);
    Label_Lip->setHidden(said.isEmpty());
    lip_->setRows(std::move(rows));
    Table_Lip->setHidden(lip_->rowCount() == 0);
    Picture_lip->setVisible(lipShock_ || lipFan_);
    drawLip();
}

void Form_BackPressure::drawLip()
{
    if (Picture_lip->isVisibleTo(this))
        charts::grafik_lip(*Picture_lip, lipShock_, lipFan_);
    else if (!Picture_lip->strokes().empty())
        Picture_lip->Cls(); // no wave at the lip: its large view is blank too
}

std::pair<std::vector<TableRow>, QString> Form_BackPressure::obliqueRows() const
{
    TableRow any{texts::kAnyOblique, std::vector<double>(std::size(texts::kObliqueColumns), NAN), {}};
    if (!obliqueM1_)
        return {{any}, {}};
    const flow::GasConstants &gas = case_.gas();
    const double M1 = *obliqueM1_;
    const QString shownM1 = form_runtime::shownText(M1);
    any.values[texts::kObliqueM1] = M1;
    std::vector<TableRow> rows{any};
    const flow::MostDeflection most = flow::maxDeflection(M1, gas);
    if (obliqueGiven_) {
        const auto [column, v] = *obliqueGiven_;
        const QString typed = form_runtime::unroundedText(v);
        std::optional<flow::ObliqueShock> weak, strong;
        if (column == texts::kObliqueTheta) {
            if (const auto angles = flow::shockAngles(M1, v, gas)) {
                weak = flow::obliqueShock(M1, angles->weak, gas);
                strong = flow::obliqueShock(M1, angles->strong, gas);
            } else if (v < 0) {
                return {{}, texts::negativeTurn(typed)};
            } else {
                return {{}, texts::standsOff(typed, degrees(most.theta), shownM1)};
            }
        } else if (column == texts::kObliqueBeta) {
            if (!(weak = flow::obliqueShock(M1, v, gas)))
                return {{}, texts::betaOutside(typed, degrees(flow::isentropicState(M1, gas).mu), shownM1)};
        } else if (const auto beta = flow::shockAngleFor(M1, v, gas)) {
            weak = flow::obliqueShock(M1, *beta, gas);
        } else {
            return {{}, texts::pressureOutside(typed, form_runtime::ratioText(flow::normalShock(M1, gas).p2_p1), shownM1)};
        }
        rows.front() = obliqueRow(texts::kAnyOblique, *weak);
        rows.front().values[std::size_t(column)] = v; // the value typed stands as typed
        if (strong)
            rows.push_back(obliqueRow(texts::kStrong, *strong));
    }
    flow::ObliqueShock atMost = *flow::obliqueShock(M1, most.beta, gas);
    atMost.theta = most.theta;
    rows.push_back(obliqueRow(texts::kMostOblique, atMost));
    return {rows, {}};
}

void Form_BackPressure::showOblique()
{
    oblique_->setRows(obliqueRows().first);
}

bool Form_BackPressure::lookUpOblique(int column, const QString &typed)
{
    const form_runtime::TypedNumber t = form_runtime::readTyped(texts::kObliqueColumns[column].shown, typed);
    const auto oldM1 = obliqueM1_;
    QString problem = t.problem;
    if (!t.value) {
        // the reader said why
    } else if (column == texts::kObliqueM1) {
        if (*t.value > 1 && std::isfinite(*t.value))
            obliqueM1_ = *t.value;
        else
            problem = texts::obliqueM1Outside(form_runtime::texts::quoted(typed));
    } else if (column > texts::kObliqueP) {
        problem = texts::kObliqueTypeInto;
    } else if (!obliqueM1_) {
        problem = texts::kObliqueNeedsM1;
    } else {
        obliqueGiven_ = std::pair{column, *t.value};
    }
    auto [rows, why] = obliqueRows();
    QString dropped;
    if (problem.isEmpty() && !why.isEmpty() && column == texts::kObliqueM1) {
        obliqueGiven_.reset(); // the new M1 keeps what it can, its theta max, and says what it dropped
        dropped = why;
        std::tie(rows, why) = obliqueRows();
    }
    if (problem.isEmpty())
        problem = why;
    Label_ObliqueProblem->setText(problem.isEmpty() ? dropped : problem);
    if (!problem.isEmpty()) {
        // Nothing typed into that cell before stands beside it; an M1 typed
        // into its own cell stays, with its theta max.
        obliqueM1_ = column == texts::kObliqueM1 ? std::nullopt : oldM1;
        obliqueGiven_.reset();
        case_.setLookUp(NozzleCase::Table::ObliqueShock, std::nullopt);
        showOblique();
        oblique_->refuse(column, typed, problem);
        announcement_.announce(problem);
        return false;
    }
    oblique_->setRows(std::move(rows));
    if (obliqueGiven_)
        case_.setLookUp(NozzleCase::Table::ObliqueShock,
                        NozzleCase::LookUp{texts::kObliqueColumns[obliqueGiven_->first].shown, obliqueGiven_->second,
                                           *obliqueM1_});
    else
        case_.setLookUp(NozzleCase::Table::ObliqueShock, std::nullopt);
    return true;
}
