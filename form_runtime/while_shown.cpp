#include "form_runtime/while_shown.h"

#include <QDockWidget>
#include <QEvent>
#include <QWidget>

namespace form_runtime {

WhileShown::WhileShown(QWidget *panel) : QObject(panel), panel_(panel)
{
    panel->installEventFilter(this);
}

std::size_t WhileShown::add(std::function<void(bool)> run)
{
    followers_.push_back({std::move(run)});
    return followers_.size() - 1;
}

void WhileShown::changed(std::size_t i, bool flag)
{
    Follower &f = followers_[i];
    if (seen()) {
        f.run(flag);
        return;
    }
    f.flag = f.waiting ? f.flag || flag : flag;
    f.waiting = true;
}

bool WhileShown::seen() const
{
    return panel_->isVisible() && dockSeen_;
}

void WhileShown::catchUp()
{
    for (std::size_t i = 0; i < followers_.size(); ++i) {
        if (followers_[i].waiting) {
            followers_[i].waiting = false;
            followers_[i].run(followers_[i].flag);
        }
    }
}

bool WhileShown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == panel_ && event->type() == QEvent::Show) {
        // Placed by now: the dock it is in, if any, says when it is seen.
        QWidget *dock = panel_->parentWidget();
        while (dock && !qobject_cast<QDockWidget *>(dock))
            dock = dock->parentWidget();
        if (dock && !docked_) {
            docked_ = true;
            connect(static_cast<QDockWidget *>(dock), &QDockWidget::visibilityChanged, this, [this](bool visible) {
                dockSeen_ = visible;
                if (seen())
                    catchUp();
            });
        }
        if (seen())
            catchUp();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace form_runtime
