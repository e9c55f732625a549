// One Back pressure slider step as the Working panel follows it: the working
// of a nozzle with a shock inside, in units with its thrust, written out
// again and laid out in the panel's view.

#include "nozzle_case/nozzle_case.h"
#include "working_window/form_working.h"

#include <QCoreApplication>

#include "fastest.h"

#include <benchmark/benchmark.h>

namespace {

void BM_WorkingStep(benchmark::State &state)
{
    NozzleCase nozzleCase;
    using Input = NozzleCase::Input;
    nozzleCase.setInput(Input::p0, {QStringLiteral("1000"), 1, 1e6});
    nozzleCase.setInput(Input::T0, {QStringLiteral("500"), 0, 500.0});
    nozzleCase.setInput(Input::R, {QStringLiteral("287"), 0, 287.0});
    NozzleCase::Solution s;
    s.stations = {{QStringLiteral("Station 1"), 1, 10}, {QStringLiteral("Throat"), 1, 10},
                  {QStringLiteral("Station 2"), 2.19715, 20}};
    s.As = 10;
    s.A2_As = 2;
    nozzleCase.setSolution(s);
    nozzleCase.setInput(Input::AeAt, {QStringLiteral("2"), 0, 2.0, true});
    Form_Working panel(nozzleCase);
    panel.resize(480, 640);
    panel.show();
    QCoreApplication::sendPostedEvents();
    bool step = false;
    for (auto _ : state) {
        step = !step;
        const double pb = step ? 0.7 : 0.701;
        nozzleCase.setInput(Input::pbRatio, {QString::number(pb), 0, pb});
        QCoreApplication::sendPostedEvents(); // the view's layout
        benchmark::DoNotOptimize(panel.rewrites());
    }
}
BENCHMARK(BM_WorkingStep)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
