#include "form_runtime/web_page.h"

#include <QAccessible>
#include <QApplication>
#include <QString>
#include <QWidget>

#include <emscripten/val.h>

namespace form_runtime::web_page {

namespace {

// The page names its live regions by these ids (packaging/web/index.html).
void setRegion(const char *id, const QString &text)
{
    emscripten::val region =
        emscripten::val::global("document").call<emscripten::val>("getElementById", std::string(id));
    if (!region.isNull() && !region.isUndefined())
        region.set("textContent", text.toStdString());
}

QString sentence(const QString &text)
{
    return text.endsWith(u'.') ? text : text + u'.';
}

// "A1 text, 1. Input: type the area at station 1."
QString described(QWidget *widget)
{
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
    if (!control)
        return QString();
    QString text = control->text(QAccessible::Name);
    switch (control->role()) {
    case QAccessible::EditableText:
        text += QStringLiteral(" text");
        if (const QString value = control->text(QAccessible::Value); !value.isEmpty())
            text += QStringLiteral(", ") + value;
        break;
    case QAccessible::RadioButton:
        text += control->state().checked ? QStringLiteral(" radio button, selected")
                                         : QStringLiteral(" radio button, not selected");
        break;
    case QAccessible::Button:
        text += QStringLiteral(" button");
        break;
    case QAccessible::Chart:
        text += QStringLiteral(" chart");
        break;
    default:
        break;
    }
    const QString description = control->text(QAccessible::Description);
    return description.isEmpty() ? sentence(text) : sentence(text) + u' ' + sentence(description);
}

} // namespace

void describeFocus()
{
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (now)
            setRegion("focus", described(now));
    });
}

void announce(const QString &text)
{
    setRegion("announcement", text);
}

void alert(const QString &text)
{
    setRegion("alert", text);
}

} // namespace form_runtime::web_page
