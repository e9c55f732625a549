#include "form_runtime/accessibility.h"

#include "form_runtime/chart_surface.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace form_runtime {

namespace {

constexpr char kRoleProperty[] = "form_runtime_accessibleRole";

// A chart surface is a picture, not a window: it is announced as a chart, and
// when a double-click does something on it, that is its one action.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartSurface *chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (chart()->isActivatable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && chart()->isActivatable())
            chart()->activate();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ChartSurface *chart() const { return static_cast<ChartSurface *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String(ChartSurface::staticMetaObject.className()))
        return new ChartAccessible(static_cast<ChartSurface *>(widget));
    // Asked first for the most derived class: a widget given its role answers there.
    if (className == QLatin1String(object->metaObject()->className())) {
        const QVariant role = widget->property(kRoleProperty);
        if (role.isValid())
            return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    }
    return nullptr;
}

} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installAccessibility();
    widget->setProperty(kRoleProperty, int(role));
}

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(accessibleFor);
        installed = true;
    }
}

void Announcement::announce(QWidget *fallback, const QString &text)
{
    clear();
    QWidget *focused = QApplication::focusWidget();
    widget_ = focused && fallback->window()->isAncestorOf(focused) ? focused : fallback;
    ownDescription_ = widget_->accessibleDescription();
    widget_->setAccessibleDescription(text);
}

void Announcement::clear()
{
    if (widget_)
        widget_->setAccessibleDescription(ownDescription_);
    widget_.clear();
    ownDescription_.clear();
}

} // namespace form_runtime
