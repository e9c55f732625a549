#pragma once

#include <QLabel>

namespace form_runtime {

// A word-wrapped line of a window laid out to its contents. It asks for no
// width of its own: it wraps at the width that the window's other contents, or
// a width set for it, give it, and is as high as its text at that width. So a
// change of its text measures the text once, at that width, and a line that
// has not changed keeps its height instead of being measured (its text shaped)
// again whenever the window is laid out.
class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(const QString &text, QWidget *parent = nullptr) : QLabel(text, parent)
    {
        setWordWrap(true);
    }

    QSize sizeHint() const override { return minimumSizeHint(); }
    QSize minimumSizeHint() const override
    {
        const QMargins m = contentsMargins();
        return {minimumWidth(), fontMetrics().height() + m.top() + m.bottom()};
    }

    int heightForWidth(int width) const override
    {
        if (width != measured_.width || text() != measured_.text || font() != measured_.font)
            measured_ = {width, text(), font(), QLabel::heightForWidth(width)};
        return measured_.height;
    }

private:
    struct Measure {
        int width = -1;
        QString text;
        QFont font;
        int height = 0;
    };
    mutable Measure measured_;
};

} // namespace form_runtime
