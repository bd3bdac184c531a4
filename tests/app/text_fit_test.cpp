// Every text drawn at a fixed place fits it, in English and in each
// translation, measured with DejaVu alone, the fonts the package depends on
// (the test programs run on tests/support/dejavu-fonts.conf).
#include "app/clock_format.h"
#include "app/hint_text.h"
#include "app/player_language.h"
#include "game/recording_events.h"
#include "game/words.h"
#include "game/support/table_builder.h"
#include "platform/qt_message_boxes.h"
#include "settings/statistics.h"
#include "translation_file.h"
#include "view/info_panel.h"
#include "window_fixture.h"

#include <QLabel>
#include <QTimer>

namespace tavolin {
namespace {

using testing::TableBuilder;

// Each hint and each warning of a losing transfer, for each card from each
// place to each place.
QStringList hintTexts()
{
    QStringList texts;
    TableState table;
    const auto hint = [&](Place from, Place to, CardCode card, int cards = 1, bool alone = false) {
        const HintText text = hintText(table, {from, to, card, cards, alone});
        const HintText lost = losingTransferText({from, to, card, cards, alone});
        texts << text.what << text.where << lost.what << lost.where;
    };
    for (CardCode card = 0; card < PackSize; ++card)
        for (int column = 0; column < ColumnCount; ++column) {
            std::tie(table.columns[column].present[0], table.columns[column].card[0]) = std::tuple(1, card);
            hint({PlaceKind::Column, column}, {PlaceKind::Column, column}, card);
            hint({PlaceKind::Room, column % RoomCount}, {PlaceKind::Pile, column % PileCount}, card);
            hint({PlaceKind::Column, column}, {PlaceKind::Room, column % RoomCount}, card, 13);
        }
    table = {};
    for (int column = 0; column < ColumnCount; ++column)
        hint({PlaceKind::Column, column}, {PlaceKind::Column, column}, 0, 1, column % 2 != 0);
    return texts;
}

// A text of a context at its widest, for each card in turn: "%s of %s" the
// card's names, a lone %s its rank's, a number 13, each %1, %2 of Qt's 13.
QStringList widest(const QString& context, const QString& source)
{
    const QByteArray key = context.toUtf8(), text = source.toUtf8();
    const std::string format = translatedText(key.constData(), text.constData());
    QString kinds;
    static const QRegularExpression conversion(QStringLiteral("%s of %s|%[sd]"));
    for (const QRegularExpressionMatch& m : conversion.globalMatch(source))
        kinds += m.capturedLength() > 2 ? u'C' : m.captured().back();
    QStringList texts;
    static const QRegularExpression qtPlaceholder(QStringLiteral("%\\d"));
    const int cards = kinds.contains(u'C') || kinds.contains(u's') ? PackSize : 1;
    for (CardCode card = 0; card < cards; ++card) {
        const std::string rank = rankName(rankOf(card)), suit = suitName(suitOf(card));
        const char* f = format.c_str();
        const std::string shown = kinds == u"C"  ? formatText(f, rank.c_str(), suit.c_str())
                                : kinds == u"dC" ? formatText(f, 13, rank.c_str(), suit.c_str())
                                : kinds == u"s"  ? formatText(f, rank.c_str())
                                : kinds == u"d"  ? formatText(f, 13)
                                : kinds == u"dd" ? formatText(f, 13, 13)
                                                 : format;
        texts << QString::fromStdString(shown).replace(qtPlaceholder, QStringLiteral("13"));
    }
    return texts;
}

// Every text a status panel shows, at its longest: each hint, each text of
// the game and the pointer, each command's tip, the window's own at the
// highest numbers and the last second of the day.
QStringList statusTexts(const TForm1& window, const testing::TsFile& sources)
{
    QStringList texts = hintTexts();
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->statusTip();
    for (const auto& [key, entry] : sources)
        if (key.first == u"Game" || key.first == u"Pointer")
            texts << widest(key.first, key.second);
    const QString time = QTime(23, 59, 59).toString(clockFormat(QLocale()));
    for (const char* what : {"Game started at ", "Game won at ", "Game finished at "})
        texts << TForm1::tr(what) + time + TForm1::tr(" hrs.");
    texts << TForm1::tr(" Number of Cards left:  %1").arg(52)
          << TForm1::tr("Main form: %1 x %2 pixels").arg(1280).arg(1024)
          << TForm1::tr("Playing Time: mins ") + playingTimeText(3599999) + TForm1::tr(" secs");
    for (const char* source : {" No move left. Game finished.", "Hint: looking for a winning line...",
                               "Hint: this game can no longer be won.", "Hint: no winning line found in time.",
                               "Transfer Info selected", "Looking for the move that lost the game...",
                               " Library used: VelvetRes2.DLL"})
        texts << TForm1::tr(source);
    return texts;
}

// The move panel: counts of two figures with a new game's comment, no move
// left, a last move.
std::vector<MovePanel> movePanels()
{
    testing::RecordingEvents events;
    Game game{events};
    game.flags.ShowMoves = true;
    const auto detect = [&](TableBuilder&) {
        game.flags.HintHeaderDirty = true;
        game.DetectMoves();
    };
    TableBuilder moves(game);
    detect(moves.room(0, "AH").room(1, "4S").column(0, {"5H"}).column(1, {"5D"}).column(2, {"6S"}).column(3, {"6C"})
               .column(4, {"7H"}).column(5, {"7D"}).column(6, {"8S"}).column(7, {"AD"}));
    TableBuilder full(game);
    full.room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC");
    for (int column = 0; column < ColumnCount; ++column)
        full.column(column, {testing::cardName(makeCard(column < 4 ? 4 : 8, column % 4))});
    detect(full);
    detect(full.column(7, {"10C"}));
    return events.movePanels;
}

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

using TextFitTest = testing::WindowFixture<>;

// Each count's label is written over the heading's label with its zero:
// what the heading showed beyond the count's label is blanked too.
TEST_F(TextFitTest, EveryTextFitsItsPlaceAndACountLeavesNothingOfTheLabelItReplacesInEveryLanguage)
{
    const testing::TsFile sources = testing::readTs(QStringLiteral("de"));
    std::map<QString, QString> englishTitles;
    for (const QString& name : QStringLiteral("C " TAVOLIN_CHECKED_LANGUAGES).split(u' ', Qt::SkipEmptyParts)) {
        SCOPED_TRACE(name.toStdString());
        const PlayerLanguage language{QLocale(name)};
        open();
        const QLabel* status = window->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        const int room = status->contentsRect().width();
        for (const QString& text : statusTexts(*window, sources))
            EXPECT_LE(status->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
        for (const auto open : {&TForm1::GameStats1Click, &TForm1::Pref1DlgClick, &TForm1::HelpAboutClick,
                                &TForm1::ShowDateClick, &TForm1::HowToPlay1Click, &TForm1::DealByNumberClick}) {
            QTimer::singleShot(0, [&] { expectTitlesFit(*window, englishTitles); });
            (window.get()->*open)();
            QApplication::processEvents();
        }

        // The details panel's texts are written in Courier at the left, in
        // its narrower column.
        const int detailsRoom = 320 - 6;
        for (const auto& [key, entry] : sources)
            for (const QString& text : key.first == u"Panel" ? widest(key.first, key.second) : QStringList())
                EXPECT_LE(InfoPanel::area({6, 0, text.toStdString(), PanelFont::CourierNew}).width(), detailsRoom)
                    << text.toStdString();

        // The move panel's texts, each up to the next one right of it at its
        // height or to the edge of the narrower panel, the small cards'.
        const std::vector<MovePanel> panels = movePanels();
        std::vector<PanelText> texts;
        for (const MovePanel& panel : panels) {
            for (const auto* some : {&panel.headings, &panel.countLabels, &panel.comments})
                texts.insert(texts.end(), some->begin(), some->end());
            texts.push_back(panel.freeRoomsCaption);
        }
        TableLayout small = TableLayout::forCards(true);
        small.layoutTable(QSize(41, 41), QSize(800, 600));
        for (const PanelText& text : texts) {
            const QRect area = InfoPanel::area(text);
            int right = small.panelSize().width();
            for (const PanelText& other : texts)
                if (other.x > text.x && std::abs(other.y - text.y) < area.height())
                    right = std::min(right, other.x);
            EXPECT_LE(area.x() + area.width(), right) << text.text << " at " << text.x << ", " << text.y;
        }

        InfoPanel shown;
        shown.resize(QSize(661, 140));
        shown.draw(panels.front());
        for (const PanelText& label : panels.front().countLabels)
            for (const PanelText& heading : panels.front().headings) {
                if (heading.x != label.x || heading.y != label.y)
                    continue;
                for (const QRect& left : QRegion(InfoPanel::area(heading)).subtracted(InfoPanel::area(label)))
                    for (int x = left.left(); x <= left.right(); ++x)
                        for (int y = left.top(); y <= left.bottom(); ++y)
                            ASSERT_EQ(shown.image().pixelColor(x, y), testing::TableColour)
                                << heading.text << " under " << label.text;
            }
    }
}

} // namespace
} // namespace tavolin
