#pragma once

#include <QSlider>

namespace form_runtime {

// A slider that shows when it has the keyboard focus, as a button or a box
// does: some styles draw no focus on a slider at all.
class Slider : public QSlider {
    Q_OBJECT

public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace form_runtime
