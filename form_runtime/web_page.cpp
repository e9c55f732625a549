#include "form_runtime/web_page.h"

#include "form_runtime/accessibility.h"

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

} // namespace

void describeFocus()
{
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (now)
            setRegion("focus", spokenAs(now));
    });
}

void sayWhenClosed()
{
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] {
        emscripten::val closed = emscripten::val::global("ventrolexClosed");
        if (!closed.isUndefined())
            closed();
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
