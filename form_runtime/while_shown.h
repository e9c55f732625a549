#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace form_runtime {

// A panel that nobody can see does no work: a change it follows runs its
// follower at once while the panel is seen, and otherwise once, when the
// panel is next seen (its tab brought to the front, or its dock opened
// again), with the followers that waited in the order they were added. A
// dock behind another's tab stays visible to Qt, moved out of sight; it
// says when it is seen by its visibilityChanged().
// A follower that takes a flag (the case's gasChanged(anotherK)) is given
// whether any of the changes it waited for set it.
class WhileShown : public QObject {
public:
    explicit WhileShown(QWidget *panel);

    template <typename Sender>
    void follow(const Sender *sender, void (Sender::*signal)(), std::function<void()> follower)
    {
        const std::size_t i = add([follower = std::move(follower)](bool) { follower(); });
        connect(sender, signal, this, [this, i] { changed(i, false); });
    }
    // A signal whose arguments the follower does not need.
    template <typename Sender, typename Argument>
    void follow(const Sender *sender, void (Sender::*signal)(Argument), std::function<void()> follower)
    {
        const std::size_t i = add([follower = std::move(follower)](bool) { follower(); });
        connect(sender, signal, this, [this, i] { changed(i, false); });
    }
    template <typename Sender>
    void follow(const Sender *sender, void (Sender::*signal)(bool), std::function<void(bool)> follower)
    {
        const std::size_t i = add(std::move(follower));
        connect(sender, signal, this, [this, i](bool flag) { changed(i, flag); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Follower {
        std::function<void(bool)> run;
        bool waiting = false, flag = false;
    };
    std::size_t add(std::function<void(bool)> run);
    void changed(std::size_t i, bool flag);
    bool seen() const;
    void catchUp();

    QWidget *panel_;
    bool docked_ = false, dockSeen_ = true; // in a dock, and whether the dock is seen
    std::vector<Follower> followers_;
};

} // namespace form_runtime
