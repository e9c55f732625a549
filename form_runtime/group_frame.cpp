#include "form_runtime/group_frame.h"

#include <QStylePainter>
#include <qdrawutil.h>

namespace form_runtime {

namespace {

// The caption starts this far in from the frame's left edge, with a gap of
// this much on either side where the border is left out.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;

} // namespace

GroupFrame::GroupFrame(QWidget *parent) : QGroupBox(parent) {}

void GroupFrame::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);

    const QFontMetrics metrics = fontMetrics();
    const bool captioned = !title().isEmpty();
    const int borderTop = captioned ? metrics.height() / 2 : 0;

    // An etched line, whatever the style: styles place their own group-box
    // frames below the caption.
    const QRect frame = rect().adjusted(0, borderTop, 0, 0);
    if (captioned) {
        // The border is left out behind the caption, which is drawn over it.
        const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
        painter.save();
        painter.setClipRegion(QRegion(rect()) - caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0));
        qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
        painter.restore();
        painter.drawItemText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                             isEnabled(), title(), QPalette::WindowText);
    } else {
        qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
    }
}

} // namespace form_runtime
