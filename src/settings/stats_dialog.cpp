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

const QString DeleteCaption = QStringLiteral(" Statistics Delete Event");

QString streakSentence(const Settings& settings, const QString& previous)
{
    switch (settings.StreakType) {
    case 0:
        return QStringLiteral("no streaks detected");
    case 1:
        return settings.StreakWins == 1
            ? QStringLiteral("currently won:  one game")
            : QStringLiteral("currently won:  %1 games in a row").arg(settings.StreakWins);
    case 2:
        return settings.StreakLosses == 1
            ? QStringLiteral("currently lost:  one game")
            : QStringLiteral("currently lost:  %1 games in a row").arg(settings.StreakLosses);
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
        p.setPen(QPen(palette().color(QPalette::Mid), 3));
        p.drawRoundedRect(QRectF(12, 10, 289, 314).adjusted(1.5, 1.5, -1.5, -1.5), 12, 12);
    }
};

} // namespace

std::array<QString, 10> statisticsTexts(const Settings& settings, const RunTotals& run,
                                        const QString& previousStreakText)
{
    return {
        QStringLiteral("This session:                 %1%").arg(WinPercent(run.runWon, run.runLost)),
        QStringLiteral("won:     %1").arg(run.runWon),
        QStringLiteral("lost:      %1").arg(run.runLost),
        QStringLiteral("Totals:                             %1%").arg(WinPercent(settings.GamesWon, settings.GamesLost)),
        QStringLiteral("won:     %1").arg(settings.GamesWon),
        QStringLiteral("lost:      %1").arg(settings.GamesLost),
        QStringLiteral("Streaks:"),
        QStringLiteral("won:     %1").arg(settings.StreakWins),
        QStringLiteral("lost:      %1").arg(settings.StreakLosses),
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
    setWindowTitle(QStringLiteral(" Tavolin Statistics"));
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
    labels_[0]->setText(QStringLiteral("Summary"));
    labels_[0]->adjustSize();

    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(151, 180, 133, 25);
    logo->setPixmap(logoPicture());

    auto* ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(65, 280, 76, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TStats1Dlg::OKBtnClick);
    auto* remove = new QPushButton(QStringLiteral("Delete"), panel);
    remove->setObjectName(QStringLiteral("BitBtn2"));
    remove->setGeometry(176, 280, 79, 26);
    connect(remove, &QPushButton::clicked, this, &TStats1Dlg::DelBtnClick);
}

QString TStats1Dlg::labelText(int number) const
{
    return labels_.at(number - 1)->text();
}

void TStats1Dlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormPaint();
}

void TStats1Dlg::FormPaint()
{
    const auto texts = statisticsTexts(settings_, run_, labels_[10]->text());
    for (int i = 0; i < 10; ++i) {
        labels_[i + 1]->setText(texts[i]);
        labels_[i + 1]->adjustSize();
    }
}

void TStats1Dlg::OKBtnClick()
{
    clock_.sleep(10);
    accept();
}

void TStats1Dlg::DelBtnClick()
{
    if (gameInPlay_ && gameInPlay_()) {
        messages_.show(this, DeleteCaption, QStringLiteral("Game should be finished first."),
                       MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (messages_.show(this, DeleteCaption, QStringLiteral("Delete all statistics ?"), MessageIcon::None,
                       MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return;
    applyChange(settings_, StatisticsChange::Delete);
    run_ = RunTotals{};
    store_.saveStatistics(settings_, StatisticsChange::Delete);
    FormPaint();
}

} // namespace tavolin
