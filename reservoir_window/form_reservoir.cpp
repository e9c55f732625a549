#include "reservoir_window/form_reservoir.h"

#include "flow/arithmetic.h"
#include "flow/nozzle_performance.h"
#include "form_runtime/number_text.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"
#include "form_runtime/wrapped_label.h"
#include "nozzle_case/nozzle_case.h"
#include "nozzle_case/units_text.h"
#include "reservoir_window/texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

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

// A number for a box: ten significant digits, so that a unit's conversion
// does not show as 145.03773773020923.
QString boxText(double value)
{
    return QString::number(value, 'g', 10);
}

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
    p0Unit_ = int(u.pressure);
    T0Unit_ = int(u.temperature);
    RUnit_ = int(u.R);

    const auto box = [this](const char *name, const QString &spoken) {
        auto *b = new TextBox(this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(spoken);
        return b;
    };
    Text_p0 = box("Text_p0", texts::kP0Spoken);
    Text_T0 = box("Text_T0", texts::kT0Spoken);
    Text_R = box("Text_R", texts::kRSpoken);
    Unit_p0 = selector(units::kPressure, p0Unit_, "Unit_p0", texts::kP0UnitSpoken, this);
    Unit_T0 = selector(units::kTemperature, T0Unit_, "Unit_T0", texts::kT0UnitSpoken, this);
    Unit_R = selector(units::kGasConstant, RUnit_, "Unit_R", texts::kRUnitSpoken, this);
    Unit_Area = selector(units::kArea, int(u.area), "Unit_Area", texts::kAreaUnitSpoken, this);
    Unit_System = selector(units::kSystem, int(u.system), "Unit_System", texts::kSystemSpoken, this);
    if (case_.reservoir()) {
        Text_p0->setText(boxText(flow::fromSI(u.pressure, case_.reservoir()->p0)));
        Text_T0->setText(boxText(flow::fromSI(u.temperature, case_.reservoir()->T0)));
        Text_R->setText(boxText(flow::fromSI(u.R, case_.reservoir()->R)));
    } else if (case_.gasR()) {
        Text_R->setText(boxText(flow::fromSI(u.R, *case_.gasR())));
        kept_[Text_R] = *case_.gasR();
    }

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

    for (TextBox *b : {Text_p0, Text_T0, Text_R})
        connect(b, &QLineEdit::textChanged, this, [this, b] {
            kept_.erase(b); // typed or set anew: read as it stands
            readBoxes();
        });
    connect(Unit_p0, &QComboBox::currentIndexChanged, this,
            [this] { unitChosen(Text_p0, Unit_p0, p0Unit_, pressureToSI, pressureFromSI); });
    connect(Unit_T0, &QComboBox::currentIndexChanged, this,
            [this] { unitChosen(Text_T0, Unit_T0, T0Unit_, temperatureToSI, temperatureFromSI); });
    connect(Unit_R, &QComboBox::currentIndexChanged, this,
            [this] { unitChosen(Text_R, Unit_R, RUnit_, gasConstantToSI, gasConstantFromSI); });
    connect(Unit_Area, &QComboBox::currentIndexChanged, this, &Form_Reservoir::writeUnits);
    connect(Unit_System, &QComboBox::currentIndexChanged, this, &Form_Reservoir::systemChosen);
    connect(&case_, &NozzleCase::gasChanged, this, &Form_Reservoir::followGas);
    connect(&case_, &NozzleCase::solutionChanged, this, &Form_Reservoir::showResults);
    connect(&case_, &NozzleCase::reservoirChanged, this, &Form_Reservoir::showResults);
    readBoxes();
}

// What a box reads as, in SI, and its doubt: text that is not a number, a
// number read only in part, or a value with no physical meaning.
Form_Reservoir::Reading Form_Reservoir::read(TextBox *box, const QString &quantity, double (*toSI)(int, double),
                                             int unit) const
{
    if (const auto kept = kept_.find(box); kept != kept_.end())
        return {kept->second, {}};
    const QString typed = box->text().trimmed();
    if (typed.isEmpty())
        return {};
    form_runtime::NumberReading r;
    try {
        r = form_runtime::readNumber(typed.toStdString());
    } catch (const flow::ArithmeticError &) {
        return {std::nullopt, texts::outOfRange(form_runtime::texts::quoted(typed))};
    }
    if (!r.number)
        return {std::nullopt, texts::notANumber(form_runtime::texts::quoted(typed))};
    const double si = toSI(unit, r.value);
    const QString value = form_runtime::unroundedText(r.value);
    if (!(si > 0) || !std::isfinite(si))
        return {std::nullopt, texts::noMeaning(quantity, value + QLatin1Char(' ') + (quantity == QLatin1String("p0") ? units::kPressure[unit]
                                                                                     : quantity == QLatin1String("T0") ? units::kTemperature[unit]
                                                                                                                       : units::kGasConstant[unit]))};
    if (!r.rest.empty())
        return {si, texts::readInPart(value, form_runtime::texts::quoted(typed))};
    return {si, {}};
}

void Form_Reservoir::readBoxes()
{
    const Reading p0 = read(Text_p0, QStringLiteral("p0"), pressureToSI, p0Unit_);
    const Reading T0 = read(Text_T0, QStringLiteral("T0"), temperatureToSI, T0Unit_);
    const Reading R = read(Text_R, QStringLiteral("R"), gasConstantToSI, RUnit_);
    QStringList notes;
    for (const auto &[box, reading] : {std::pair{Text_p0, &p0}, std::pair{Text_T0, &T0}, std::pair{Text_R, &R}}) {
        if (reading->note.isEmpty())
            box->unflag();
        else
            box->flag(reading->note);
        if (!reading->note.isEmpty())
            notes << reading->note;
    }
    Label_Input->setText(notes.join(QLatin1Char(' ')));
    Label_Input->setHidden(notes.isEmpty());
    if (p0.si && T0.si && R.si)
        case_.setReservoir(flow::Reservoir{*p0.si, *T0.si, *R.si});
    else
        case_.setReservoir(std::nullopt);
    showResults();
}

// Another unit for a box: the number it holds is converted, so that the
// quantity stays what it was.
void Form_Reservoir::unitChosen(TextBox *box, QComboBox *unit, int &was, double (*toSI)(int, double),
                                double (*fromSI)(int, double))
{
    const int now = unit->currentIndex();
    const Reading r = read(box, QString(), toSI, was);
    was = now;
    if (r.si && r.note.isEmpty()) {
        const QSignalBlocker quiet(box);
        box->setText(boxText(fromSI(now, *r.si)));
        kept_[box] = *r.si;
    }
    if (!settingSystem_)
        writeUnits();
    readBoxes();
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
    if (case_.gasR()) {
        Text_R->setText(boxText(flow::fromSI(flow::GasConstantUnit(RUnit_), *case_.gasR())));
        kept_[Text_R] = *case_.gasR(); // the gas's own, to the last digit
        readBoxes();
    } else {
        Text_R->clear();
    }
    showResults();
}

void Form_Reservoir::showResults()
{
    const NozzleCase::Units &u = case_.units();
    const std::optional<double> At = case_.throatArea();
    Label_Throat->setText(At ? texts::throat(units::figureText(case_.solution()->As, units::areaUnit(u))) : texts::kNoThroat);
    const std::optional<flow::Reservoir> &r = case_.reservoir();
    if (!r) {
        Label_Sonic->setText(!case_.gasR() && Text_R->text().trimmed().isEmpty() ? texts::kNoGasR : texts::kNoReservoir);
        Label_MassFlow->clear();
        Label_MassFlow->hide();
        return;
    }
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
