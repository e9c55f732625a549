#include "stations_window/form_stations.h"

#include "form_runtime/csv_file.h"
#include "form_runtime/message_box.h"
#include "form_runtime/table_view.h"
#include "form_runtime/wrapped_label.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/texts.h"
#include "nozzle_case/units_text.h"
#include "flow/nozzle_performance.h"
#include "form_runtime/value_table.h"
#include "form_runtime/while_shown.h"
#include "stations_window/texts.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace texts = stations_window::texts;

namespace {

QLabel *wrappedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new form_runtime::WrappedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

Form_Stations::Form_Stations(NozzleCase &nozzleCase, QWidget *parent)
    : QWidget(parent), case_(nozzleCase), table_(new stations_window::StationTable(this))
{
    setObjectName(QStringLiteral("Form_Stations"));
    setWindowTitle(texts::kTitle);

    gas_ = wrappedLabel(texts::gasLine(case_.gasName()), "Label_Gas", this);
    noSolution_ = wrappedLabel(texts::kNoSolutionYet, "Label_NoSolution", this);
    solvedFrom_ = wrappedLabel(QString(), "Label_Solution", this);
    solvedFrom_->hide();

    view_ = new form_runtime::TableView(this);
    view_->setObjectName(QStringLiteral("Table_Stations"));
    view_->setAccessibleName(texts::kTableName);
    view_->setModel(table_);
    view_->setTabKeyNavigation(false); // Tab leaves the table; the arrow keys move in it
    view_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    view_->setWordWrap(false);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded); // across, where the panel is narrower than the table
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->fitToFont(texts::kStation2Supersonic);

    notes_ = wrappedLabel(QString(), "Label_StationNotes", this);
    notes_->hide();
    units_ = new form_runtime::ValueTable({}, this);
    unitsView_ = new form_runtime::TableView(this);
    unitsView_->setObjectName(QStringLiteral("Table_StationUnits"));
    unitsView_->setAccessibleName(texts::kUnitsTableName);
    unitsView_->setModel(units_);
    unitsView_->setTabKeyNavigation(false);
    unitsView_->setWordWrap(false);
    unitsView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    unitsView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    unitsView_->fitToFont(texts::kStation2Supersonic, 5);
    unitsView_->hide();
    massFlow_ = wrappedLabel(QString(), "Label_MassFlow", this);
    massFlow_->hide();
    auto *help = wrappedLabel(texts::kLookUpHelp, "Label_LookUp", this);
    lookUpLine_ = wrappedLabel(QString(), "Label_LookUpProblem", this);

    auto *branch = new QLabel(texts::kBranch, this);
    subsonic_ = new QRadioButton(texts::kSubsonic, this);
    subsonic_->setObjectName(QStringLiteral("Option_Subsonic"));
    supersonic_ = new QRadioButton(texts::kSupersonic, this);
    supersonic_->setObjectName(QStringLiteral("Option_Supersonic"));
    subsonic_->setChecked(true);
    auto *branches = new QButtonGroup(this);
    branches->addButton(subsonic_);
    branches->addButton(supersonic_);

    auto *copy = new QPushButton(texts::kCopyTable, this);
    copy->setObjectName(QStringLiteral("Command_CopyTable"));
    auto *save = new QPushButton(texts::kSaveAsCsv, this);
    save->setObjectName(QStringLiteral("Command_SaveAsCsv"));

    auto *branchRow = new QHBoxLayout;
    branchRow->addWidget(branch);
    branchRow->addWidget(subsonic_);
    branchRow->addWidget(supersonic_);
    branchRow->addStretch();
    auto *buttons = new QHBoxLayout; // last, on a row of their own: the panel stays narrow
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gas_);
    layout->addWidget(noSolution_);
    layout->addWidget(solvedFrom_);
    layout->addWidget(view_, 0, Qt::AlignLeft);
    layout->addWidget(notes_);
    layout->addWidget(unitsView_, 0, Qt::AlignLeft);
    layout->addWidget(massFlow_);
    layout->addWidget(help);
    layout->addLayout(branchRow);
    layout->addWidget(lookUpLine_);
    layout->addLayout(buttons);
    layout->addStretch();

    // A look-up that finds no station is said, not only shown.
    connect(table_, &stations_window::StationTable::lookedUp, this, [this](const QString &problem) {
        lookUpLine_->setText(problem);
        const auto &input = table_->lookUpInput();
        const auto &found = table_->lookUpFound();
        if (problem.isEmpty() && input && found) {
            const auto quantity = nozzle_case::texts::kColumnQuantities[input->first].value_or(flow::Quantity::A_As);
            case_.setLookUp(NozzleCase::Table::Isentropic,
                            NozzleCase::LookUp{stations_window::texts::kColumns[input->first].shown, input->second,
                                               found->state.M, quantity, found->state[quantity], table_->branch()});
        } else {
            case_.setLookUp(NozzleCase::Table::Isentropic, std::nullopt);
        }
        if (problem.isEmpty())
            announcement_.clear();
        else
            announcement_.announce(problem);
    });
    connect(supersonic_, &QRadioButton::toggled, this, [this](bool on) {
        table_->setBranch(on ? flow::Branch::Supersonic : flow::Branch::Subsonic);
    });
    connect(copy, &QPushButton::clicked, this, &Form_Stations::copyTable);
    connect(save, &QPushButton::clicked, this, &Form_Stations::chooseCsvFile);
    auto *whileShown = new form_runtime::WhileShown(this);
    whileShown->follow(&case_, &NozzleCase::gasChanged, [this](bool anotherK) { followGas(anotherK); });
    whileShown->follow(&case_, &NozzleCase::solutionChanged, [this] { followSolution(); });
    whileShown->follow(&case_, &NozzleCase::reservoirChanged, [this] { showInUnits(); });
    connect(table_, &QAbstractItemModel::dataChanged, this, &Form_Stations::showInUnits);
    connect(table_, &QAbstractItemModel::modelReset, this, &Form_Stations::showInUnits);
    table_->setGas(case_.gas());
    followSolution();
}

// The stations of the last completed solution, and the inputs it came from.
void Form_Stations::followSolution()
{
    const std::optional<NozzleCase::Solution> &solution = case_.solution();
    if (solution)
        table_->setStations(nozzle_case::stationRows(*solution, case_.gas()), solution->As);
    else
        table_->setStations({}, std::numeric_limits<double>::quiet_NaN());
    const QString areaUnit = this->areaUnit();
    const nozzle_case::texts::Column &A = nozzle_case::texts::kColumns[nozzle_case::texts::kAreaColumn];
    table_->setHeader(nozzle_case::texts::kAreaColumn,
                      areaUnit.isEmpty() ? A.shown : nozzle_case::texts::areaHeader(areaUnit),
                      areaUnit.isEmpty() ? A.spoken : nozzle_case::texts::areaHeaderSpoken(areaUnit));
    // Changed only when it changes: each change lays the panel out again.
    const auto show = [](QLabel *label, const QString &text) {
        if (label->text() != text)
            label->setText(text);
        if (label->isHidden() != text.isEmpty())
            label->setHidden(text.isEmpty());
    };
    show(solvedFrom_, solution ? solution->solvedFrom : QString());
    if (!table_->hasRefused()) // the look-up's line goes with the cell it was about
        lookUpLine_->clear();
    show(notes_, table_->notes());
    show(noSolution_, table_->hasStations() ? QString()
                      : case_.noSolutionWhy().isEmpty() ? texts::kNoSolutionYet
                                                        : case_.noSolutionWhy());
}

// Another gas: its look-ups; the case withdraws the old gas's solution.
void Form_Stations::followGas(bool anotherK)
{
    gas_->setText(texts::gasLine(case_.gasName()));
    if (!anotherK)
        return;
    table_->setGas(case_.gas());
    lookUpLine_->clear();
}

void Form_Stations::copyTable()
{
    QGuiApplication::clipboard()->setText(texts::kGasHeader + QLatin1Char('\t') + case_.gasName() + QLatin1Char('\n') +
                                          nozzle_case::tableText(table_->rows(), QLatin1Char('\t'), areaUnit()) +
                                          inUnitsText(QLatin1Char('\t')));
}

QByteArray Form_Stations::csv() const
{
    return (texts::kGasHeader + QStringLiteral(",\"") + case_.gasName() + QStringLiteral("\"\n") +
            nozzle_case::tableText(table_->rows(), QLatin1Char(','), areaUnit()) + inUnitsText(QLatin1Char(',')))
        .toUtf8();
}

// The unit the solution's areas were typed in; empty with no solution.
QString Form_Stations::areaUnit() const
{
    return case_.solution() ? nozzle_case::units::areaUnit(case_.solution()->areaUnit) : QString();
}

// The stations in units, their units in the headers, after the table, when shown.
QString Form_Stations::inUnitsText(QChar separator) const
{
    return units_->rowCount() == 0 ? QString()
                                   : QLatin1Char('\n') + units_->text(texts::kStationHeader, separator);
}

void Form_Stations::saveAsCsv(const QString &fileName)
{
    QSaveFile file(fileName);
    const QByteArray content = csv();
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        form_runtime::MsgBox(texts::tableNotSaved(QDir::toNativeSeparators(fileName), file.errorString()), this);
}

void Form_Stations::chooseCsvFile()
{
    form_runtime::chooseCsvFile(this, texts::kSaveAsCsv, texts::kCsvFile, texts::kCsvFilter, csv(),
                                [this](const QString &name) { saveAsCsv(name); });
}

void Form_Stations::showInUnits()
{
    const std::optional<flow::Reservoir> &r = case_.reservoir();
    const std::vector<nozzle_case::StationRow> rows = table_->rows();
    const bool shown = r && !rows.empty();
    if (unitsView_->isHidden() == shown)
        unitsView_->setHidden(!shown);
    const std::optional<double> At = case_.throatArea();
    massFlow_->setHidden(!shown || !At);
    if (!shown) {
        units_->setRows({});
        return;
    }
    namespace units = nozzle_case::units;
    const NozzleCase::Units &u = case_.units();
    const QString named = units::stateUnitsKey(u.pressure, u);
    if (named != columnUnits_) {
        columnUnits_ = named;
        units_->setColumns(units::stateColumns(u.pressure, u));
    }
    std::vector<form_runtime::TableRow> inUnits;
    for (const nozzle_case::StationRow &row : rows) {
        const flow::StateInUnits s = flow::stateInUnits(*r, row.state.M, row.state.p_p0, row.state.T_T0, case_.gas());
        inUnits.push_back({row.name, units::stateValues(s, u.pressure, u), {}});
    }
    units_->setRows(std::move(inUnits));
    if (At)
        massFlow_->setText(texts::massFlow(
            units::figureText(flow::fromSI(flow::Figure::MassFlow, u.system, flow::chokedMassFlow(*r, *At, case_.gas())),
                              units::figureUnit(flow::Figure::MassFlow, u.system)),
            units::figureText(*case_.throatAreaShown(), units::areaUnit(u))));
}
