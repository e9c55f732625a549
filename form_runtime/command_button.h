#pragma once

#include <QPushButton>

namespace form_runtime {

// A push button whose caption wraps onto further lines when it does not fit on
// one, as command buttons of the desktop form runtime did. text() stays the
// caption exactly as it was set. With the focus on it, Return and Enter press
// it as Space does, also when it is not a default button.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace form_runtime
