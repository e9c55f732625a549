#include "form_runtime/option_button.h"

namespace form_runtime {

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    // toggled() comes after the other option has let go, so the window sees
    // the new choice whole; a click reports itself once, through clicked().
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked && !clicking_)
            emit chosen();
    });
    connect(this, &QAbstractButton::clicked, this, [this] {
        clicking_ = false;
        emit chosen();
    });
}

void OptionButton::nextCheckState()
{
    clicking_ = true;
    QRadioButton::nextCheckState();
}

} // namespace form_runtime
