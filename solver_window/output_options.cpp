#include "solver_window/form_ventrolex.h"

#include "form_runtime/command_button.h"
#include "form_runtime/text_box.h"
#include "solver_window/texts.h"

#include <QLineEdit>

// Option "A2": M2 is typed into Text_Msub, A2 is the result.
void Form_Ventrolex::Option_A2_Click()
{
    unflagInput();
    Text_A2->setVisible(false);
    Text_Msub->setVisible(true);
    Text_Msup->setVisible(false);
    Text_Msub->setText(QString());
    Command1->setText(solver_window::texts::kSetInputValues);
    announcement.clear(); // first: it may rest on a box whose role changes now
    speakStationTwoRoles();
}

// Option "M": A2 is typed into Text_A2, both Mach numbers are the results.
void Form_Ventrolex::Option_Msub_Click()
{
    unflagInput();
    Text_A2->setVisible(true);
    Text_Msub->setVisible(false);
    Text_Msup->setVisible(false);
    Text_A2->setText(QString());
    Command1->setText(solver_window::texts::kSetInputValues);
    announcement.clear(); // first: it may rest on a box whose role changes now
    speakStationTwoRoles();
}
