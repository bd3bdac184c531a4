#include "settings/stats_dialog.h"

#include "dialogs/dialog_artwork.h"

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "settings/settings_store.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tavolin {
namespace {

const char* const DeleteCaption = QT_TRANSLATE_NOOP("tavolin::TStats1Dlg", " Statistics Delete Event");
// The rounded frame around the figures, and the width of its pen.
constexpr QRect Frame(12, 10, 289, 314);
constexpr int FramePen = 3;

QString streakSentence(const Settings& settings, const QString& previous)
{
    switch (settings.StreakType) {
    case 0:
        return TStats1Dlg::tr("no streaks detected");
    case 1:
        return settings.StreakWins == 1
            ? TStats1Dlg::tr("currently won:  one game")
            : TStats1Dlg::tr("currently won:  %1 games in a row").arg(settings.StreakWins);
    case 2:
        return settings.StreakLosses == 1
            ? TStats1Dlg::tr("currently lost:  one game")
            : TStats1Dlg::tr("currently lost:  %1 games in a row").arg(settings.StreakLosses);
    default:
        return previous;
    }
}

// The rounded frame around the figures.
class FramePanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal halfPen = FramePen / 2.0;
        p.setPen(QPen(palette().color(QPalette::Mid), FramePen));
        p.drawRoundedRect(QRectF(Frame).adjusted(halfPen, halfPen, -halfPen, -halfPen), 12, 12);
    }
};

// A figure's text at its place, on one line where it fits within the frame.
// A longer one (the streak sentence, from a few thousand games on) wraps at
// a blank instead of running past the frame: nothing of it is cut or hidden.
void showWithinFrame(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setWordWrap(false);
    label->adjustSize();
    const int room = Frame.x() + Frame.width() - 2 * FramePen - label->x();
    if (label->width() <= room)
        return;
    label->setWordWrap(true);
    label->resize(room, label->heightForWidth(room));
}

} // namespace

std::array<QString, 10> statisticsTexts(const Settings& settings, const RunTotals& run,
                                        const QString& previousStreakText)
{
    return {
        TStats1Dlg::tr("This session:                 %1%").arg(WinPercent(run.runWon, run.runLost)),
        TStats1Dlg::tr("won:     %1").arg(run.runWon),
        TStats1Dlg::tr("lost:      %1").arg(run.runLost),
        TStats1Dlg::tr("Totals:                             %1%")
            .arg(WinPercent(settings.GamesWon, settings.GamesLost)),
        TStats1Dlg::tr("won:     %1").arg(settings.GamesWon),
        TStats1Dlg::tr("lost:      %1").arg(settings.GamesLost),
        TStats1Dlg::tr("Streaks:"),
        TStats1Dlg::tr("won:     %1").arg(settings.StreakWins),
        TStats1Dlg::tr("lost:      %1").arg(settings.StreakLosses),
        streakSentence(settings, previousStreakText),
    };
}

TStats1Dlg::TStats1Dlg(Settings& settings, RunTotals& run, SettingsStore& store, MessageBoxes& messages,
                       Clock& clock, std::function<bool()> gameInPlay, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      run_(run),
      store_(store),
      messages_(messages),
      clock_(clock),
      gameInPlay_(std::move(gameInPlay))
{
    setObjectName(QStringLiteral("Stats1Dlg"));
    setWindowTitle(tr(" Tavolin Statistics"));
    setFixedSize(310, 333);
    setModal(true);

    auto* panel = new FramePanel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, 310, 333);

    const QPoint places[] = {{39, 27}, {39, 58}, {85, 78},  {85, 98},  {39, 124}, {85, 143},
                             {85, 163}, {39, 189}, {85, 208}, {85, 228}, {85, 247}};
    for (int i = 0; i < 11; ++i) {
        auto* label = new QLabel(panel);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->move(places[i]);
        labels_[i] = label;
    }
    QFont summaryFont(QStringLiteral("Courier New"));
    summaryFont.setPixelSize(21);
    summaryFont.setItalic(true);
    summaryFont.setUnderline(true);
    labels_[0]->setFont(summaryFont);
    labels_[0]->setStyleSheet(QStringLiteral("color: blue"));
    labels_[0]->setText(tr("Summary"));
    labels_[0]->adjustSize();

    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(151, 180, 133, 25);
    logo->setPixmap(logoPicture());

    auto* ok = new QPushButton(tr("OK"), panel);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(65, 280, 76, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TStats1Dlg::OKBtnClick);
    auto* remove = new QPushButton(tr("Delete"), panel);
    remove->setObjectName(QStringLiteral("BitBtn2"));
    remove->setGeometry(176, 280, 79, 26);
    // Return never deletes, not even with Delete focused: only a click or Space does.
    remove->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, &TStats1Dlg::DelBtnClick);
}

QString TStats1Dlg::labelText(int number) const
{
    return labels_.at(number - 1)->text();
}

// Shown with the figures the store holds now.
void TStats1Dlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    store_.readStatistics(settings_);
    FormPaint();
}

void TStats1Dlg::FormPaint()
{
    const auto texts = statisticsTexts(settings_, run_, labels_[10]->text());
    for (int i = 0; i < 10; ++i)
        showWithinFrame(labels_[i + 1], texts[i]);
    // A screen reader reads a dialog's labels of three words or more as it
    // opens: each figure of won and lost games is named with its heading,
    // and the totals' percentage with words enough.
    for (int heading : {0, 3, 6}) {
        const QString name = texts[heading].section(QLatin1Char(':'), 0, 0);
        for (int figure : {heading + 1, heading + 2})
            labels_[figure + 1]->setAccessibleName(name + QLatin1Char(' ') + texts[figure].simplified());
    }
    labels_[4]->setAccessibleName(
        tr("Totals of all games: %1%").arg(WinPercent(settings_.GamesWon, settings_.GamesLost)));
}

void TStats1Dlg::OKBtnClick()
{
    clock_.sleep(10);
    accept();
}

void TStats1Dlg::DelBtnClick()
{
    if (gameInPlay_ && gameInPlay_()) {
        messages_.show(this, tr(DeleteCaption), tr("Game should be finished first."),
                       MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    // The question is asked over what the store holds now, and only that is deleted.
    store_.readStatistics(settings_);
    FormPaint();
    if (messages_.show(this, tr(DeleteCaption), tr("Delete all statistics ?"), MessageIcon::None,
                       MessageButtons::YesNoDefaultNo)
        != MessageAnswer::Yes)
        return;
    switch (store_.deleteStatistics(settings_)) {
    case SettingsStore::Deletion::Done:
        run_ = RunTotals{};
        break;
    case SettingsStore::Deletion::ChangedMeanwhile:
        messages_.show(this, tr(DeleteCaption),
                       tr("Another copy of the game changed the statistics while the question was open, so nothing "
                          "was deleted. They are shown as they are now."),
                       MessageIcon::Information, MessageButtons::Ok);
        break;
    case SettingsStore::Deletion::NotWritten:
        messages_.show(this, tr(DeleteCaption),
                       tr("The statistics could not be deleted: %1\n\nNothing was deleted.").arg(store_.writeProblem()),
                       MessageIcon::Warning, MessageButtons::Ok);
        break;
    }
    FormPaint();
}

} // namespace tavolin
