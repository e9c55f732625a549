#include "large_chart/form_large_chart.h"

#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/while_shown.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kPointHelp = QStringLiteral("Point at the chart to read its values.");
constexpr double kMostScale = 3;
constexpr int kLeastWidth = 360, kLeastHeight = 260; // fits beside the form on a 1366x768 laptop

} // namespace

Form_LargeChart::Form_LargeChart(const form_runtime::ChartSurface &source, QWidget *parent)
    : QWidget(parent)
{
    Picture_large = new form_runtime::ChartSurface(this);
    Picture_large->setObjectName(QStringLiteral("Picture_large"));
    Picture_large->setAccessibleName(source.accessibleName());
    Picture_large->setMinimumSize(kLeastWidth, kLeastHeight);
    Picture_large->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Picture_large->showAxes(true);
    Picture_large->showCrossHair(true);
    // The same drawing as the chart it opens, again whenever that changes,
    // while the panel is seen; hidden, once when it is seen again.
    Picture_large->copyFrom(source);
    (new form_runtime::WhileShown(this))->follow(&source, &form_runtime::ChartSurface::drawingChanged,
                                                 [this, &source] { Picture_large->copyFrom(source); });
    form_runtime::addPictureMenu(*Picture_large, form_runtime::pictureFileName(source));

    Label_Point = new QLabel(kPointHelp, this);
    Label_Point->setObjectName(QStringLiteral("Label_Point"));
    Label_Point->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(Picture_large, &form_runtime::ChartSurface::pointRead, Label_Point,
            [this](const QString &text) { Label_Point->setText(text.isEmpty() ? kPointHelp : text); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture_large, 1);
    layout->addWidget(Label_Point);
}

// Lines and texts grow with the panel beyond its least size: at 1920x1080
// they are about two and a half times their size on the form.
void Form_LargeChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToSize();
}

void Form_LargeChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) // the zoom
        fitToSize();
}

void Form_LargeChart::fitToSize()
{
    const double scale = std::clamp(
        std::min(double(width()) / (kLeastWidth + 80), double(height()) / (kLeastHeight + 80)), 1.0, kMostScale);
    Picture_large->setLineScale(scale);
    QFont font = this->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    Label_Point->setFont(font);
}
