#include "form_runtime/chart_surface.h"
#include "workspace/main_window.h"
#include "stations_window/form_stations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "fastest.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The main window shown, with the worked option-M example typed in
// (M1 = 0.5, A1 = 1, A2 = 1): each click on `command` solves it.
struct WorkedExample {
    WorkedExample()
    {
        form.show();
        form.findChild<QLineEdit *>(QStringLiteral("Text_M1"))->setText(QStringLiteral("0.5"));
        form.findChild<QAbstractButton *>(QStringLiteral("Option_Msub"))->click();
        form.findChild<QLineEdit *>(QStringLiteral("Text_A2"))->setText(QStringLiteral("1"));
    }
    MainWindow form; // the shell, with the form in its middle
    form_runtime::ChartSurface *geo = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_geo"));
    form_runtime::ChartSurface *iter = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_iter"));
    QAbstractButton *command = form.findChild<QAbstractButton *>(QStringLiteral("Command1"));
};

// A complete option-M solve as a student makes it, and both charts painted at
// the device pixel ratio given (1, or 2 for the pixels of a HiDPI screen).
void BM_SolveForMach(benchmark::State &state)
{
    const qreal dpr = qreal(state.range(0));
    WorkedExample example;
    auto *geo = example.geo, *iter = example.iter;
    QPixmap geoPixels(geo->size() * dpr), iterPixels(iter->size() * dpr);
    geoPixels.setDevicePixelRatio(dpr);
    iterPixels.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        example.command->click();
        geo->render(&geoPixels);
        iter->render(&iterPixels);
        benchmark::DoNotOptimize(geoPixels.cacheKey());
        benchmark::DoNotOptimize(iterPixels.cacheKey());
    }
}
BENCHMARK(BM_SolveForMach)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// A curve of `points` points across the image, as the charts' curves cross them.
QPolygonF curve(const QImage &image, int points, double bend)
{
    const double w = image.width() / image.devicePixelRatio(), h = image.height() / image.devicePixelRatio();
    QPolygonF line;
    for (int i = 0; i < points; ++i) {
        const double t = double(i) / (points - 1);
        line << QPointF(t * w, h * (0.5 + bend * (t - 0.5) * (t - 0.5)));
    }
    return line;
}

// The fastest plain-Qt way to draw a chart's picture: its background, its
// axis-parallel lines, its curves as polylines (at ratios above 1 as one
// batch of segments, as the chart surface draws them there), and its circles,
// antialiased, straight onto an image.
void drawChart(QImage &image, const QColor &background, int axisLines, const std::vector<QPolygonF> &curves,
               int circles)
{
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = image.width() / image.devicePixelRatio(), h = image.height() / image.devicePixelRatio();
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (int i = 0; i < axisLines; ++i)
        painter.drawLine(QPointF(w * i / axisLines + 0.5, 0), QPointF(w * i / axisLines + 0.5, h));
    painter.setPen(QPen(Qt::black, 1));
    for (const QPolygonF &c : curves) {
        if (image.devicePixelRatio() > 1) {
            std::vector<QLineF> segments;
            for (int i = 1; i < c.size(); ++i)
                segments.emplace_back(c[i - 1], c[i]);
            painter.drawLines(segments.data(), int(segments.size()));
        } else {
            painter.drawPolyline(c);
        }
    }
    painter.setPen(QPen(Qt::red, 1));
    for (int i = 0; i < circles; ++i)
        painter.drawEllipse(QPointF(w / 2 + 0.5, h / 2 + 0.5), 3, 3);
}

// The floor of the solve: both charts' pictures (the nozzle chart's 16 grid
// lines, 2 walls of 396 points and 3 marks; the iteration chart's 2 axes,
// diagonal and 2 curves of 200 points and 2 circles) drawn the fastest plain-Qt
// way into images of the charts' sizes, at the same ratio.
void BM_SolveFloor(benchmark::State &state)
{
    const qreal dpr = qreal(state.range(0));
    QImage geo(QSize(273, 153) * dpr, QImage::Format_ARGB32_Premultiplied);
    QImage iter(QSize(269, 173) * dpr, QImage::Format_ARGB32_Premultiplied);
    geo.setDevicePixelRatio(dpr);
    iter.setDevicePixelRatio(dpr);
    const std::vector<QPolygonF> walls{curve(geo, 396, 1.2), curve(geo, 396, -1.2)};
    const std::vector<QPolygonF> functions{curve(iter, 200, 0), curve(iter, 200, 1.5), curve(iter, 200, -1.5)};
    for (auto _ : state) {
        drawChart(geo, QColor(255, 255, 192), 16 + 3, walls, 0);
        drawChart(iter, Qt::white, 2, functions, 2);
        benchmark::DoNotOptimize(geo.bits());
        benchmark::DoNotOptimize(iter.bits());
    }
}
BENCHMARK(BM_SolveFloor)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// The option-M solve at ratio 1 with both panels open (arg 1) or closed: the
// Stations table and the Back pressure panel follow every solve, and are
// painted with the charts.
void BM_SolveForMachWithPanelsOpen(benchmark::State &state)
{
    WorkedExample example;
    auto *geo = example.geo, *iter = example.iter;
    if (state.range(0) != 0) {
        example.form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
        example.form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    }
    QPixmap geoPixels(geo->size()), iterPixels(iter->size());
    for (auto _ : state) {
        example.command->click();
        geo->render(&geoPixels);
        iter->render(&iterPixels);
        QCoreApplication::sendPostedEvents(); // the panels' new layout
        benchmark::DoNotOptimize(geoPixels.cacheKey());
        benchmark::DoNotOptimize(iterPixels.cacheKey());
    }
}
BENCHMARK(BM_SolveForMachWithPanelsOpen)
    ->ArgName("open")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Apply(withFastest);

// A change of p0 in the Reservoir panel, after the worked example with the
// Stations, Back pressure and Reservoir panels open: every panel's figures in
// units follow (arg 0), and the panel in front is painted (arg 1); the form,
// which nothing of this changes, is not.
void BM_ReservoirStep(benchmark::State &state)
{
    WorkedExample example;
    example.command->click();
    for (const char *item : {"Mn_Stations", "Mn_BackPressure", "Mn_Reservoir"})
        example.form.findChild<QAction *>(QLatin1String(item))->trigger();
    auto *p0 = example.form.findChild<QLineEdit *>(QStringLiteral("Text_p0"));
    example.form.findChild<QLineEdit *>(QStringLiteral("Text_T0"))->setText(QStringLiteral("500"));
    p0->setText(QStringLiteral("1000"));
    QCoreApplication::sendPostedEvents();
    QWidget *front = example.form.findChild<QWidget *>(QStringLiteral("Dock_Reservoir"));
    QPixmap pixels(front->size());
    bool high = false;
    for (auto _ : state) {
        high = !high;
        p0->setText(high ? QStringLiteral("1001") : QStringLiteral("1000"));
        QCoreApplication::sendPostedEvents(); // the panels' layouts
        if (state.range(0))
            front->render(&pixels);
        benchmark::DoNotOptimize(pixels.cacheKey());
    }
}
BENCHMARK(BM_ReservoirStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// One zoom step, 100 % to 125 % or back, with both panels open after the
// worked example: every control placed again, every font and chart at the new
// size, the whole window laid out and painted.
void BM_ZoomStep(benchmark::State &state)
{
    WorkedExample example;
    example.command->click();
    example.form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    example.form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    QPixmap pixels(example.form.size() * 2);
    int zoom = 4;
    for (auto _ : state) {
        zoom = zoom == 4 ? 5 : 4;
        example.form.setZoom(zoom);
        QCoreApplication::sendPostedEvents(); // the layouts
        example.form.render(&pixels);
        benchmark::DoNotOptimize(pixels.cacheKey());
    }
    example.form.setZoom(4);
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond)->Apply(withFastest);

void BM_MainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow form;
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// The floor of the window: at the same size, the same eighteen controls, menu bar (with the gas
// menu's items) and font, built with plain Qt calls at the same pixel
// geometry, shown and painted, the frames as etched QFrames (the cheapest
// border Qt paints) with the caption a label on it.
void BM_MainWindowFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        QFont font;
        font.setFamilies({QStringLiteral("DejaVu Sans Condensed")});
        font.setPointSize(8);
        window.setFont(font);
        window.menuBar()->addAction(QStringLiteral("About"));
        window.menuBar()->addAction(QStringLiteral("Stations"));
        window.menuBar()->addAction(QStringLiteral("Back pressure"));
        QMenu *gas = window.menuBar()->addMenu(QStringLiteral("Gas"));
        for (const char *item : {"Air, k = 1.4", "Helium, k = 5/3", "Argon, k = 5/3", "Superheated steam, k = 1.3",
                                 "Carbon dioxide, k = 1.289", "Combustion gases, k = 1.2", "Other k\u2026"})
            gas->addAction(QString::fromUtf8(item))->setCheckable(true);
        auto *client = new QWidget;
        window.setCentralWidget(client);
        const auto place = [](QWidget *w, int x, int y, int width, int height) {
            w->setGeometry(x, y, width, height);
            return w;
        };
        const auto etched = [](QWidget *parent) {
            auto *frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            return frame;
        };
        auto *frame1 = place(etched(client), 8, 0, 273, 121);
        auto *frame2 = place(etched(frame1), 8, 8, 97, 65);
        place(new QLabel(QStringLiteral("A1 ="), frame2), 8, 16, 41, 17);
        place(new QLineEdit(QStringLiteral("1"), frame2), 40, 16, 49, 19);
        place(new QLabel(QStringLiteral("M1 ="), frame2), 8, 40, 41, 17);
        place(new QLineEdit(QStringLiteral("1"), frame2), 40, 40, 49, 19);
        auto *frame4 = place(etched(frame1), 8, 72, 97, 41);
        place(new QLabel(QStringLiteral("A* ="), frame4), 8, 16, 33, 17);
        place(new QLineEdit(QStringLiteral("1"), frame4), 40, 16, 49, 19);
        auto *frame3 = place(etched(frame1), 112, 8, 153, 105);
        place(new QLabel(QStringLiteral("Output options"), frame3), 8, 0, 80, 14);
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
        window.resize(289 + 440, 467 + window.menuBar()->sizeHint().height()); // the form, and room for a panel
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MainWindowFloor)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
