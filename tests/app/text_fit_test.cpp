// Every text drawn at a fixed place fits it, in English and in each
// translation, measured with DejaVu alone, the fonts the package depends on
// (the test programs run on tests/support/dejavu-fonts.conf).
#include "app/clock_format.h"
#include "app/hint_text.h"
#include "app/player_language.h"
#include "game/recording_events.h"
#include "game/search_account.h"
#include "game/support/table_builder.h"
#include "platform/qt_message_boxes.h"
#include "settings/statistics.h"
#include "view/info_panel.h"
#include "view/table_words.h"
#include "window_fixture.h"

#include <QLabel>
#include <QTimer>

namespace tavolin {
namespace {

QStringList languages()
{
    return QStringList{QStringLiteral("C")}
        + QStringLiteral(TAVOLIN_CHECKED_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
}

QString fromModel(const std::string& text) { return QString::fromStdString(text); }

// What takes a card from `from`: its name, or a count of cards.
QStringList hintTexts()
{
    QStringList texts;
    TableState table;
    const auto hint = [&](Place from, Place to, CardCode card, int cards = 1, bool alone = false) {
        const HintText text = hintText(table, {from, to, card, cards, alone});
        texts << text.what << text.where;
    };
    for (CardCode card = 0; card < PackSize; ++card)
        for (int column = 0; column < ColumnCount; ++column) {
            table.columns[column].present[0] = 1;
            table.columns[column].card[0] = card;
            hint({PlaceKind::Column, column}, {PlaceKind::Column, column}, card);
            hint({PlaceKind::Room, column % RoomCount}, {PlaceKind::Pile, column % PileCount}, card);
            hint({PlaceKind::Column, column}, {PlaceKind::Room, column % RoomCount}, card, 13);
        }
    table = {};
    for (int column = 0; column < ColumnCount; ++column)
        hint({PlaceKind::Column, column}, {PlaceKind::Column, column}, 0, 1, column % 2 != 0);
    return texts;
}

// Every text a status panel shows, at its longest: each card and place, the
// highest numbers, the last second of the day; and each command's tip.
QStringList statusTexts(const TForm1& window)
{
    QStringList texts = hintTexts();
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->statusTip();
    const auto game = [](const char* source) { return translatedText("Game", source); };
    for (CardCode card = 0; card < PackSize; ++card) {
        for (const char* format : {"Card selected: %s of %s", "Room -> free Room:  %s of %s",
                                   "Deck -> free Room:  %s of %s", "Room -> Pile: %s of %s", "Deck -> Pile:  %s of %s",
                                   "Room -> Column:  %s of %s", "Deck -> Column:  %s of %s"})
            texts << fromModel(cardText(game(format), card));
        texts << fromModel(formatText(game("Autom. -> Pile[ %d ]: %s of %s").c_str(), 4,
                                      rankName(rankOf(card)).c_str(), suitName(suitOf(card)).c_str()))
              << fromModel(formatText(game(" Rank cleared: %ss").c_str(), rankName(rankOf(card)).c_str()))
              << QCoreApplication::translate("Pointer", "Target card is ") + cardName(card);
    }
    for (const char* format : {"Deck -> Column:  %d cards", "Deck -> empty Column:  %d cards"})
        texts << fromModel(formatText(game(format).c_str(), 13));
    texts << fromModel(game("Transfer Details off by lack of space."));
    for (const char* source : {"Target is free Room number %1", "Target is empty Column number %1",
                               "Target is Column number %1", "Target is Pile number %1",
                               "Cards ready for transfer: %1"})
        texts << QCoreApplication::translate("Pointer", source).arg(13);
    texts << QCoreApplication::translate("Pointer", "Target card: none");
    const auto form = [](const char* source) { return TForm1::tr(source); };
    const QString time = QTime(23, 59, 59).toString(clockFormat(QLocale()));
    for (const char* what : {"Game started at ", "Game won at ", "Game finished at "})
        texts << form(what) + time + form(" hrs.");
    texts << form(" Number of Cards left:  %1").arg(52) << form("Main form: %1 x %2 pixels").arg(1280).arg(1024)
          << form("Playing Time: mins ") + playingTimeText(3599999) + form(" secs");
    for (const char* source : {" No move left. Game finished.", "Hint: looking for a winning line...",
                               "Hint: this game can no longer be won.", "Hint: no winning line found in time.",
                               "Transfer Info selected", "New game dealt.", "Move undone.",
                               " Library used: VelvetRes2.DLL"})
        texts << form(source);
    return texts;
}

// The panels below the Columns in every state that draws a text of its own.
struct Panels {
    std::vector<MovePanel> moves;
    std::vector<TransferDetails> details;
};

Panels panelsOfEveryKind()
{
    using testing::TableBuilder;
    testing::RecordingEvents events;
    Game game{events};
    game.flags.ShowMoves = true;
    const auto detect = [&](TableBuilder&) {
        game.flags.HintHeaderDirty = true;
        game.DetectMoves();
    };
    // Counts of two figures and a new game's comment; no move left; a last move.
    TableBuilder moves(game);
    detect(moves.room(0, "AH").room(1, "4S").column(0, {"5H"}).column(1, {"5D"}).column(2, {"6S"}).column(3, {"6C"})
               .column(4, {"7H"}).column(5, {"7D"}).column(6, {"8S"}).column(7, {"AD"}));
    TableBuilder full(game);
    full.room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC");
    for (int column = 0; column < ColumnCount; ++column)
        full.column(column, {testing::cardName(makeCard(column < 4 ? 4 : 8, column % 4))});
    detect(full);
    detect(full.column(7, {"10C"}));

    game.flags.ShowMoves = false;
    game.flags.DetailsShown = true;
    const auto search = [&](int from, int column) {
        if (from < 0 ? game.PickUpFromRoom(0) : game.PickUpFromColumn(from)) {
            const int top = game.table.columns[column].topPosition();
            game.TransferSearch(column, top >= 0 ? top : EmptyColumnTarget);
            game.PutBack();
        }
    };
    TableBuilder(game)
        .column(0, {"KS", "QH", "JS", "10H", "9S", "8H", "7S", "6H", "5S", "4H", "3S", "2H"})
        .column(1, {"KC"}).column(2, {"7D"}).column(3, {"5C", "2S"}).column(4, {"3C"}).column(5, {"8D"})
        .column(6, {"9S"}).room(0, "6C");
    for (const auto& [from, to] : std::vector<std::pair<int, int>>{
             {0, 1}, {0, 4}, {0, 7}, {3, 1}, {5, 6}, {5, 1}, {5, 7}, {-1, 2}, {-1, 1}, {-1, 7}})
        search(from, to);
    for (CardCode card = 0; card < PackSize; ++card) {
        TableBuilder(game).room(0, testing::cardName(card)).column(1, {testing::cardName(card)});
        search(-1, 1);
    }
    Panels panels{events.movePanels, events.details};
    TransferDetails& account = panels.details.emplace_back();
    SearchAccount steps(account, 5);
    for (CardCode card = 0; card < PackSize; ++card) {
        steps.firstCard(card);
        steps.card(13, card);
    }
    steps.missing(13, 17);
    steps.result(0, "Card missing in selected column.");
    return panels;
}

// A text has the room up to the next thing drawn right of it at its height,
// or up to the panel's edge.
void expectPanelTextsFit(const std::vector<PanelText>& texts, const std::vector<QRect>& drawn, int width)
{
    for (const PanelText& text : texts) {
        const QRect area = InfoPanel::area(text);
        int right = width;
        for (const QRect& other : drawn)
            if (other.left() > text.x && other.top() < area.bottom() && other.bottom() > area.top())
                right = std::min(right, other.left());
        EXPECT_LE(area.x() + area.width(), right) << text.text << " at " << text.x << ", " << text.y;
    }
}

using TextFitTest = testing::WindowFixture<>;

// The dialogs keep the design's sizes: a title shows whole under a window
// manager where the dialog is as wide as it needs, or else it is no wider
// than the English one.
void expectTitlesFit(const TForm1& window, std::map<QString, QString>& english)
{
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (!shown->isVisible() || shown == &window)
            continue;
        const QString title = shown->windowTitle();
        const QString& source = english.try_emplace(shown->objectName(), title).first->second;
        if (widthForTitle(title) > shown->width()) {
            EXPECT_LE(widthForTitle(title), widthForTitle(source)) << title.toStdString();
        }
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

TEST_F(TextFitTest, EveryTextFitsItsPlaceInEveryLanguage)
{
    std::map<QString, QString> englishTitles;
    for (const QString& name : languages()) {
        SCOPED_TRACE(name.toStdString());
        const PlayerLanguage language{QLocale(name)};
        open();
        const QLabel* status = window->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        const int room = status->contentsRect().width();
        for (const QString& text : statusTexts(*window))
            EXPECT_LE(status->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
        for (const auto open : {&TForm1::GameStats1Click, &TForm1::Pref1DlgClick, &TForm1::HelpAboutClick,
                                &TForm1::ShowDateClick, &TForm1::HowToPlay1Click, &TForm1::DealByNumberClick}) {
            QTimer::singleShot(0, [&] { expectTitlesFit(*window, englishTitles); });
            (window.get()->*open)();
            QApplication::processEvents();
        }

        const Panels panels = panelsOfEveryKind();
        std::vector<PanelText> moveTexts, detailTexts;
        std::vector<QRect> moveDrawn, detailsDrawn;
        for (const MovePanel& panel : panels.moves) {
            for (const auto* texts : {&panel.headings, &panel.countLabels, &panel.comments})
                moveTexts.insert(moveTexts.end(), texts->begin(), texts->end());
            moveTexts.push_back(panel.freeRoomsCaption);
            for (const Marker& marker : panel.markers)
                moveDrawn.emplace_back(marker.x, marker.y, 10, 10);
            for (const RoomBox& box : panel.roomBoxes)
                moveDrawn.emplace_back(box.x, box.y, 21, 25);
        }
        for (const TransferDetails& details : panels.details) {
            detailTexts.insert(detailTexts.end(), details.headings.begin(), details.headings.end());
            detailTexts.insert(detailTexts.end(), details.steps.begin(), details.steps.end());
            detailTexts.push_back(details.result);
        }
        for (const PanelText& text : moveTexts)
            moveDrawn.push_back(InfoPanel::area(text));
        for (const PanelText& text : detailTexts)
            detailsDrawn.push_back(InfoPanel::area(text));
        for (const bool smallCards : {true, false}) {
            TableLayout layout = TableLayout::forCards(smallCards);
            layout.layoutTable(QSize(41, 41), QSize(1280, 1000));
            expectPanelTextsFit(moveTexts, moveDrawn, layout.panelSize().width());
            expectPanelTextsFit(detailTexts, detailsDrawn, layout.panelSize().width());
        }
    }
}

// A count's label is written over the heading's label with its zero: what
// the heading showed beyond the count's label is blanked too.
TEST(InfoPanelTest, ACountLeavesNothingOfTheLongerLabelItReplaces)
{
    for (const QString& name : languages()) {
        SCOPED_TRACE(name.toStdString());
        const PlayerLanguage language{QLocale(name)};
        const MovePanel panel = panelsOfEveryKind().moves.front();
        InfoPanel shown;
        shown.resize(QSize(661, 140));
        shown.draw(panel);
        for (const PanelText& label : panel.countLabels) {
            const auto heading = std::find_if(panel.headings.begin(), panel.headings.end(),
                                              [&](const PanelText& h) { return h.x == label.x && h.y == label.y; });
            ASSERT_NE(heading, panel.headings.end());
            for (const QRect& left : QRegion(InfoPanel::area(*heading)).subtracted(InfoPanel::area(label)))
                for (int x = left.left(); x <= left.right(); ++x)
                    for (int y = left.top(); y <= left.bottom(); ++y)
                        ASSERT_EQ(shown.image().pixelColor(x, y), testing::TableColour)
                            << heading->text << " under " << label.text;
        }
    }
}

} // namespace
} // namespace tavolin
