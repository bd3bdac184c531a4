#pragma once

#include "settings/settings.h"
#include "settings/statistics.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace tavolin {

class Clock;
class MessageBoxes;
class SettingsStore;

// The texts of the statistics dialog's ten figure labels, Label2 to Label11.
// The streak sentence keeps its previous text for a streak type it does not know.
std::array<QString, 10> statisticsTexts(const Settings& settings, const RunTotals& run,
                                        const QString& previousStreakText);

// Shows the games won and lost, this run and of all time, with the current
// streak, and can delete them.
class TStats1Dlg : public QDialog {
    Q_OBJECT

public:
    TStats1Dlg(Settings& settings, RunTotals& run, SettingsStore& store, MessageBoxes& messages, Clock& clock,
               std::function<bool()> gameInPlay, QWidget* parent = nullptr);

    // The figures as the dialog shows them now.
    QString labelText(int number) const;

    void OKBtnClick();
    void DelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormPaint();

    Settings& settings_;
    RunTotals& run_;
    SettingsStore& store_;
    MessageBoxes& messages_;
    Clock& clock_;
    std::function<bool()> gameInPlay_;
    std::array<QLabel*, 11> labels_{};
};

} // namespace tavolin
