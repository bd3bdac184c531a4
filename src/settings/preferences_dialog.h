#pragma once

#include "dialogs/spoken_news.h"
#include "settings/settings.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace tavolin {

class Clock;
class MessageBoxes;
class SettingsStore;

using PileSuits = std::array<std::int32_t, 4>;

// The preferences dialog, shown without blocking. Four pages
// (display options, picture path, suit order, speed) share one OK button;
// each page commits its own way, and after a successful OK the dialog turns
// to the next page by itself after the page's delay (Timer1). It works on the
// main window's live settings and writes each commit through the store.
//
// What the main window must follow is told through the signals below; the
// display choices "TimeDisplay" and "TransferInfo" change the live settings
// at once and need nothing more.
class TPrefDlg1 : public QDialog {
    Q_OBJECT

public:
    // The four pages, in order.
    enum Page { DisplayPage = 0, PathPage = 1, SuitPage = 2, SpeedPage = 3 };

    TPrefDlg1(Settings& settings, SettingsStore& store, MessageBoxes& messages, Clock& clock,
              QWidget* parent = nullptr);
    ~TPrefDlg1() override;

    // Where Label4 takes the side window's picture size from (the main
    // window's SideWidth and SideHeight); asked each time the path page
    // is shown. Without it the size reads 0 x 0.
    void setSideWindowSize(std::function<QSize()> sideWindowSize);

    // The dialog's part of the main window's Preferences command
    // (Pref1DlgClick): Label4 widened to 276, the dialog placed at 130, 200,
    // shown and brought to the front. Every showing starts on page 0 with the
    // controls set from the current settings (also when it was still open).
    void showFromMainWindow();

    // The dialog's own state, for the main window's tests and ours.
    bool advancePending() const { return advancePending_; }
    int advanceDelay() const { return advanceDelay_; }
    int pressCount() const { return pressCount_; }
    // The suit buttons pressed, 1..4 in order (0 = not yet); they stay button
    // numbers after a commit (the stored suits are in the settings).
    const std::array<std::int32_t, 4>& newOrder() const { return newOrder_; }
    QString statusText() const;
    // Qt's bridge hears what the dialog says to a screen reader while one is
    // there; a listener given here hears it in its place, always.
    void listenInsteadOfReaders(std::function<void(QAccessibleEvent&)> listener)
    {
        news_.listenInsteadOfReaders(std::move(listener));
    }

signals:
    // A setting has been recorded: the main window sets its prefsChanged.
    void prefsChanged();
    // Display options committed: the transfer details display is to be active
    // exactly when on ("TransferDetails"), undoing a switch-off for lack of space.
    void transferDetailsActive(bool on);
    // "SpeedSlider" changed: the animation's new delay factor (11 - position).
    void speedChanged(int delayFactor);
    // A new suit order was stored: Pile i takes suit pileSuit[i] from now on.
    void pileSuitsChanged(const tavolin::PileSuits& pileSuit);
    // The main window's PicturePathVerified is to be set (the picture file
    // opened) or cleared.
    void picturePathVerified(bool verified);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createDisplayPage(QWidget* page);
    void createPathPage(QWidget* page);
    void createSuitPage(QWidget* page);
    void createSpeedPage(QWidget* page);

    // The design's handlers.
    void FormCreate();
    void OnPrefAct();
    void OnPageChange(int page);
    void OnBtn1Click();
    void Timer1Timer();
    void RadioButton1Click();
    void RadioButton2Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void Edit1Enter();
    void Edit1Exit();
    void BitBtnClick(int button);
    void TabSheet3Enter();
    void TabSheet3Exit();
    void TabSheet4Enter();
    void TabSheet4Exit();

    void commitDisplayOptions();
    bool commitSuitOrder();
    void commitSpeed();

    void focusMoved(QWidget* old, QWidget* now);
    void setStatus(const QString& text);
    // What a screen reader hears of the dialog: what changed since it last
    // heard, told once the event that changed it is over.
    void followForReaders();
    void tellReaders();
    QString pageWords(int page) const;
    void nameSuitOrders();
    void setPicturePathVerified(bool verified);
    void setLabel7Colour(const QColor& colour);
    void showLabel7(const QString& format);

    Settings& settings_;
    SettingsStore& store_;
    MessageBoxes& messages_;
    Clock& clock_;
    std::function<QSize()> sideWindowSize_;

    bool advancePending_ = false;
    int advanceDelay_ = 500;
    int pressCount_ = 0;
    std::array<std::int32_t, 4> newOrder_{};
    bool turningByTimer_ = false;

    QTabWidget* PageControl1 = nullptr;
    QPushButton* Button1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QSlider* TrackBar1 = nullptr;

    SpokenNews news_{this};
    QTimer* tellTimer_ = nullptr;
    // What the reader was last told: the page, the new suit order, the status.
    struct Heard {
        int page = -1;
        QString newOrder;
        QString status;
    };
    Heard heard_;
};

} // namespace tavolin
