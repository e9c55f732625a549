#pragma once

#include <QRadioButton>

namespace form_runtime {

// An option button that reports being chosen however the user chose it: a
// click, the keyboard (Space, the arrow keys), or an assistive technology's
// action (Toggle over AT-SPI, Select over UI Automation), which checks the
// button without clicking it. A click on the option already chosen is a
// choice too, as on the form it stands in for.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

signals:
    void chosen();

protected:
    void nextCheckState() override;

private:
    bool clicking_ = false; // checked by a click, whose clicked() reports it
};

} // namespace form_runtime
