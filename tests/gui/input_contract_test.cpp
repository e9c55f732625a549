// The contract of every box and look-up cell of every panel, as a student
// types into it key by key: a text not read whole as a number of meaning
// gives no figure (none of a prefix of it, none of the text before it), the
// box or cell gets the warning sign, one line names it and says why, and the
// keys stay where they were typed. A new box or cell is one line of kInputs.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "duct_window/form_duct.h"
#include "form_runtime/text_box.h"
#include "nozzle_case/nozzle_case.h"
#include "reservoir_window/form_reservoir.h"
#include "stations_window/form_stations.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableView>

namespace {

using testing_gui::SolveTest;

// A box (column < 0) or a cell of a look-up row, in the panel its menu item
// opens; the name the panel's line gives it; a text it takes, which gives
// figures that a text it refuses must take away; and the line that says why.
struct Input {
    const char *menu, *widget;
    int column; // of the look-up row; -1 for a box
    const char *name, *sound, *line;
};

constexpr Input kInputs[] = {
    {"Mn_BackPressure", "Text_AeAt", -1, "Ae/At", "2", "Label_Input"},
    {"Mn_BackPressure", "Text_pbp0", -1, "pb/p01", "0.5", "Label_Input"},
    {"Mn_BackPressure", "Text_pb", -1, "pb", "50", "Label_Input"},
    {"Mn_Reservoir", "Text_p0", -1, "p0", "100", "Label_Input"},
    {"Mn_Reservoir", "Text_T0", -1, "T0", "300", "Label_Input"},
    {"Mn_Reservoir", "Text_R", -1, "R", "287", "Label_Input"},
    {"Mn_BackPressure", "Table_Shock", 0, "M1", "2", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Shock", 1, "M2", "0.5", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Shock", 2, "p2/p1", "4.5", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Shock", 3, "T2/T1", "1.5", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Shock", 4, "\u03c12/\u03c11", "2", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Shock", 5, "p02/p01", "0.7", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Shock", 6, "p02/p1", "5", "Label_LookUpProblem"},
    {"Mn_BackPressure", "Table_Oblique", 0, "M1", "2", "Label_ObliqueProblem"},
    {"Mn_Stations", "Table_Stations", 0, "M", "0.5", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 2, "A/A*", "2", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 3, "p/p0", "0.5", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 4, "T/T0", "0.9", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 5, "\u03c1/\u03c10", "0.5", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 6, "p/p*", "1.2", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 7, "T/T*", "1.1", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 8, "\u03c1/\u03c1*", "1.2", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 9, "\u03bc (\u00b0)", "30", "Label_LookUpProblem"},
    {"Mn_Stations", "Table_Stations", 10, "\u03bd (\u00b0)", "20", "Label_LookUpProblem"},
    {"Mn_Duct", "Text_AeAt", -1, "Ae/At", "2", "Label_Input"},
    {"Mn_Duct", "Text_fLD", -1, "4fL/D", "0.2", "Label_Input"},
    {"Mn_Duct", "Text_T0Ratio", -1, "T02/T01", "1.2", "Label_Input"},
    {"Mn_Duct", "Text_pbp0", -1, "pb/p01", "0.5", "Label_Input"},
    {"Mn_Duct", "Table_Fanno", 0, "M", "2", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 1, "4fL*/D", "0.3", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 2, "p/p*", "0.5", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 3, "T/T*", "0.9", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 4, "\u03c1/\u03c1*", "0.8", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 5, "V/V*", "1.2", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 6, "p0/p0*", "1.2", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Fanno", 7, "(s\u2212s*)/R", "-0.1", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 0, "M", "2", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 1, "T0/T0*", "0.9", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 2, "p/p*", "0.5", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 3, "T/T*", "0.9", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 4, "\u03c1/\u03c1*", "0.9", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 5, "V/V*", "1.2", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 6, "p0/p0*", "1.1", "Label_LookUpProblem"},
    {"Mn_Duct", "Table_Rayleigh", 7, "(s\u2212s*)/R", "-0.1", "Label_LookUpProblem"},
};

// What students type that no box takes whole, or whose value has no meaning
// in any of them; and a half-typed number that is whole.
const char *const kRefused[] = {"3,5", "abc", "", "-5", "1e400"};

void PrintTo(const Input &input, std::ostream *os)
{
    *os << input.widget << " column " << input.column;
}

class InputContract : public SolveTest, public testing::WithParamInterface<Input> {
protected:
    void SetUp() override
    {
        SolveTest::SetUp();
        if (HasFatalFailure())
            return;
        // A reservoir and a throat, so that pb in its unit and the look-ups by area have figures.
        form.findChild<QAction *>(QStringLiteral("Mn_Reservoir"))->trigger();
        for (const auto &[name, value] : {std::pair{"Text_p0", "100"}, std::pair{"Text_T0", "300"}})
            form.findChild<QLineEdit *>(QLatin1String(name))->setText(QLatin1String(value));
        solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
        form.findChild<QAction *>(QLatin1String(GetParam().menu))->trigger();
        for (QWidget *w : form.findChildren<QWidget *>(QLatin1String(GetParam().widget)))
            if (w->isVisible()) // the panel's own, where two panels name a box alike
                widget = w;
        line = widget->parentWidget()->findChild<QLabel *>(QLatin1String(GetParam().line));
        ASSERT_TRUE(widget && line);
        view = qobject_cast<QTableView *>(widget);
    }

    // Typed key by key where a student types it: a box is cleared and typed
    // into; a cell is opened from the keyboard, typed into and left with Tab.
    void typeIn(const QString &text)
    {
        if (!view) {
            auto *box = static_cast<QLineEdit *>(widget);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text);
            return;
        }
        view->setFocus();
        view->setCurrentIndex(cell());
        QTest::keyClick(view, Qt::Key_F2);
        QWidget *editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    QModelIndex cell() const
    {
        QAbstractItemModel *model = view->model(); // the row "Any ..."
        int row = model->rowCount() - 1;
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->headerData(r, Qt::Vertical).toString().startsWith(QLatin1String("Any ")))
                row = r;
        return model->index(row, GetParam().column);
    }
    // The figures the input gives: the panel's results, or the rest of the row.
    QStringList figures() const
    {
        if (view) { // the look-up row and the rows under it that follow from it
            QStringList rows;
            const QAbstractItemModel *model = view->model();
            for (int r = cell().row(); r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    if (model->index(r, c) != cell())
                        rows << model->index(r, c).data().toString();
            rows.removeAll(QString());
            return rows;
        }
        QStringList shown;
        if (auto *panel = form.findChild<Form_BackPressure *>(); panel && widget->parentWidget() == panel && panel->flow())
            shown << QString::number(panel->flow()->exit.M);
        if (auto *duct = form.findChild<Form_Duct *>(); duct && widget->parentWidget() == duct && duct->flow())
            shown << QString::number(duct->flow()->exit.M);
        if (form.findChild<Form_Reservoir *>() == widget->parentWidget() && form.findChild<NozzleCase *>()->reservoir())
            shown << QStringLiteral("reservoir");
        return shown;
    }
    QString sign() const
    {
        if (view)
            return cell().data(Qt::DecorationRole).isNull() ? QString() : cell().data(Qt::ToolTipRole).toString();
        return static_cast<form_runtime::TextBox *>(widget)->note();
    }

    QWidget *widget = nullptr;
    QTableView *view = nullptr;
    QLabel *line = nullptr;
};

TEST_P(InputContract, GivesFiguresOnlyForTextReadWholeAndNamesTheInputOtherwise)
{
    const Input &input = GetParam();
    const QString name = QString::fromUtf8(input.name);
    for (const char *refused : kRefused) {
        if (input.sound[0] == '-' && refused[0] == '-')
            continue; // a quantity that is negative where it exists, as (s - s*)/R
        SCOPED_TRACE(testing::Message() << input.widget << " column " << input.column << ": \"" << refused << '"');
        typeIn(QString::fromUtf8(input.sound));
        ASSERT_FALSE(figures().isEmpty()) << "the sound text gives figures";
        EXPECT_TRUE(line->text().isEmpty() || line->isHidden()) << line->text().toStdString();

        typeIn(QString::fromUtf8(refused));
        EXPECT_TRUE(figures().isEmpty()) << figures().join(u'|').toStdString();
        EXPECT_TRUE(line->isVisibleTo(line->window()));
        EXPECT_TRUE(line->text().contains(name)) << line->text().toStdString();
        EXPECT_TRUE(sign().contains(name)) << sign().toStdString();
        if (view) {
            EXPECT_EQ(cell().data().toString(), QString::fromUtf8(refused).trimmed()) << "what was typed stays in view";
            // Tab went on along the row (past its end, out of the table), and
            // nothing else took the keys.
            if (input.column + 1 < view->model()->columnCount()) {
                EXPECT_EQ(QApplication::focusWidget(), view);
                EXPECT_EQ(view->currentIndex().row(), cell().row());
                EXPECT_EQ(view->currentIndex().column(), input.column + 1);
            } else {
                EXPECT_FALSE(view->isAncestorOf(QApplication::focusWidget()));
            }
        } else {
            EXPECT_EQ(QApplication::focusWidget(), widget);
        }
    }
    // Half a number that is whole: read as 1 wherever 1 has a meaning.
    typeIn(QStringLiteral("1."));
    if (sign().isEmpty())
        EXPECT_FALSE(figures().isEmpty());
    else
        EXPECT_TRUE(line->text().contains(name)) << line->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, InputContract, testing::ValuesIn(kInputs),
                         [](const testing::TestParamInfo<Input> &info) {
                             QString name = QLatin1String(info.param.widget) + QString::number(info.index);
                             return name.toStdString();
                         });

} // namespace
