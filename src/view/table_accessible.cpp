#include "table_accessible.h"

#include "view/table_view.h"
#include "view/table_words.h"

#include <QCoreApplication>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tavolin {
namespace {

QAccessibleInterface* tableFactory(const QString& /*className*/, QObject* object)
{
    if (auto* view = dynamic_cast<TableView*>(object))
        return new TableAccessible(view);
    return nullptr;
}

// What every part of the table shares: it lives inside the table's own
// interface, which makes and deletes it.
class TablePart : public QAccessibleInterface {
public:
    explicit TablePart(TableAccessible& table) : table_(table) {}

    bool isValid() const override { return table_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_.window(); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface* part = child(i); part->rect().contains(x, y))
                return part;
        return nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    const Game& game() const { return table_.tableView().game(); }
    // A rectangle of the table on the screen.
    QRect onScreen(int x, int y, int width, int height) const
    {
        return QRect(table_.tableView().mapToGlobal(QPoint(x, y)), QSize(width, height));
    }

    TableAccessible& table_;
};

class CardPart : public TablePart {
public:
    CardPart(TableAccessible& table, CardCode card) : TablePart(table), card_(card) {}

    QAccessibleInterface* parent() const override
    {
        const std::optional<Place> place = placeOf(game(), card_);
        return place ? table_.placeInterface(*place) : &table_;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return cardName(card_);
        if (t == QAccessible::Description && isCovered())
            return QCoreApplication::translate("Table", "covered");
        return {};
    }
    QRect rect() const override
    {
        const std::optional<Place> place = placeOf(game(), card_);
        if (!place)
            return {};
        const TableGeometry& at = game().geometry;
        switch (place->kind) {
        case PlaceKind::Room: return onScreen(at.roomX(place->index), at.slotY(), at.CardWidth, at.CardHeight);
        case PlaceKind::Pile: return onScreen(at.pileX(place->index), at.slotY(), at.CardWidth, at.CardHeight);
        case PlaceKind::Column: break;
        }
        const int position = positionIn(*place);
        return onScreen(at.columnX(place->index), at.columnY(position), at.CardWidth,
                        isCovered() ? at.ColumnStep : at.CardHeight);
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const std::optional<Place> place = placeOf(game(), card_);
        state.invisible = !place;
        state.selectable = place && place->kind != PlaceKind::Pile && !isCovered();
        const Selection& held = game().selection;
        state.selected = !held.isEmpty() && held.card == card_;
        return state;
    }

private:
    int positionIn(Place place) const
    {
        const std::vector<CardCode> cards = cardsAt(game(), place);
        return int(std::find(cards.begin(), cards.end(), card_) - cards.begin());
    }
    bool isCovered() const
    {
        const std::optional<Place> place = placeOf(game(), card_);
        return place && positionIn(*place) + 1 < int(cardsAt(game(), *place).size());
    }

    CardCode card_;
};

class PlacePart : public TablePart {
public:
    PlacePart(TableAccessible& table, Place place) : TablePart(table), place_(place) {}

    QAccessibleInterface* parent() const override { return &table_; }
    int childCount() const override { return int(cardsAt(game(), place_).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<CardCode> cards = cardsAt(game(), place_);
        if (index < 0 || index >= int(cards.size()))
            return nullptr;
        return table_.cardInterface(cards[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<CardCode> cards = cardsAt(game(), place_);
        for (int i = 0; i < int(cards.size()); ++i)
            if (table_.cardInterface(cards[i]) == child)
                return i;
        return -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        QString name = placeSummary(game(), place_);
        table_.nameRead(place_, name);
        return name;
    }
    QRect rect() const override
    {
        const TableGeometry& at = game().geometry;
        switch (place_.kind) {
        case PlaceKind::Room: return onScreen(at.roomX(place_.index), at.slotY(), at.CardWidth, at.CardHeight);
        case PlaceKind::Pile: return onScreen(at.pileX(place_.index), at.slotY(), at.CardWidth, at.CardHeight);
        case PlaceKind::Column: break;
        }
        const int covered = std::max(0, childCount() - 1);
        return onScreen(at.columnX(place_.index), at.columnY(0), at.CardWidth,
                        covered * at.ColumnStep + at.CardHeight);
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = table_.tableView().keyboardCursor() == place_;
        return state;
    }

private:
    Place place_;
};

// The panel under the Columns: what is written on it, in reading order, and
// while it shows the move detection, its coloured markers in words.
class PanelPart : public TablePart {
public:
    using TablePart::TablePart;

    QAccessibleInterface* parent() const override { return &table_; }
    QString text(QAccessible::Text t) const override
    {
        const QStringList lines = table_.tableView().infoPanel().lines();
        if (t == QAccessible::Name)
            return lines.isEmpty() ? QCoreApplication::translate("Table", "Information panel") : lines.front();
        return t == QAccessible::Description ? panelWords(table_.tableView().infoPanel(), game()) : QString();
    }
    QRect rect() const override
    {
        const TableView& view = table_.tableView();
        const QRect area = view.panelArea();
        return onScreen(area.x(), area.y(), area.width(), area.height());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = table_.tableView().infoPanel().isBlank();
        return state;
    }
};

} // namespace

void installTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    (void)installed;
}

Place placeAtReadingIndex(int index)
{
    if (index < RoomCount)
        return {PlaceKind::Room, index};
    if (index < RoomCount + PileCount)
        return {PlaceKind::Pile, index - RoomCount};
    return {PlaceKind::Column, index - RoomCount - PileCount};
}

int readingIndexOf(Place place)
{
    switch (place.kind) {
    case PlaceKind::Room: return place.index;
    case PlaceKind::Pile: return RoomCount + place.index;
    case PlaceKind::Column: break;
    }
    return RoomCount + PileCount + place.index;
}

TableAccessible::TableAccessible(TableView* view) : QAccessibleWidget(view, QAccessible::Pane)
{
    for (int i = 0; i < PlaceCount; ++i)
        places_[i] = QAccessible::registerAccessibleInterface(new PlacePart(*this, placeAtReadingIndex(i)));
    for (CardCode card = 0; card < PackSize; ++card)
        cards_[card] = QAccessible::registerAccessibleInterface(new CardPart(*this, card));
    panel_ = QAccessible::registerAccessibleInterface(new PanelPart(*this));
    for (int i = 0; i < PlaceCount; ++i)
        placeNames_[i] = placeSummary(tableView().game(), placeAtReadingIndex(i));
    for (CardCode card = 0; card < PackSize; ++card)
        cardPlaces_[card] = placeOf(tableView().game(), card);
}

TableAccessible::~TableAccessible()
{
    for (QAccessible::Id id : places_)
        QAccessible::deleteAccessibleInterface(id);
    for (QAccessible::Id id : cards_)
        QAccessible::deleteAccessibleInterface(id);
    QAccessible::deleteAccessibleInterface(panel_);
}

const TableView& TableAccessible::tableView() const
{
    return *static_cast<const TableView*>(widget());
}

QAccessibleInterface* TableAccessible::placeInterface(Place place) const
{
    return QAccessible::accessibleInterface(places_[readingIndexOf(place)]);
}

QAccessibleInterface* TableAccessible::cardInterface(CardCode card) const
{
    return isValidCard(card) ? QAccessible::accessibleInterface(cards_[card]) : nullptr;
}

QString TableAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QCoreApplication::translate("Table", "Table");
    return QAccessibleWidget::text(t);
}

int TableAccessible::childCount() const
{
    return OwnChildren + QAccessibleWidget::childCount();
}

QAccessibleInterface* TableAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < PlaceCount)
        return QAccessible::accessibleInterface(places_[index]);
    if (index == PlaceCount)
        return QAccessible::accessibleInterface(panel_);
    return QAccessibleWidget::child(index - OwnChildren);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < OwnChildren; ++i)
        if (this->child(i) == child)
            return i;
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : OwnChildren + widget;
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface* button = QAccessibleWidget::childAt(x, y))
        return button;
    for (int i = 0; i < PlaceCount; ++i)
        if (QAccessibleInterface* place = child(i); place->rect().contains(x, y))
            return place;
    return nullptr;
}

QAccessibleInterface* TableAccessible::focusChild() const
{
    if (const std::optional<Place> cursor = tableView().keyboardCursor())
        return placeInterface(*cursor);
    return QAccessibleWidget::focusChild();
}

void TableAccessible::followTable()
{
    const Game& game = tableView().game();
    for (int i = 0; i < PlaceCount; ++i) {
        QString name = placeSummary(game, placeAtReadingIndex(i));
        if (name == placeNames_[i])
            continue;
        placeNames_[i] = std::move(name);
        QAccessibleEvent changed(child(i), QAccessible::NameChanged);
        tableView().tellReaders(changed);
    }
    for (CardCode card = 0; card < PackSize; ++card) {
        std::optional<Place> place = placeOf(game, card);
        if (place == cardPlaces_[card])
            continue;
        cardPlaces_[card] = place;
        QAccessibleEvent moved(cardInterface(card), QAccessible::ParentChanged);
        tableView().tellReaders(moved);
    }
    const std::optional<CardCode> held
        = game.selection.isEmpty() ? std::nullopt : std::optional<CardCode>(game.selection.card);
    if (held == held_)
        return;
    QAccessible::State selected;
    selected.selected = true;
    for (std::optional<CardCode> card : {held_, held}) {
        if (!card)
            continue;
        QAccessibleStateChangeEvent changed(cardInterface(*card), selected);
        tableView().tellReaders(changed);
    }
    held_ = held;
}

// A reader reads the focused place's name when the focus comes to it, and
// not again while it stays: a place the cursor stays on is told again in
// words when what it holds changed since the reader heard it.
QString TableAccessible::speak(const QString& words, CursorNews cursorNews)
{
    QString said = words;
    const std::optional<Place> cursor = tableView().keyboardCursor();
    if (!cursor || cursorNews == CursorNews::Later)
        return said;
    QString place = placeSummary(tableView().game(), *cursor);
    if (cursorNews == CursorNews::Moved) {
        heardAtCursor_ = place;
        focusUnread_ = cursor;
        QAccessibleEvent focus(placeInterface(*cursor), QAccessible::Focus);
        tableView().tellReaders(focus);
        return said;
    }
    // A place that took the focus unread is read as it is now, or later.
    if (std::exchange(focusUnread_, std::nullopt) != cursor && place != heardAtCursor_)
        said += (said.isEmpty() ? QString() : QStringLiteral(" ")) + place + QLatin1Char('.');
    heardAtCursor_ = std::move(place);
    return said;
}

void TableAccessible::nameRead(Place place, const QString& name) const
{
    if (focusUnread_ != place)
        return;
    focusUnread_.reset();
    heardAtCursor_ = name;
}

QString TableAccessible::cardsBack() const
{
    const Game& game = tableView().game();
    QStringList back;
    for (CardCode card = 0; card < PackSize; ++card)
        if (const std::optional<Place> place = placeOf(game, card); place && place != cardPlaces_[card])
            back << QCoreApplication::translate("Table", "%1 back to %2.").arg(cardName(card), placeName(*place));
    return back.join(QLatin1Char(' '));
}

} // namespace tavolin
