#pragma once

#include <QWidget>

class QLabel;

namespace form_runtime {
class ChartSurface;
}

// A chart opened large, as a panel of its own: the same drawing as the chart
// it follows while it is seen, with its axes, numbers and legend, filling the panel; its lines
// and texts grow with it, so that it reads from the back of a lecture hall.
// The line under it reads the values under the pointer.
class Form_LargeChart : public QWidget {
    Q_OBJECT

public:
    explicit Form_LargeChart(const form_runtime::ChartSurface &source, QWidget *parent = nullptr);

    form_runtime::ChartSurface *chart() const { return Picture_large; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitToSize();

    form_runtime::ChartSurface *Picture_large;
    QLabel *Label_Point;
};
