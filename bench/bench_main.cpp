// Runs the benchmarks, then sets each figure beside its floor: the same work
// done by the toolkit or the C library alone, measured in the same process.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                nanoseconds[run.benchmark_name()] =
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

    std::map<std::string, double> nanoseconds;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n");
    reporter.printRatio("solve (option M, both charts)", "BM_SolveForMach", "BM_SolveFloor", 2.0);
    reporter.printRatio("main window, built and painted", "BM_MainWindow", "BM_MainWindowFloor", 1.5);
    reporter.printRatio("Mach iteration pair, AAr = 2", "BM_MachIterationPair", "BM_MachIterationPairFloor", 1.5);
    reporter.printRatio("AAfM", "BM_AAfM", "BM_AAfMFloor", 1.5);
    if (reporter.nanoseconds.count("BM_AAfM")) {
        const double ns = reporter.nanoseconds["BM_AAfM"];
        std::printf("%-34s %10.1f ns (target under 50 ns) %s\n", "AAfM", ns, ns < 50 ? "met" : "MISSED");
    }
    benchmark::Shutdown();
    return 0;
}
