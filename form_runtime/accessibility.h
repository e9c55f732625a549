#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

class QWidget;

namespace form_runtime {

// Lets the chart surfaces, and widgets given a role below, answer a screen
// reader as what they are. Safe to call any number of times.
void installAccessibility();

// Gives a widget the role a screen reader announces it by (a chart, a
// dialog), in place of the role of the Qt class it is built on.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Tells a screen-reader user what just happened without moving the focus: the
// widget that has the focus (or `fallback`, when none of the window's does)
// takes `text` as its accessible description, which screen readers speak for
// the focused object, until clear() gives the widget its own description back.
class Announcement {
public:
    void announce(QWidget *fallback, const QString &text);
    void clear();

private:
    QPointer<QWidget> widget_;
    QString ownDescription_;
};

} // namespace form_runtime
