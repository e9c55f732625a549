#pragma once

#include <QPushButton>

namespace form_runtime {

// A push button whose caption wraps onto further lines when it does not fit on
// one, as command buttons of the desktop form runtime did. text() stays the
// caption exactly as it was set.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace form_runtime
