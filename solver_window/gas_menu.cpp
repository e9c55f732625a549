// The gas menu: the ratio of specific heats for the whole program. Air, as
// the window starts, gives every figure exactly as before; another gas makes
// the results on screen those of the old one, so they go, and one click
// solves again with the new gas.

#include "solver_window/form_ventrolex.h"

#include "flow/arithmetic.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/command_button.h"
#include "form_runtime/message_box.h"
#include "form_runtime/number_text.h"
#include "form_runtime/option_button.h"
#include "form_runtime/text_box.h"
#include "form_runtime/typed_number.h"
#include "flow/units.h"
#include "solver_window/texts.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

#include <limits>

namespace texts = solver_window::texts;

void Form_Ventrolex::buildGasMenu()
{
    Mn_Gas = menuBar()->addMenu(texts::kGas);
    Mn_Gas->setObjectName(QStringLiteral("Mn_Gas"));
    auto *gases = new QActionGroup(Mn_Gas);
    for (const texts::GasItem &g : texts::kGases) {
        QAction *item = Mn_Gas->addAction(g.item);
        item->setCheckable(true);
        item->setChecked(g.value == flow::kAir);
        gases->addAction(item);
        const std::optional<double> R = g.molarMass > 0 ? std::optional<double>(flow::kUniversalGasConstant / (g.molarMass / 1000))
                                                        : std::nullopt;
        connect(item, &QAction::triggered, this, [this, item, g, R] { chooseGas(item, g.value, g.item, g.k, R); });
        if (item->isChecked())
            gasItem = item;
    }
    otherK = Mn_Gas->addAction(texts::kOtherK);
    otherK->setCheckable(true);
    gases->addAction(otherK);
    connect(otherK, &QAction::triggered, this, &Form_Ventrolex::askForOtherK);
}

void Form_Ventrolex::askForOtherK()
{
    gasItem->setChecked(true); // until a k is accepted, the gas and its item stay as they were
    bool ok = false;
    const QString typed = QInputDialog::getText(this, texts::kOtherKTitle, texts::kOtherKPrompt, QLineEdit::Normal,
                                                form_runtime::unroundedText(gas().k), &ok);
    if (!ok)
        return;
    // Read whole, as every panel's box: "1,3" is named for its comma, not for the range of k.
    const form_runtime::TypedNumber typedK = form_runtime::readTyped(QStringLiteral("k"), typed);
    if (!typedK.value) {
        form_runtime::MsgBox(typedK.problem, this);
        return;
    }
    const double k = *typedK.value;
    if (!flow::isIdealGasK(k)) {
        form_runtime::MsgBox(texts::kNoSuchGas, this);
        return;
    }
    otherKText = form_runtime::unroundedText(k);
    otherK->setText(texts::otherKItem(otherKText));
    chooseGas(otherK, k, texts::otherGas(otherKText), otherKText, std::nullopt);
}

// The program's gas from now on. Results of the old one go: the result boxes
// are emptied, the charts lose their marks, the Stations rows go and the
// announcement is withdrawn; the inputs stay.
void Form_Ventrolex::chooseGas(QAction *item, double k, const QString &name, const QString &kText,
                               std::optional<double> R)
{
    gasItem = item;
    item->setChecked(true);
    if (name == case_->gasName())
        return;
    const bool anotherK = k != gas().k;
    gasK = kText;
    setWindowTitle(k == flow::kAir ? texts::kWindowCaption : texts::windowCaption(kText));
    case_->setGas(k, name, R);
    if (!anotherK)
        return; // the same gas under another name: its results stand

    announcement.clear();
    unflagInput();
    if (Option_A2->isChecked() || Option_Msub->isChecked()) {
        withdrawResults();
        Command1->setText(texts::kSetInputValues);
    }
    Text_Astar->setText(QString());
    lastSolution.reset();
}

// The nozzle chart redrawn without marks, for the program's gas.
void Form_Ventrolex::bareNozzleChart()
{
    grafik_Geo();
    Picture_geo->setDescription(withGas(Picture_geo->description()));
    bareChartK = gas().k;
}

// Ends a chart's description with the gas, when it is not air.
QString Form_Ventrolex::withGas(const QString &description) const
{
    return gas().k == flow::kAir ? description : description + texts::gasOfTheChart(gasK);
}
