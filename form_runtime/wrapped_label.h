#pragma once

#include <QLabel>

namespace form_runtime {

// A word-wrapped line of a window laid out to its contents. The window is laid
// out again whenever one of its lines changes; a line that has not changed
// keeps its height for the width it was measured at, instead of being
// measured (its text shaped) again.
class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(const QString &text, QWidget *parent = nullptr) : QLabel(text, parent)
    {
        setWordWrap(true);
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
