#include "form_runtime/slider.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace form_runtime {

void Slider::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

} // namespace form_runtime
