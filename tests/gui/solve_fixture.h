#pragma once

#include "gui_helpers.h"

#include "form_runtime/accessibility.h"
#include "form_runtime/chart_surface.h"
#include "solver_window/form_ventrolex.h"
#include "workspace/main_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <QAccessible>

#include <algorithm>
#include <functional>
#include <vector>

namespace testing_gui {

// The main window shown, driven as a student drives it: typing into the boxes,
// clicking an option and the command button; every message answered.
class SolveTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        geo = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_geo"));
        iter = form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_iter"));
    }

    QLineEdit *box(const char *name) { return form.findChild<QLineEdit *>(QLatin1String(name)); }
    QString text(const char *name) { return box(name)->text(); }
    bool visible(const char *name) { return form.findChild<QWidget *>(QLatin1String(name))->isVisible(); }
    QString caption() { return form.findChild<QPushButton *>(QStringLiteral("Command1"))->text(); }

    void type(const char *name, const QString &value)
    {
        QLineEdit *b = box(name);
        QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, value);
        ASSERT_EQ(b->text(), value);
    }
    void choose(const char *option)
    {
        QWidget *w = form.findChild<QWidget *>(QLatin1String(option));
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }
    void solve() { QTest::mouseClick(form.findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton); }

    // Option "A2": station 1, then M2.
    void solveForArea(const QString &M1, const QString &A1, const QString &M2)
    {
        type("Text_M1", M1);
        type("Text_A1", A1);
        choose("Option_A2");
        type("Text_Msub", M2);
        solve();
    }
    // Option "M": station 1, then A2.
    void solveForMach(const QString &M1, const QString &A1, const QString &A2)
    {
        type("Text_M1", M1);
        type("Text_A1", A1);
        choose("Option_Msub");
        type("Text_A2", A2);
        solve();
    }

    // The last `n` strokes on a chart: the marks a solution drew.
    std::vector<form_runtime::ChartSurface::Stroke> lastStrokes(const form_runtime::ChartSurface *chart, std::size_t n)
    {
        const auto &s = chart->strokes();
        EXPECT_GE(s.size(), n);
        return {s.end() - std::min(n, s.size()), s.end()};
    }

    // What a listening screen reader is told as announcements while `act` runs.
    QStringList announcedWhile(const std::function<void()> &act)
    {
        announced().clear();
        setScreenReaderListening(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (const QString text = form_runtime::announcedBy(event); !text.isEmpty())
                announced() << text;
        });
        act();
        QAccessible::installUpdateHandler(nullptr);
        setScreenReaderListening(false);
        return announced();
    }
    static QStringList &announced()
    {
        static QStringList texts;
        return texts;
    }

    bool redAt(double x, double y) { return hasColourNear(rendered(geo), geo->toPixel(x, y), Qt::red); }
    bool blueAt(double x, double y) { return hasColourNear(rendered(geo), geo->toPixel(x, y), Qt::blue); }

    testing_gui::MessageBoxAnswerer messages;
    MainWindow form; // the shell, with the form in its middle: every control found in it by name
    form_runtime::ChartSurface *geo = nullptr;
    form_runtime::ChartSurface *iter = nullptr;
};

} // namespace testing_gui
