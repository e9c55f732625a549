// The charts' context menus: the iteration drawn step by step, the charts and
// results copied or saved for a report.

#include "solver_window/form_ventrolex.h"

#include "charts/iteration_chart.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"
#include "solver_window/texts.h"
#include "nozzle_case/station_rows.h"
#include "nozzle_case/units_text.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace texts = solver_window::texts;
using form_runtime::unroundedText;

void Form_Ventrolex::buildChartMenus()
{
    showIterates = new QAction(texts::kShowTheIterates, Picture_iter);
    showIterates->setCheckable(true);
    connect(showIterates, &QAction::toggled, this, [this] {
        // The last solution's chart again, with or without its steps.
        if (lastSolution && lastSolution->iteration && !Picture_iter->strokes().empty()) {
            announcement.clear(); // it may rest on the chart, whose description is redrawn
            drawIterationChart(*lastSolution);
        }
    });
    Picture_iter->addMenuAction(showIterates);

    form_runtime::addPictureMenu(*Picture_geo, texts::kNozzleChartFile);
    form_runtime::addPictureMenu(*Picture_iter, texts::kIterationChartFile);

    for (form_runtime::ChartSurface *chart : {Picture_geo, Picture_iter}) {
        auto *copy = new QAction(texts::kCopyResults, chart);
        connect(copy, &QAction::triggered, this, &Form_Ventrolex::copyResults);
        chart->addMenuAction(copy, [this] { return solutionShown; });
    }

    auto *copyIteratesAction = new QAction(texts::kCopyTheIterates, Picture_iter);
    connect(copyIteratesAction, &QAction::triggered, this, &Form_Ventrolex::copyIterates);
    Picture_iter->addMenuAction(copyIteratesAction,
                                [this] { return solutionShown && lastSolution && lastSolution->iteration; });
}

// The iteration chart of a solution of option "M": both functions, the
// iterates when asked for, and the solutions circled.
void Form_Ventrolex::drawIterationChart(const Solution &solution)
{
    Grafik_iter(solution.A2_As, 1);
    QString steps;
    if (showIterates->isChecked()) {
        charts::drawIterates(*Picture_iter, solution.subsonicSteps);
        charts::drawIterates(*Picture_iter, solution.supersonicSteps);
        steps = texts::iterationSteps(qsizetype(solution.subsonicSteps.size()),
                                      qsizetype(solution.supersonicSteps.size()));
    }
    charts::markSolutions(*Picture_iter, {solution.Msub, solution.rootSub}, {solution.Msup, solution.rootSup},
                          showIterates->isChecked());
    const QString solutions =
        texts::twoMachNumbers(form_runtime::shownText(solution.rootSub), form_runtime::shownText(solution.rootSup));
    Picture_iter->setDescription(withGas(Picture_iter->description() + texts::solutionCircles(solutions) + steps));
}

void Form_Ventrolex::copyResults()
{
    if (!lastSolution || !solutionShown)
        return;
    QString text = texts::kResultsHeader;
    for (const auto &[name, value] : lastSolution->quantities)
        text += name + QLatin1Char('\t') + form_runtime::shownText(value) + QLatin1Char('\t') + unroundedText(value) + QLatin1Char('\n');
    for (const auto &[box, note] : lastSolution->notes)
        text += texts::noteOn(box) + QLatin1Char('\t') + note + QLatin1Char('\n');
    // Then every station's whole isentropic table.
    if (case_->solution())
        text += QLatin1Char('\n') + nozzle_case::tableText(nozzle_case::stationRows(*case_->solution(), gas()), QLatin1Char('\t'),
                                                            nozzle_case::units::areaUnit(case_->solution()->areaUnit));
    text += QLatin1Char('\n') + texts::kGasQuantity + QLatin1Char('\t') + lastSolution->gas + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

void Form_Ventrolex::copyIterates()
{
    if (!lastSolution || !solutionShown || !lastSolution->iteration)
        return;
    const auto &sub = lastSolution->subsonicSteps;
    const auto &sup = lastSolution->supersonicSteps;
    QString text = texts::kIteratesHeader;
    for (std::size_t i = 0; i < std::max(sub.size(), sup.size()); ++i) {
        text += QString::number(i + 1) + QLatin1Char('\t') + (i < sub.size() ? unroundedText(sub[i]) : QString()) +
                QLatin1Char('\t') + (i < sup.size() ? unroundedText(sup[i]) : QString()) + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
}
