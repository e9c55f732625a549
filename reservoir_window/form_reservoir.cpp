#include "reservoir_window/form_reservoir.h"

#include "flow/arithmetic.h"
#include "flow/nozzle_performance.h"
#include "form_runtime/number_text.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"
#include "form_runtime/typed_number.h"
#include "form_runtime/while_shown.h"
#include "form_runtime/wrapped_label.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/units_text.h"
#include "reservoir_window/texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>

namespace texts = reservoir_window::texts;
namespace units = nozzle_case::units;
using form_runtime::TextBox;

namespace {

double pressureToSI(int unit, double v) { return flow::toSI(flow::PressureUnit(unit), v); }
double pressureFromSI(int unit, double v) { return flow::fromSI(flow::PressureUnit(unit), v); }
double temperatureToSI(int unit, double v) { return flow::toSI(flow::TemperatureUnit(unit), v); }
double temperatureFromSI(int unit, double v) { return flow::fromSI(flow::TemperatureUnit(unit), v); }
double gasConstantToSI(int unit, double v) { return flow::toSI(flow::GasConstantUnit(unit), v); }
double gasConstantFromSI(int unit, double v) { return flow::fromSI(flow::GasConstantUnit(unit), v); }

QComboBox *selector(const QStringList &items, int current, const char *name, const QString &spoken, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setCurrentIndex(current);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(spoken);
    return box;
}

QLabel *line(const char *name, QWidget *parent)
{
    auto *label = new form_runtime::WrappedLabel(QString(), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

Form_Reservoir::Form_Reservoir(NozzleCase &nozzleCase, QWidget *parent) : QWidget(parent), case_(nozzleCase)
{
    setObjectName(QStringLiteral("Form_Reservoir"));
    setWindowTitle(texts::kTitle);
    const NozzleCase::Units &u = case_.units();

    const auto box = [this](const char *name, const QString &spoken) {
        auto *b = new TextBox(this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(spoken);
        return b;
    };
    Text_p0 = box("Text_p0", texts::kP0Spoken);
    Text_T0 = box("Text_T0", texts::kT0Spoken);
    Text_R = box("Text_R", texts::kRSpoken);
    Unit_p0 = selector(units::kPressure, int(u.pressure), "Unit_p0", texts::kP0UnitSpoken, this);
    Unit_T0 = selector(units::kTemperature, int(u.temperature), "Unit_T0", texts::kT0UnitSpoken, this);
    Unit_R = selector(units::kGasConstant, int(u.R), "Unit_R", texts::kRUnitSpoken, this);
    Unit_Area = selector(units::kArea, int(u.area), "Unit_Area", texts::kAreaUnitSpoken, this);
    Unit_System = selector(units::kSystem, int(u.system), "Unit_System", texts::kSystemSpoken, this);
    fields_ = {Field{Text_p0, Unit_p0, NozzleCase::Input::p0, QStringLiteral("p0"), pressureToSI, pressureFromSI,
                     &units::kPressure, {}},
               Field{Text_T0, Unit_T0, NozzleCase::Input::T0, QStringLiteral("T0"), temperatureToSI,
                     temperatureFromSI, &units::kTemperature, {}},
               Field{Text_R, Unit_R, NozzleCase::Input::R, QStringLiteral("R"), gasConstantToSI, gasConstantFromSI,
                     &units::kGasConstant, {}}};

    auto *intro = line("Label_Intro", this);
    intro->setText(texts::kIntro);
    Label_Input = line("Label_Input", this);
    Label_Throat = line("Label_Throat", this);
    Label_Sonic = line("Label_Sonic", this);
    Label_MassFlow = line("Label_MassFlow", this);

    auto *grid = new QGridLayout;
    int row = 0;
    for (const auto &[text, box, unit] : {std::tuple{texts::kP0, Text_p0, Unit_p0}, std::tuple{texts::kT0, Text_T0, Unit_T0},
                                          std::tuple{texts::kR, Text_R, Unit_R}}) {
        auto *label = new QLabel(text, this);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(unit, row++, 2);
    }
    for (const auto &[text, unit] : {std::pair{texts::kAreas, Unit_Area}, std::pair{texts::kSystem, Unit_System}}) {
        auto *label = new QLabel(text, this);
        label->setBuddy(unit);
        grid->addWidget(label, row, 0);
        grid->addWidget(unit, row++, 1, 1, 2);
    }
    grid->setColumnStretch(3, 1);
    // Each box, then its unit, down the panel.
    QWidget *const order[] = {Text_p0, Unit_p0, Text_T0, Unit_T0, Text_R, Unit_R, Unit_Area, Unit_System};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(Label_Input);
    layout->addWidget(Label_Throat);
    layout->addWidget(Label_Sonic);
    layout->addWidget(Label_MassFlow);
    layout->addStretch();

    // What the case holds already, or the gas's own R.
    for (Field &f : fields_) {
        const NozzleCase::Typed &held = case_.input(f.input);
        if (!held.text.isEmpty() || held.value) {
            f.unit->setCurrentIndex(held.unit);
            f.box->setText(held.text);
            read(f, false);
        } else if (f.input == NozzleCase::Input::R && case_.gasR()) {
            fill(f, case_.gasR());
        } else {
            case_.setInput(f.input, {QString(), f.unit->currentIndex(), std::nullopt, false});
        }
    }
    for (Field &f : fields_) {
        connect(f.box, &QLineEdit::textChanged, this, [this, &f] { typedInto(f); });
        connect(f.unit, &QComboBox::currentIndexChanged, this, [this, &f] { unitChosen(f); });
    }
    connect(Unit_Area, &QComboBox::currentIndexChanged, this, &Form_Reservoir::writeUnits);
    connect(Unit_System, &QComboBox::currentIndexChanged, this, &Form_Reservoir::systemChosen);
    auto *whileShown = new form_runtime::WhileShown(this);
    // The gas's R is an input of the case: written at once, seen or not.
    connect(&case_, &NozzleCase::gasChanged, this, &Form_Reservoir::followGas);
    whileShown->follow(&case_, &NozzleCase::solutionChanged, [this] { showResults(); });
    whileShown->follow(&case_, &NozzleCase::reservoirChanged, [this] { showResults(); });
    showProblems();
    showResults();
}

// A box typed into: its text read whole, in its unit, or why not.
void Form_Reservoir::typedInto(Field &f)
{
    if (filling_)
        return;
    read(f, true);
    showProblems();
    showResults();
}

// A box's text as the case's input: its value in SI when read whole and
// above 0, else the sign and why. An empty box the student has not typed
// into is only waiting.
void Form_Reservoir::read(Field &f, bool typed)
{
    const int unit = f.unit->currentIndex();
    const QString text = f.box->text();
    std::optional<double> si;
    f.problem.clear();
    if (typed || !text.trimmed().isEmpty()) {
        const form_runtime::TypedNumber t = form_runtime::readTyped(f.name, text);
        if (t.value) {
            si = f.toSI(unit, *t.value);
            if (!(*si > 0) || !std::isfinite(*si)) {
                si.reset();
                f.problem = texts::noMeaning(f.name, form_runtime::unroundedText(*t.value) + QChar(0x00a0) +
                                                         (*f.units)[unit]);
            }
        } else {
            f.problem = t.problem;
        }
    }
    f.box->flag(f.problem);
    case_.setInput(f.input, {text, unit, si, false});
}

// The program writes a quantity into a box, in the unit shown, rounded to
// ten digits; the case keeps its value exact.
void Form_Reservoir::fill(Field &f, std::optional<double> si)
{
    const int unit = f.unit->currentIndex();
    filling_ = true;
    f.box->setText(si ? form_runtime::inputText(f.fromSI(unit, *si)) : QString());
    f.box->setCursorPosition(0);
    filling_ = false;
    f.problem.clear();
    f.box->unflag();
    case_.setInput(f.input, {f.box->text(), unit, si, true});
}

void Form_Reservoir::showProblems()
{
    QStringList notes;
    for (const Field &f : fields_)
        if (!f.problem.isEmpty())
            notes << f.problem;
    Label_Input->setText(notes.join(QLatin1Char(' ')));
    Label_Input->setHidden(notes.isEmpty());
}

// Another unit for a box: the quantity it holds is shown in it; a text that
// gives none is read in the new unit.
void Form_Reservoir::unitChosen(Field &f)
{
    const NozzleCase::Typed &held = case_.input(f.input);
    if (held.value)
        fill(f, held.value);
    else
        read(f, false);
    showProblems();
    if (!settingSystem_)
        writeUnits();
}

void Form_Reservoir::systemChosen(int system)
{
    const NozzleCase::Units all = units::systemUnits(flow::UnitSystem(system));
    settingSystem_ = true;
    Unit_p0->setCurrentIndex(int(all.pressure));
    Unit_T0->setCurrentIndex(int(all.temperature));
    Unit_R->setCurrentIndex(int(all.R));
    {
        const QSignalBlocker quiet(Unit_Area);
        Unit_Area->setCurrentIndex(int(all.area));
    }
    settingSystem_ = false;
    writeUnits();
}

void Form_Reservoir::writeUnits()
{
    case_.setUnits({flow::PressureUnit(Unit_p0->currentIndex()), flow::TemperatureUnit(Unit_T0->currentIndex()),
                    flow::GasConstantUnit(Unit_R->currentIndex()), flow::AreaUnit(Unit_Area->currentIndex()),
                    flow::UnitSystem(Unit_System->currentIndex())});
}

// The gas's own R, where it has one; a mixture's is the student's to give.
void Form_Reservoir::followGas()
{
    fill(fields_[2], case_.gasR());
    showProblems();
    showResults();
}

void Form_Reservoir::showResults()
{
    const NozzleCase::Units &u = case_.units();
    const std::optional<double> At = case_.throatArea();
    if (At)
        Label_Throat->setText(texts::throat(units::figureText(*case_.throatAreaShown(), units::areaUnit(u)),
                                            units::kArea[int(case_.solution()->areaUnit)],
                                            case_.solution()->areaUnit == u.area ? QString() : units::areaUnit(u)));
    else
        Label_Throat->setText(case_.noSolutionWhy().isEmpty() ? texts::kNoThroat : case_.noSolutionWhy());
    const std::optional<flow::Reservoir> &r = case_.reservoir();
    if (!r) {
        // A box at fault says why in the line above; otherwise what is missing.
        const bool said = std::any_of(fields_.begin(), fields_.end(), [](const Field &f) { return !f.problem.isEmpty(); });
        Label_Sonic->setText(said                                                                   ? QString()
                             : !case_.gasR() && !case_.input(NozzleCase::Input::R).value ? texts::kNoGasR
                                                                                           : texts::kNoReservoir);
        Label_Sonic->setHidden(said);
        Label_MassFlow->clear();
        Label_MassFlow->hide();
        return;
    }
    Label_Sonic->show();
    const flow::StateInUnits s = flow::sonicState(*r, case_.gas());
    Label_Sonic->setText(texts::sonic(units::figureText(flow::fromSI(u.pressure, s.p), units::pressureUnit(u)),
                                      units::figureText(flow::fromSI(u.temperature, s.T), units::temperatureUnit(u)),
                                      units::figureText(flow::fromSI(flow::Figure::Velocity, u.system, s.a),
                                                        units::figureUnit(flow::Figure::Velocity, u.system))));
    Label_MassFlow->setVisible(At.has_value());
    if (At)
        Label_MassFlow->setText(texts::massFlow(units::figureText(
            flow::fromSI(flow::Figure::MassFlow, u.system, flow::chokedMassFlow(*r, *At, case_.gas())),
            units::figureUnit(flow::Figure::MassFlow, u.system))));
}
