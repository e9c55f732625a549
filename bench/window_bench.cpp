#include "form_runtime/chart_surface.h"
#include "solver_window/form_ventrolex.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

// A complete option-M solve as a student makes it, and both charts painted at
// the device pixel ratio given (1, or 2 for the pixels of a HiDPI screen).
void BM_SolveForMach(benchmark::State &state)
{
    const qreal dpr = qreal(state.range(0));
    Form_Ventrolex form;
    form.show();
    auto *geo = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_geo"));
    auto *iter = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_iter"));
    form.findChild<QLineEdit *>(QStringLiteral("Text_M1"))->setText(QStringLiteral("0.5"));
    form.findChild<QAbstractButton *>(QStringLiteral("Option_Msub"))->click();
    form.findChild<QLineEdit *>(QStringLiteral("Text_A2"))->setText(QStringLiteral("1"));
    auto *command = form.findChild<QAbstractButton *>(QStringLiteral("Command1"));
    QPixmap geoPixels(geo->size() * dpr), iterPixels(iter->size() * dpr);
    geoPixels.setDevicePixelRatio(dpr);
    iterPixels.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        command->click();
        geo->render(&geoPixels);
        iter->render(&iterPixels);
        benchmark::DoNotOptimize(geoPixels.cacheKey());
        benchmark::DoNotOptimize(iterPixels.cacheKey());
    }
}
BENCHMARK(BM_SolveForMach)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void drawSegments(QImage &image, int segments, int circles)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = image.width() / image.devicePixelRatio(), h = image.height() / image.devicePixelRatio();
    for (int i = 0; i < segments; ++i) {
        const double t = double(i) / segments, u = double(i + 1) / segments;
        painter.drawLine(QPointF(t * w, h * (0.5 + 0.4 * t * t)), QPointF(u * w, h * (0.5 + 0.4 * u * u)));
    }
    for (int i = 0; i < circles; ++i)
        painter.drawEllipse(QPointF(w / 2, h / 2), 3, 3);
}

// The floor of the solve: the same number of antialiased segments and circles
// drawn by a bare QPainter into images of the charts' sizes, at the same ratio.
void BM_SolveFloor(benchmark::State &state)
{
    const qreal dpr = qreal(state.range(0));
    QImage geo(QSize(273, 153) * dpr, QImage::Format_ARGB32_Premultiplied);
    QImage iter(QSize(269, 173) * dpr, QImage::Format_ARGB32_Premultiplied);
    geo.setDevicePixelRatio(dpr);
    iter.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        drawSegments(geo, 9 + 7 + 2 * 395 + 3, 0);
        drawSegments(iter, 2 + 3 * 199, 2);
        benchmark::DoNotOptimize(geo.bits());
        benchmark::DoNotOptimize(iter.bits());
    }
}
BENCHMARK(BM_SolveFloor)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_MainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        Form_Ventrolex form;
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMicrosecond);

// The floor of the window: the same eighteen controls, menu bar and font,
// built with plain Qt calls at the same pixel geometry, shown and painted.
void BM_MainWindowFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        QFont font;
        font.setFamilies({QStringLiteral("DejaVu Sans Condensed")});
        font.setPointSize(8);
        window.setFont(font);
        window.menuBar()->addAction(QStringLiteral("About"));
        auto *client = new QWidget;
        window.setCentralWidget(client);
        const auto place = [](QWidget *w, int x, int y, int width, int height) {
            w->setGeometry(x, y, width, height);
            return w;
        };
        auto *frame1 = place(new QGroupBox(client), 8, 0, 273, 121);
        auto *frame2 = place(new QGroupBox(frame1), 8, 8, 97, 65);
        place(new QLabel(QStringLiteral("A1 ="), frame2), 8, 16, 41, 17);
        place(new QLineEdit(QStringLiteral("1"), frame2), 40, 16, 49, 19);
        place(new QLabel(QStringLiteral("M1 ="), frame2), 8, 40, 41, 17);
        place(new QLineEdit(QStringLiteral("1"), frame2), 40, 40, 49, 19);
        auto *frame4 = place(new QGroupBox(frame1), 8, 72, 97, 41);
        place(new QLabel(QStringLiteral("A* ="), frame4), 8, 16, 33, 17);
        place(new QLineEdit(QStringLiteral("1"), frame4), 40, 16, 49, 19);
        auto *frame3 = place(new QGroupBox(QStringLiteral("Output options"), frame1), 112, 8, 153, 105);
        place(new QRadioButton(QStringLiteral("A2"), frame3), 8, 16, 41, 17);
        place(new QLineEdit(QStringLiteral("1"), frame3), 56, 16, 41, 19)->hide();
        place(new QRadioButton(QStringLiteral("M"), frame3), 8, 40, 33, 17);
        place(new QLineEdit(QStringLiteral("1"), frame3), 56, 40, 41, 19)->hide();
        place(new QLineEdit(QStringLiteral("1"), frame3), 104, 40, 41, 19)->hide();
        place(new QPushButton(QStringLiteral("Choose an output option"), frame3), 8, 64, 105, 33);
        for (int y : {128, 288}) {
            auto *chart = new QFrame(client);
            chart->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            chart->setAutoFillBackground(true);
            place(chart, 8, y, y == 128 ? 273 : 269, y == 128 ? 153 : 173)->setVisible(y == 128);
        }
        window.resize(289, 467 + window.menuBar()->sizeHint().height());
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MainWindowFloor)->Unit(benchmark::kMicrosecond);

} // namespace
