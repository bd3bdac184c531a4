#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>

namespace tavolin {

// Words a screen reader speaks as they are said, wherever the focus is. Qt
// 6.4 has no call for that; what Orca does speak is a notification that
// appears, and one inside a status bar without naming its role. Each saying
// is such a notification inside a status line of its own that belongs to
// no window: inside a dialog, a reader would read the whole dialog before
// the words, and inside a window's status bar, its command that reads the
// status bar would find the words rather than what the bar shows. A reader
// reads the words when it comes to the event and passes over an event
// whose object has a later one waiting: the sayings take turns among a few
// notifications, so that one is used again only long after it was read.
class SpokenNews {
public:
    explicit SpokenNews(QWidget* owner);
    ~SpokenNews();
    SpokenNews(const SpokenNews&) = delete;
    SpokenNews& operator=(const SpokenNews&) = delete;

    // Said while a reader listens, or the listener below.
    void say(const QString& words);
    // Qt's bridge hears the events while a screen reader is there; a
    // listener given here hears them in its place, always.
    void listenInsteadOfReaders(std::function<void(QAccessibleEvent&)> listener)
    {
        listener_ = std::move(listener);
    }

    static constexpr int Count = 8;
    const QString& words(int slot) const { return words_[slot]; }
    QWidget* owner() const { return owner_; }
    QAccessibleInterface* line() const { return QAccessible::accessibleInterface(line_); }
    QAccessibleInterface* item(int slot) const { return QAccessible::accessibleInterface(items_[slot]); }

private:
    QPointer<QWidget> owner_;
    QAccessible::Id line_ = 0;
    std::array<QAccessible::Id, Count> items_{};
    std::array<QString, Count> words_;
    int next_ = 0;
    std::function<void(QAccessibleEvent&)> listener_;
};

} // namespace tavolin
