#include "form_runtime/accessibility.h"

#ifdef Q_OS_WASM
#include "form_runtime/web_page.h"
#endif

#include "form_runtime/chart_surface.h"

#include <QAccessibleWidget>
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
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? chart()->description() : QAccessibleWidget::text(t);
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

// A notification is there for a screen reader only while it has something to
// say: shown with its text, gone without it, whatever its widget does.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Notification) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = widget()->accessibleName().isEmpty();
        return s;
    }
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
        if (role.isValid() && role.toInt() == QAccessible::Notification)
            return new NotificationAccessible(widget);
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

Announcement::Announcement(QWidget *window) : window_(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // No size and nothing painted: it takes no room and shows nothing, and
    // exists for the screen reader alone, which sees it appear and go as its
    // text comes and goes; the widget itself stays as it is.
    notice_ = new QWidget(window);
    setAccessibleRole(notice_, QAccessible::Notification);
    notice_->setObjectName(QStringLiteral("announcement"));
    notice_->setGeometry(0, 0, 0, 0);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
#endif
}

void Announcement::announce(const QString &text)
{
    text_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window_, text);
    QAccessible::updateAccessibility(&event);
#ifdef Q_OS_WASM
    web_page::announce(text); // the browser's view of the window passes no announcement on
#endif
#else
    // A notification is spoken as it appears.
    notice_->setAccessibleName(text);
    QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void Announcement::clear()
{
    if (text_.isEmpty())
        return;
    text_.clear();
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    notice_->setAccessibleName(QString());
    QAccessibleEvent hidden(notice_, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
#endif
#ifdef Q_OS_WASM
    web_page::announce(QString());
#endif
}

namespace {

QString sentence(const QString &text)
{
    return text.endsWith(u'.') ? text : text + u'.';
}

} // namespace

QString spokenAs(QWidget *widget)
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

QString announcedBy(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        return static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
    QAccessibleInterface *shown = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && shown && shown->role() == QAccessible::Notification)
        return shown->text(QAccessible::Name);
#endif
    return {};
}

} // namespace form_runtime
