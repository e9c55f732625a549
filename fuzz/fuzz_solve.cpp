// Any texts in Text_M1, Text_A1 and the station-2 box, with either option: the
// solve ends completed, with finite, non-empty results and the open Stations
// window showing its stations, or with one of the window's messages, no result
// left in a result box and no station left in the Stations window. Messages
// are answered through the message box's seam, without showing a box or
// running an event loop.
//
// Leaks are looked for every so many inputs and when the run ends (see
// leak_check.h).
//
// Input: the first byte picks the option (even: "A2", odd: "M") and, with the
// rest of its bits, the gas: four of their 64 values the gas menu's other
// gases, the rest air, so that most inputs keep the gas of the one before (a
// new gas clears the Stations window and lays it out again: with a new gas at
// four inputs in five, that was about a third of the run's time). The rest of
// the input is split at line feeds into M1, A1 and the station-2 text.

#include "leak_check.h"
#include "window_target.h"

#include "flow/arithmetic.h"
#include "flow/texts.h"
#include "workspace/main_window.h"
#include "form_runtime/message_box.h"
#include "solver_window/texts.h"
#include "stations_window/form_stations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>

namespace {

QApplication *app;
MainWindow *form; // the shell, with the form in its middle
QStringList shown;

void answer(const QString &text)
{
    shown << text;
}

void fail(const char *why)
{
    std::fprintf(stderr, "property violated: %s\n", why);
    std::abort();
}

bool isNumberText(const QString &text)
{
    return !text.isEmpty() && !text.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
           !text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// The window's controls, looked up once.
template <typename T>
T *control(const char *name)
{
    static std::map<std::string, T *> found;
    T *&c = found[name];
    if (!c)
        c = form->findChild<T *>(QLatin1String(name));
    return c;
}

QString textOf(const char *box)
{
    return control<QLineEdit>(box)->text();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    app = fuzzing::startWindowApplication("fuzz_solve");
    form = new MainWindow;
    form->show();
    form->findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    form_runtime::answerMessagesWith(answer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::countInputForLeaks();
    if (size == 0)
        return 0;
    const bool findArea = data[0] % 2 == 0;
    const QStringList parts = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1))
                                  .split(QLatin1Char('\n'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QString(); };

    namespace texts = solver_window::texts;
    static const QList<QAction *> gases = control<QMenu>("Mn_Gas")->actions();
    const std::size_t gas = (data[0] >> 1) % 64; // air, except for 1 to 4
    gases[gas < std::size(texts::kGases) ? gas : 0]->trigger();
    shown.clear();
    static const stations_window::StationTable &stations = form->findChild<Form_Stations *>()->table();
    control<QLineEdit>("Text_M1")->setText(part(0));
    control<QLineEdit>("Text_A1")->setText(part(1));
    control<QAbstractButton>(findArea ? "Option_A2" : "Option_Msub")->click();
    control<QLineEdit>(findArea ? "Text_Msub" : "Text_A2")->setText(part(2));
    auto *command = control<QAbstractButton>("Command1");
    command->click();
    // What the solve posted for later (layout, accessibility) is handled now,
    // as the event loop would.
    QCoreApplication::sendPostedEvents();

    const bool completed = command->text() == texts::kChooseAnOutputOption;
    const QString notConverged = QString::fromUtf8(flow::kNotConverged);
    if (completed) {
        for (const QString &m : shown) {
            if (m != notConverged)
                fail("a completed solve showed a message other than the iteration's");
        }
        const char *results[] = {"Text_Astar", findArea ? "Text_A2" : "Text_Msub", findArea ? "Text_Astar" : "Text_Msup"};
        for (const char *box : results) {
            if (!isNumberText(textOf(box)))
                fail("a result box holds no finite number");
        }
        if (stations.lookUpRow() != (findArea ? 3 : 4))
            fail("the Stations window does not show the solution's stations");
    } else {
        if (shown.isEmpty())
            fail("a solve ended without completing and without a message");
        const QString last = shown.back();
        bool known = last == texts::kNoSolution;
        for (auto kind : {flow::ArithmeticError::Kind::DivisionByZero, flow::ArithmeticError::Kind::Overflow,
                          flow::ArithmeticError::Kind::InvalidArgument}) {
            const QString fault = texts::faultMessage(kind);
            known = known || last == fault || last == fault + texts::kCommaEndsTheNumber;
        }
        if (!known)
            fail("a solve ended with an unknown message");
        if (stations.lookUpRow() != 0)
            fail("a refused solve left stations in the Stations window");
        for (const char *box : {findArea ? "Text_A2" : "Text_Msub", findArea ? "Text_A2" : "Text_Msup"}) {
            if (!textOf(box).isEmpty())
                fail("a refused solve left a result beside its inputs");
        }
        for (int i = 0; i + 1 < shown.size(); ++i) {
            if (shown[i] != notConverged)
                fail("more than one message ended a solve");
        }
    }
    if (!textOf("Text_Astar").isEmpty() && !isNumberText(textOf("Text_Astar")))
        fail("A* shows no finite number");
    return 0;
}
