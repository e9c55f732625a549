#include "form_runtime/chart_surface.h"
#include "solver_window/form_ventrolex.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A complete option-M solve as a student makes it, and both charts painted.
void BM_SolveForMach(benchmark::State &state)
{
    Form_Ventrolex form;
    form.show();
    auto *geo = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_geo"));
    auto *iter = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_iter"));
    form.findChild<QLineEdit *>(QStringLiteral("Text_M1"))->setText(QStringLiteral("0.5"));
    form.findChild<QAbstractButton *>(QStringLiteral("Option_Msub"))->click();
    form.findChild<QLineEdit *>(QStringLiteral("Text_A2"))->setText(QStringLiteral("1"));
    auto *command = form.findChild<QAbstractButton *>(QStringLiteral("Command1"));
    for (auto _ : state) {
        command->click();
        benchmark::DoNotOptimize(geo->grab());
        benchmark::DoNotOptimize(iter->grab());
    }
}
BENCHMARK(BM_SolveForMach)->Unit(benchmark::kMicrosecond);

void drawSegments(QImage &image, int segments, int circles)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height();
    for (int i = 0; i < segments; ++i) {
        const double t = double(i) / segments, u = double(i + 1) / segments;
        painter.drawLine(QPointF(t * w, h * (0.5 + 0.4 * t * t)), QPointF(u * w, h * (0.5 + 0.4 * u * u)));
    }
    for (int i = 0; i < circles; ++i)
        painter.drawEllipse(QPointF(w / 2, h / 2), 3, 3);
}

// The floor of the solve: the same number of antialiased segments and circles
// drawn by a bare QPainter into images of the charts' sizes.
void BM_SolveFloor(benchmark::State &state)
{
    QImage geo(273, 153, QImage::Format_ARGB32_Premultiplied);
    QImage iter(269, 173, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        drawSegments(geo, 9 + 7 + 2 * 395 + 3, 0);
        drawSegments(iter, 2 + 3 * 199, 2);
        benchmark::DoNotOptimize(geo.bits());
        benchmark::DoNotOptimize(iter.bits());
    }
}
BENCHMARK(BM_SolveFloor)->Unit(benchmark::kMicrosecond);

void BM_MainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        Form_Ventrolex form;
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMicrosecond);

// The floor of the window: an empty main window of the same size, with a menu bar.
void BM_MainWindowFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.menuBar()->addAction(QStringLiteral("About"));
        window.setCentralWidget(new QWidget);
        window.resize(289, 467 + window.menuBar()->sizeHint().height());
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MainWindowFloor)->Unit(benchmark::kMicrosecond);

} // namespace
