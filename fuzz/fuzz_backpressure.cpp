// Any texts in the Back pressure window's Ae/At and pb/p01 boxes, in one
// cell of its row "Any normal shock" and in the row "Any oblique shock": every
// outcome is a regime with finite results in its tables (the exit lip's
// too), or the window's one line naming the box at fault, which is signed,
// and no result; no result ever comes from a text not read whole. A look-up
// fills its rows with finite values, or says in one line why not, signs the
// cell and leaves no figure beside it.
//
// Input: the first byte picks the normal-shock look-up's column (modulo 7),
// the oblique one's second column (the byte over 7, modulo 8) and, by its top
// bit, steam instead of air; the rest is split at line feeds into Ae/At,
// pb/p01, the normal-shock look-up's text, the oblique look-up's M1 and its
// second text, and the Reservoir panel's p0, T0 and R and pb in its unit:
// every outcome is finite figures in units, or no figure where a box has no
// physical meaning (and then its sign). Then the Duct panel: its Ae/At,
// 4fL/D, T02/T01 (a text there makes the duct a heated one) and pb/p01, and a
// cell of its Fanno or Rayleigh look-up (the first byte's column, modulo 8):
// a flow only from texts read whole, with finite places and both charts
// drawn, or its one line naming a signed box. Leaks are looked for every so
// many inputs and when the run ends (see leak_check.h).

#include "leak_check.h"
#include "window_target.h"

#include "backpressure_window/form_backpressure.h"
#include "duct_window/form_duct.h"
#include "form_runtime/text_box.h"
#include "form_runtime/typed_number.h"
#include "nozzle_case/nozzle_case.h"
#include "reservoir_window/form_reservoir.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QApplication *app;
NozzleCase *nozzleCase;
Form_BackPressure *window;
Form_Reservoir *reservoir;
Form_Duct *duct;

void fail(const char *why)
{
    std::fprintf(stderr, "property violated: %s\n", why);
    std::abort();
}

QString tableText(const char *name)
{
    const QAbstractItemModel *m = window->findChild<QTableView *>(QLatin1String(name))->model();
    QString text;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            text += m->index(r, c).data(Qt::EditRole).toString() + QLatin1Char(' ');
    return text;
}

// Every cell that shows a value shows a finite one (a refused look-up's
// cell, signed, shows what was typed).
bool finiteWhereShown(const QAbstractItemModel *m)
{
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c) {
            if (!m->index(r, c).data(Qt::DecorationRole).isNull())
                continue;
            const QString text = m->index(r, c).data(Qt::EditRole).toString();
            if (!text.isEmpty() && !std::isfinite(text.toDouble()))
                return false;
        }
    return true;
}

// A refused look-up: its cell signed, and no figure left in its row.
bool refusedAlone(const QAbstractItemModel *m, int row, int column)
{
    if (m->index(row, column).data(Qt::DecorationRole).isNull())
        return false;
    for (int c = 0; c < m->columnCount(); ++c)
        if (c != column && !m->index(row, c).data().toString().isEmpty())
            return false;
    return true;
}

bool readWhole(const QString &text)
{
    return form_runtime::readTyped(QStringLiteral("box"), text).value.has_value();
}

bool finiteRow(const QAbstractItemModel *m, int row)
{
    for (int c = 0; c < m->columnCount(); ++c) {
        bool ok = false;
        const double v = m->index(row, c).data(Qt::EditRole).toString().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    app = fuzzing::startWindowApplication("fuzz_backpressure");
    nozzleCase = new NozzleCase;
    window = new Form_BackPressure(*nozzleCase);
    window->show();
    reservoir = new Form_Reservoir(*nozzleCase);
    reservoir->show();
    duct = new Form_Duct(*nozzleCase);
    duct->show();
    nozzleCase->setSolution({{}, 1e-3, 2, QString()}); // a throat of 10 cm^2, for the mass flow
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::countInputForLeaks();
    if (size == 0)
        return 0;
    const int column = (data[0] & 0x7f) % 7;
    nozzleCase->setGas(data[0] & 0x80 ? 1.3 : 1.4,
                       data[0] & 0x80 ? QStringLiteral("Superheated steam, k = 1.3") : QStringLiteral("Air, k = 1.4"));
    const QStringList parts = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1))
                                  .split(QLatin1Char('\n'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QString(); };

    auto *input = window->findChild<QLabel *>(QStringLiteral("Label_Input"));
    const QAbstractItemModel *places = window->findChild<QTableView *>(QStringLiteral("Table_Nozzle"))->model();
    QAbstractItemModel *shocks = window->findChild<QTableView *>(QStringLiteral("Table_Shock"))->model();
    const auto typeInto = [&](const char *box, const QString &text) {
        window->findChild<QLineEdit *>(QLatin1String(box))->setText(text);
        if (window->flow() && !readWhole(text))
            fail("a result from a text not read whole");
        if (!input->isHidden()) {
            if (input->text().isEmpty() || input->text().contains(QLatin1Char('\n')))
                fail("the line about the inputs is not one line");
            if (window->flow() || places->rowCount() != 0 || shocks->rowCount() != 1)
                fail("results stand beside inputs that make no nozzle");
            bool signed_ = false;
            for (const char *name : {"Text_AeAt", "Text_pbp0", "Text_pb"}) {
                const auto *b = window->findChild<form_runtime::TextBox *>(QLatin1String(name));
                signed_ = signed_ || (!b->note().isEmpty() && b->note() == input->text());
            }
            if (!signed_)
                fail("the line about the inputs names no signed box");
            return;
        }
        if (!window->flow())
            fail("no line about the inputs and no flow");
        if (window->findChild<QLabel *>(QStringLiteral("Label_Regime"))->text().isEmpty())
            fail("a flow without its regime");
        for (int r = 0; r < places->rowCount(); ++r)
            if (!finiteRow(places, r))
                fail("a place in the nozzle holds no finite number");
        if (shocks->rowCount() == 2 && !finiteRow(shocks, 0))
            fail("the shock's row holds no finite number");
        const QAbstractItemModel *lip = window->findChild<QTableView *>(QStringLiteral("Table_Lip"))->model();
        if (!finiteWhereShown(lip) && !std::isinf(lip->index(1, 2).data(Qt::EditRole).toString().toDouble()))
            fail("the exit lip's table holds no finite number"); // but M beyond a fan into a vacuum
        if (window->findChild<QLabel *>(QStringLiteral("Label_Lip"))->text().contains(QLatin1Char('\n')))
            fail("the exit lip's line is not one line");
    };
    typeInto("Text_AeAt", part(0));
    typeInto("Text_pbp0", part(1));

    const int last = shocks->rowCount() - 1;
    const QString rowBefore = tableText("Table_Shock");
    auto *problem = window->findChild<QLabel *>(QStringLiteral("Label_LookUpProblem"));
    if (shocks->setData(shocks->index(last, column), part(2), Qt::EditRole)) {
        if (!problem->text().isEmpty() || !finiteRow(shocks, last))
            fail("a look-up filled its row with no finite number, or said it could not");
    } else if (tableText("Table_Shock") != rowBefore) { // refused, not left as it was
        if (problem->text().isEmpty() || problem->text().contains(QLatin1Char('\n')))
            fail("a refused look-up says why in no line, or in more than one");
        if (!refusedAlone(shocks, last, column))
            fail("a refused look-up left figures beside its text, or no sign");
    }

    // The oblique look-up: M1, then a second column.
    QAbstractItemModel *oblique = window->findChild<QTableView *>(QStringLiteral("Table_Oblique"))->model();
    auto *obliqueProblem = window->findChild<QLabel *>(QStringLiteral("Label_ObliqueProblem"));
    for (const auto &[obliqueColumn, text] : {std::pair{0, part(3)}, std::pair{((data[0] & 0x7f) / 7) % 8, part(4)}}) {
        const QString before = tableText("Table_Oblique");
        const bool filled = oblique->setData(oblique->index(0, obliqueColumn), text, Qt::EditRole);
        if (obliqueProblem->text().contains(QLatin1Char('\n')))
            fail("the oblique look-up's line is not one line");
        if (!finiteWhereShown(oblique))
            fail("the oblique look-up shows a value that is not finite");
        if (!filled && !obliqueProblem->text().isEmpty() && tableText("Table_Oblique") != before &&
            oblique->index(0, obliqueColumn).data(Qt::DecorationRole).isNull())
            fail("a refused oblique look-up changed its rows and signed no cell");
    }

    // The reservoir and pb in units.
    for (const auto &[name, i] : {std::pair{"Text_p0", 5}, std::pair{"Text_T0", 6}, std::pair{"Text_R", 7}})
        reservoir->findChild<QLineEdit *>(QLatin1String(name))->setText(part(i));
    auto *pbInUnits = window->findChild<QLineEdit *>(QStringLiteral("Text_pb"));
    if (pbInUnits->isEnabled()) {
        pbInUnits->setText(part(8));
        if (window->flow() && !readWhole(part(8)))
            fail("a result from a pb not read whole");
    }
    const auto &r = nozzleCase->reservoir();
    const auto *performance = window->findChild<QTableView *>(QStringLiteral("Table_Performance"));
    if (r) {
        if (!(r->p0 > 0 && r->T0 > 0 && r->R > 0 && std::isfinite(r->p0) && std::isfinite(r->T0) && std::isfinite(r->R)))
            fail("a reservoir with no physical meaning was taken");
        if (!finiteWhereShown(window->findChild<QTableView *>(QStringLiteral("Table_NozzleUnits"))->model()) ||
            !finiteWhereShown(performance->model()))
            fail("a figure in units is not finite");
    } else {
        if (!performance->isHidden() && window->flow())
            fail("figures in units stand without a reservoir");
        bool signed_ = false;
        for (const char *name : {"Text_p0", "Text_T0", "Text_R"}) {
            auto *box = reservoir->findChild<form_runtime::TextBox *>(QLatin1String(name));
            signed_ = signed_ || !box->note().isEmpty() || box->text().trimmed().isEmpty();
        }
        if (!signed_)
            fail("no reservoir, and no box says why");
    }

    // The Duct panel.
    auto *ductLine = duct->findChild<QLabel *>(QStringLiteral("Label_Input"));
    const QAbstractItemModel *ductPlaces = duct->findChild<QTableView *>(QStringLiteral("Table_Places"))->model();
    bool allWhole = true;
    for (const auto &[name, i] : {std::pair{"Text_AeAt", 9}, std::pair{"Text_fLD", 10}, std::pair{"Text_T0Ratio", 11},
                                  std::pair{"Text_pbp0", 12}}) {
        if (i == 11 && part(i).isEmpty())
            continue; // a duct with friction
        duct->findChild<QLineEdit *>(QLatin1String(name))->setText(part(i));
    }
    const bool heat = !part(11).isEmpty();
    for (int i : {9, heat ? 11 : 10, 12})
        allWhole = allWhole && readWhole(part(i));
    if (duct->flow()) {
        if (!allWhole)
            fail("a duct flow from a text not read whole");
        for (int r = 0; r < ductPlaces->rowCount(); ++r)
            if (!finiteRow(ductPlaces, r))
                fail("a place of the duct flow holds no finite number");
    } else {
        if (ductLine->isHidden() || ductLine->text().isEmpty() || ductLine->text().contains(QLatin1Char('\n')))
            fail("no duct flow, and no one line says why");
        if (ductPlaces->rowCount() != 0)
            fail("places of a duct flow stand beside inputs that make none");
    }
    QAbstractItemModel *lookUp =
        duct->findChild<QTableView *>(QLatin1String(heat ? "Table_Rayleigh" : "Table_Fanno"))->model();
    const int lookUpColumn = (data[0] & 0x7f) % 8;
    auto *lookUpLine = duct->findChild<QLabel *>(QStringLiteral("Label_LookUpProblem"));
    const auto rowsOf = [lookUp] {
        QString text;
        for (int r = 0; r < lookUp->rowCount(); ++r)
            for (int c = 0; c < lookUp->columnCount(); ++c)
                text += lookUp->index(r, c).data().toString() + QLatin1Char('|');
        return text;
    };
    const QString lookUpBefore = rowsOf();
    if (lookUp->setData(lookUp->index(0, lookUpColumn), part(13), Qt::EditRole)) {
        for (int r = 0; r < lookUp->rowCount(); ++r)
            if (!finiteRow(lookUp, r))
                fail("a Fanno or Rayleigh look-up filled a row with no finite number");
    } else if (rowsOf() != lookUpBefore && // refused, not left as it was
               (lookUpLine->text().isEmpty() || lookUpLine->text().contains(QLatin1Char('\n')) ||
                !refusedAlone(lookUp, 0, lookUpColumn) || lookUp->rowCount() != 1)) {
        fail("a refused Fanno or Rayleigh look-up says why in no line, or left figures, or no sign");
    }
    QCoreApplication::sendPostedEvents();
    return 0;
}
