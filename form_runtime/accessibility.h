#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace form_runtime {

// Lets the chart surfaces, and widgets given a role below, answer a screen
// reader as what they are. Safe to call any number of times.
void installAccessibility();

// Gives a widget the role a screen reader announces it by (a chart, a
// dialog), in place of the role of the Qt class it is built on.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Tells a screen-reader user what just happened without moving the focus:
// the text is spoken once, when it is announced. clear() withdraws it, so
// nothing stale is found later. From Qt 6.8 this is the toolkit's
// announcement (AT-SPI's announcement event, UI Automation's notification);
// before it, an unseen notification object in `window` appears with the text
// as its name, which Orca speaks as "notification" and the text. In a
// browser the text also goes to the page's live region.
class Announcement {
public:
    explicit Announcement(QWidget *window);
    void announce(const QString &text);
    void clear();

private:
    QWidget *window_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QWidget *notice_ = nullptr; // the notification object
#endif
    QString text_; // announced and not withdrawn since
};

// A control as a screen reader names it when it takes the focus: its name,
// its kind, its value or state, then its description ("A1 text, 1. Input:
// type the area at station 1."). The browser build speaks it from the page.
QString spokenAs(QWidget *control);

// The text that `event` speaks as an announcement, or an empty string when it
// is not one: what a listening screen reader is told by Announcement.
QString announcedBy(QAccessibleEvent *event);

} // namespace form_runtime
