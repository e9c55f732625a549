#include "solver_window/form_ventrolex.h"

#include "charts/nozzle_chart.h"
#include "flow/area_ratio.h"
#include "flow/arithmetic.h"
#include "flow/texts.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/command_button.h"
#include "form_runtime/message_box.h"
#include "form_runtime/text_box.h"
#include "solver_window/texts.h"
#include "nozzle_case/station_rows.h"
#include "nozzle_case/texts.h"

#include <QLineEdit>
#include "form_runtime/option_button.h"

#include <algorithm>

using flow::divide;
using flow::multiply;
using form_runtime::kBlue;
using form_runtime::kRed;
using form_runtime::MsgBox;
using form_runtime::showValue;
using form_runtime::shownText;
using form_runtime::unroundedText;
using form_runtime::valueOf;
namespace texts = solver_window::texts;
namespace names = nozzle_case::texts;

void Form_Ventrolex::Command1_Click()
{
    const bool findArea = Option_A2->isChecked();
    const bool findMach = Option_Msub->isChecked();
    if (!findArea && !findMach) {
        MsgBox(texts::kChooseAnOutputOption, this);
        return;
    }
    // A fault ends the solution with one message; what was written before it
    // stands and the window goes on working. A comma in a box it read is the
    // likeliest cause, so the message then says how numbers are read.
    unflagInput();
    boxesRead.clear();
    narrowerThan.reset();
    throatShown = false;
    step = texts::Step::Reading;
    announcement.clear();
    try {
        if (findArea)
            findAreaForMach();
        else
            findMachForArea();
    } catch (const flow::ArithmeticError &fault) {
        withdrawResults();
        const bool comma = std::any_of(boxesRead.begin(), boxesRead.end(),
                                       [](const QLineEdit *box) { return box->text().contains(QLatin1Char(',')); });
        const QString message = texts::faultMessage(fault.kind()) + (comma ? texts::kCommaEndsTheNumber : QString());
        const QString cause = faultCause(fault.kind());
        case_->withdrawSolution(names::kSolveRefused, texts::sentence(message) + QLatin1Char(' ') + cause);
        if (!throatShown) // no A* of another solve beside these inputs
            Text_Astar->setText(QString());
        MsgBox(message, cause, this);
    }
    flagDoubtfulInput();
}

double Form_Ventrolex::read(form_runtime::TextBox *box)
{
    boxesRead.push_back(box);
    return valueOf(box);
}

// Station 1 as typed, and the throat area A* it implies, shown in Text_Astar.
Form_Ventrolex::Throat Form_Ventrolex::findThroat()
{
    Throat t{};
    t.M1 = read(Text_M1);
    t.A1 = read(Text_A1);
    step = texts::Step::StationOneRatio;
    t.A1_As = AAfM(t.M1);
    step = texts::Step::Throat;
    t.As = divide(t.A1, t.A1_As);
    showValue(Text_Astar, t.As);
    throatShown = true;
    return t;
}

// Option "A2": the area A2 of a station of given Mach number M2.
void Form_Ventrolex::findAreaForMach()
{
    Picture_iter->setVisible(false);
    const auto [M1, A1, A1_As, As] = findThroat();

    step = texts::Step::Reading;
    const double M2 = read(Text_Msub);
    step = texts::Step::RatioBetween;
    const double A2_A1 = flow::areaRatioBetween(M1, M2, gas());
    step = texts::Step::AreaTwo;
    const double A2 = multiply(A2_A1, A1);
    Text_A2->setVisible(true);
    showValue(Text_A2, A2);
    step = texts::Step::StationTwoRatio;
    const double A2_As = divide(A2, As);

    grafik_Geo();
    charts::markStation(*Picture_geo, M1, A1_As, kBlue, texts::stationValue(1, shownText(M1)), texts::kStationOne, true);
    charts::markStation(*Picture_geo, M2, A2_As, kRed, texts::stationValue(2, shownText(M2)), texts::kStationTwo);
    Picture_geo->setDescription(Picture_geo->description() +
                                          texts::stationMarks(shownText(M1), shownText(M2)));
    Command1->setText(texts::kChooseAnOutputOption);
    Solution solution;
    solution.quantities = {{texts::kInputM1.name, M1},     {texts::kInputA1.name, A1},
                           {texts::kResultAstar.name, As}, {texts::kInputM2.name, M2},
                           {texts::kResultA2.name, A2}};
    solution.A2_As = A2_As;
    NozzleCase::Solution shared{{{names::kStation1, M1, A1}, {names::kThroat, 1, As}, {names::kStation2, M2, A2}},
                                As,
                                A2_As,
                                names::fromAreaSolve(unroundedText(M1), unroundedText(A1), unroundedText(M2))};
    shared.areaUnit = case_->units().area;
    completed(std::move(solution), std::move(shared), texts::areaFound(shownText(As), shownText(A2)));
}

// Option "M": the subsonic and supersonic Mach numbers of a station of given area A2.
void Form_Ventrolex::findMachForArea()
{
    const auto [M1, A1, A1_As, As] = findThroat();

    step = texts::Step::Reading;
    const double A2 = read(Text_A2);
    step = texts::Step::Existence;
    const double A2_A1 = divide(A2, A1);
    // No station of the stream is narrower than the throat.
    if (A2_A1 < divide(1, A1_As)) {
        withdrawResults();
        const QString cause = narrowerCause(A2, As, A2_A1, A1_As);
        case_->withdrawSolution(names::kSolveRefused, texts::sentence(texts::kNoSolution) + QLatin1Char(' ') + cause);
        narrowerThan = As;
        MsgBox(texts::kNoSolution, cause, this);
        return;
    }
    step = texts::Step::StationTwoRatio;
    const double A2_As = multiply(A1_As, A2_A1);

    Picture_iter->setVisible(true);
    Solution solution;
    solution.iteration = true;
    solution.A2_As = A2_As;
    step = texts::Step::Subsonic;
    const double Msub = solution.Msub = M_iter(A2_As, 1, flow::kSubsonic);
    const bool subsonicSettled = lastConverged;
    solution.subsonicSteps = std::move(lastIterates);
    step = texts::Step::Supersonic;
    const double Msup = solution.Msup = M_iter(A2_As, 1, flow::kSupersonic);
    const bool supersonicSettled = lastConverged;
    solution.supersonicSteps = std::move(lastIterates);
    Text_Msub->setVisible(true);
    showValue(Text_Msub, Msub);
    Text_Msup->setVisible(true);
    showValue(Text_Msup, Msup);
    QStringList roots; // where the iterate shown is not the root shown
    flagIterate(Text_Msub, solution, Msub, flow::Branch::Subsonic, subsonicSettled, roots);
    flagIterate(Text_Msup, solution, Msup, flow::Branch::Supersonic, supersonicSettled, roots);

    // Outside the result boxes, the charts name each station 2 by the root
    // of A2/A*, which the iterate shown in its box may miss in the last digit.
    const NozzleCase::Station subsonic{names::kStation2Subsonic, Msub, A2, flow::Branch::Subsonic, subsonicSettled};
    const NozzleCase::Station supersonic{names::kStation2Supersonic, Msup, A2, flow::Branch::Supersonic,
                                         supersonicSettled};
    solution.rootSub = nozzle_case::exactMach(subsonic, A2_As, gas());
    solution.rootSup = nozzle_case::exactMach(supersonic, A2_As, gas());
    step = texts::Step::Chart;
    drawIterationChart(solution);
    const QString solutions = texts::twoMachNumbers(shownText(solution.rootSub), shownText(solution.rootSup));

    grafik_Geo();
    charts::markStation(*Picture_geo, M1, A1_As, kBlue, texts::stationValue(1, shownText(M1)), texts::kStationOne, true);
    charts::markStation(*Picture_geo, Msub, A2_As, kRed, texts::stationValue(2, shownText(solution.rootSub)),
                        texts::kStationTwo);
    charts::markStation(*Picture_geo, Msup, A2_As, kRed, texts::stationValue(2, shownText(solution.rootSup)),
                        texts::kStationTwo);
    Picture_geo->setDescription(Picture_geo->description() +
                                          texts::stationMarks(shownText(M1), solutions));
    Command1->setText(texts::kChooseAnOutputOption);
    solution.quantities = {{texts::kInputM1.name, M1},     {texts::kInputA1.name, A1},
                           {texts::kResultAstar.name, As}, {texts::kInputA2.name, A2},
                           {texts::kResultMsub.name, Msub}, {texts::kResultMsup.name, Msup}};
    NozzleCase::Solution shared{{{names::kStation1, M1, A1}, {names::kThroat, 1, As}, subsonic, supersonic},
                                As,
                                A2_As,
                                names::fromMachSolve(unroundedText(M1), unroundedText(A1), unroundedText(A2))};
    shared.areaUnit = case_->units().area;
    roots.prepend(texts::machNumbersFound(shownText(As), shownText(Msub), shownText(Msup)));
    completed(std::move(solution), std::move(shared), roots.join(QStringLiteral(". ")));
}
