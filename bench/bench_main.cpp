// Runs the benchmarks, then sets each figure beside its floor: the same work
// done by the toolkit or the C library alone, measured in the same process.
// AAfM and its floor run twice: before the toolkit starts (the cost of the C
// library in a process without Qt) and after, as the window uses them.

#include "form_runtime/application.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <regex>
#include <string>

namespace {

// Whether a run ended in an error: Google Benchmark 1.8 replaced its flag by
// the reason a run was skipped (Debian 12 has 1.7, Debian 13 1.9).
template <typename Run>
auto failed(const Run &run, int) -> decltype(bool(run.error_occurred))
{
    return run.error_occurred;
}
template <typename Run>
bool failed(const Run &run, long)
{
    return run.skipped;
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // The fastest of the repetitions (see fastest.h): single runs on a
        // shared machine vary by a third.
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min" && !failed(run, 0))
                nanoseconds[phase + run.run_name.str()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        }
    }

    void printRatio(const char *what, const std::string &figure, const std::string &floor, double target)
    {
        if (!nanoseconds.count(figure) || !nanoseconds.count(floor))
            return;
        const double ratio = nanoseconds[figure] / nanoseconds[floor];
        std::printf("%-34s %10.1f ns vs floor %10.1f ns: %.2fx (target %.1fx) %s\n", what, nanoseconds[figure],
                    nanoseconds[floor], ratio, target, ratio <= target ? "met" : "MISSED");
    }

    void printUnder(const char *what, const std::string &figure, double milliseconds)
    {
        if (!nanoseconds.count(figure))
            return;
        const double ms = nanoseconds[figure] / 1e6;
        std::printf("%-34s %10.2f ms (target under %.0f ms) %s\n", what, ms, milliseconds,
                    ms <= milliseconds ? "met" : "MISSED");
    }

    std::map<std::string, double> nanoseconds;
    std::string phase; // put before the names of the runs that follow
};

} // namespace

int main(int argc, char *argv[])
{
#ifndef Q_OS_WASM // in a browser the page is the only platform
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    const std::string filter = benchmark::GetBenchmarkFilter();
    if (std::regex_search("BM_AAfM", std::regex(filter == "all" ? "." : filter))) {
        reporter.phase = "before Qt: ";
        std::printf("Before the toolkit starts:\n");
        benchmark::RunSpecifiedBenchmarks(&reporter, "^BM_AAfM(Floor)?$");
    }

    form_runtime::Application app(argc, argv);
    reporter.phase.clear();
    std::printf("\nWith the toolkit running:\n");
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n");
    reporter.printRatio("solve (option M, both charts)", "BM_SolveForMach/1", "BM_SolveFloor/1", 1.3);
    reporter.printRatio("solve at device pixel ratio 2", "BM_SolveForMach/2", "BM_SolveFloor/2", 1.3);
    reporter.printRatio("main window, built and painted", "BM_MainWindow", "BM_MainWindowFloor", 1.1);
    reporter.printRatio("solve with both panels open", "BM_SolveForMachWithPanelsOpen/open:1",
                        "BM_SolveForMachWithPanelsOpen/open:0", 1.1);
    reporter.printUnder("zoom step, both panels open", "BM_ZoomStep", 50);
    reporter.printUnder("p0 changed, three panels open", "BM_ReservoirStep/1", 2);
    reporter.printRatio("back-pressure slider step", "BM_BackPressureStep", "BM_BackPressureFloor", 1.3);
    reporter.printRatio("back-pressure step at the exit lip", "BM_BackPressureStepAtLip", "BM_BackPressureAtLipFloor", 1.3);
    reporter.printUnder("back-pressure step at the exit lip", "BM_BackPressureStepAtLip", 2);
    reporter.printRatio("duct slider step, both charts", "BM_DuctStep", "BM_DuctFloor", 1.3);
    reporter.printUnder("duct slider step, both charts", "BM_DuctStep", 2);
    reporter.printUnder("working rewritten, slider step", "BM_WorkingStep", 2);
    reporter.printRatio("chart opened large, 1920x1080", "BM_LargeChart", "BM_LargeChartFloor", 1.3);
    reporter.printUnder("chart opened large, 1920x1080", "BM_LargeChart", 20);
    reporter.printRatio("Mach iteration pair, AAr = 2", "BM_MachIterationPair", "BM_MachIterationPairFloor", 1.5);
    reporter.printRatio("AAfM vs pow, same process", "BM_AAfM", "BM_AAfMFloor", 1.5);
    reporter.printRatio("AAfM vs pow before Qt started", "BM_AAfM", "before Qt: BM_AAfMFloor", 1.5);
    reporter.printRatio("AAfM before vs after Qt started", "BM_AAfM", "before Qt: BM_AAfM", 1.5);
    benchmark::Shutdown();
    return 0;
}
