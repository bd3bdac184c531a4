#include "dialogs/spoken_news.h"

#include <QApplication>
#include <QWindow>

namespace tavolin {
namespace {

// What the status line and its notifications share: they live as long as
// the news, and only while its owner does are they of any use.
class NewsPart : public QAccessibleInterface {
public:
    explicit NewsPart(const SpokenNews& news) : news_(news) {}

    bool isValid() const override { return news_.owner() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return news_.owner() ? news_.owner()->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

protected:
    const SpokenNews& news_;
};

class NewsItem : public NewsPart {
public:
    NewsItem(const SpokenNews& news, int slot) : NewsPart(news), slot_(slot) {}

    QAccessibleInterface* parent() const override { return news_.line(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? news_.words(slot_) : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }

private:
    int slot_;
};

class NewsLine : public NewsPart {
public:
    using NewsPart::NewsPart;

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < SpokenNews::Count ? news_.item(index) : nullptr;
    }
    int childCount() const override { return SpokenNews::Count; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < SpokenNews::Count; ++i)
            if (news_.item(i) == child)
                return i;
        return -1;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
};

} // namespace

SpokenNews::SpokenNews(QWidget* owner) : owner_(owner)
{
    line_ = QAccessible::registerAccessibleInterface(new NewsLine(*this));
    for (int i = 0; i < Count; ++i)
        items_[i] = QAccessible::registerAccessibleInterface(new NewsItem(*this, i));
}

SpokenNews::~SpokenNews()
{
    for (QAccessible::Id id : items_)
        QAccessible::deleteAccessibleInterface(id);
    QAccessible::deleteAccessibleInterface(line_);
}

void SpokenNews::say(const QString& words)
{
    if (words.isEmpty() || !owner_ || (!listener_ && !QAccessible::isActive()))
        return;
    words_[next_] = words;
    QAccessibleEvent shown(item(next_), QAccessible::ObjectShow);
    next_ = (next_ + 1) % Count;
    if (listener_)
        listener_(shown);
    else
        QAccessible::updateAccessibility(&shown);
}

} // namespace tavolin
