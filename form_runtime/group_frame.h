#pragma once

#include <QGroupBox>

namespace form_runtime {

// A frame grouping controls, drawn as the desktop form runtime drew it: its
// top border runs through the middle of its caption's line (along its top
// edge when it has no caption), so that a control placed one caption line
// below the frame's top sits inside the border. Children keep the places they
// are given.
class GroupFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit GroupFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace form_runtime
