#include "settings/preferences_dialog.h"

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/regular_file.h"
#include "settings/settings_store.h"
#include "settings/suit_pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace tavolin {
namespace {

const char* const LoadErrorCaption = QT_TRANSLATE_NOOP("tavolin::TPrefDlg1", " Bitmap Load Error");
const char* const DisplayStatus = QT_TRANSLATE_NOOP("tavolin::TPrefDlg1", "Current setting of display options");
// The suits of the four buttons, in the order of their numbers.
const char* const SuitNames[] = {QT_TRANSLATE_NOOP("tavolin::TPrefDlg1", "Hearts"),
                                 QT_TRANSLATE_NOOP("tavolin::TPrefDlg1", "Diamonds"),
                                 QT_TRANSLATE_NOOP("tavolin::TPrefDlg1", "Spades"),
                                 QT_TRANSLATE_NOOP("tavolin::TPrefDlg1", "Clubs")};
constexpr int UsualAdvanceDelay = 500;
constexpr int WrongOrderPause = 4000;

QFont namedFont(const QString& family, int pixelHeight)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(QWidget* page, const char* name, int left, int top, const QString& text)
{
    auto* result = named(new QLabel(text, page), name);
    result->move(left, top);
    result->adjustSize();
    return result;
}

void setWhiteBackground(QLabel* label)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
}

// Tabs with less room beside their captions, so the four fit side by side
// in the design's width with the fonts that stand in for MS Sans Serif.
class CompactTabStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return std::min(QProxyStyle::pixelMetric(metric, option, widget), 10);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QString orderText(const QString& format, const std::array<std::int32_t, 4>& digits)
{
    return format.arg(digits[0]).arg(digits[1]).arg(digits[2]).arg(digits[3]);
}

} // namespace

TPrefDlg1::TPrefDlg1(Settings& settings, SettingsStore& store, MessageBoxes& messages, Clock& clock,
                     QWidget* parent)
    : QDialog(parent), settings_(settings), store_(store), messages_(messages), clock_(clock)
{
    setObjectName(QStringLiteral("PrefDlg1"));
    setWindowTitle(tr(" Environment Preferences"));
    setModal(false);
    setFixedSize(353, 233);
    setFont(namedFont(QStringLiteral("MS Sans Serif"), 10));

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(0, 0, 352, 215);
    PageControl1->setFont(namedFont(QStringLiteral("MS Sans Serif"), 9));
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(PageControl1->tabBar());
    PageControl1->tabBar()->setStyle(tabStyle);
    const char* sheetNames[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    const QString captions[] = {tr("Display Options"), tr("Bitmap Path Info"),
                                tr("Suit Selection"), tr("Speed Control")};
    QWidget* sheets[4];
    for (int i = 0; i < 4; ++i) {
        sheets[i] = named(new QWidget, sheetNames[i]);
        PageControl1->addTab(sheets[i], captions[i]);
    }
    TabSheet3 = sheets[SuitPage];
    TabSheet4 = sheets[SpeedPage];
    createDisplayPage(sheets[DisplayPage]);
    createPathPage(sheets[PathPage]);
    createSuitPage(sheets[SuitPage]);
    createSpeedPage(sheets[SpeedPage]);

    // The OK button lies over the pages, below their controls; it does not close the dialog.
    Button1 = named(new QPushButton(tr("OK"), this), "Button1");
    Button1->setGeometry(147, 176, 50, 20);
    Button1->setFont(namedFont(QStringLiteral("MS Sans Serif"), 9));
    QPalette buttonPalette = Button1->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::black);
    Button1->setPalette(buttonPalette);
    Button1->setDefault(true);
    Button1->raise();

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setGeometry(0, 215, 353, 18);
    StatusBar1->setSizeGripEnabled(false);
    QFont statusFont = StatusBar1->font();
    statusFont.setBold(false);
    StatusBar1->setFont(statusFont);

    Timer1 = named(new QTimer(this), "Timer1");
    tellTimer_ = new QTimer(this);
    tellTimer_->setSingleShot(true);
    tellTimer_->setInterval(0);
    connect(tellTimer_, &QTimer::timeout, this, &TPrefDlg1::tellReaders);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TPrefDlg1::OnPageChange);
    connect(Button1, &QPushButton::clicked, this, &TPrefDlg1::OnBtn1Click);
    connect(Timer1, &QTimer::timeout, this, &TPrefDlg1::Timer1Timer);
    connect(qApp, &QApplication::focusChanged, this, &TPrefDlg1::focusMoved);

    FormCreate();
}

TPrefDlg1::~TPrefDlg1()
{
    // The widgets' own destruction moves the focus; this dialog is no longer
    // there to follow it.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TPrefDlg1::createDisplayPage(QWidget* page)
{
    // Three frames behind the controls.
    // Without captions on the table, their names tell a screen reader what each frame holds.
    const QRect frames[] = {{24, 8, 300, 56}, {24, 72, 300, 36}, {24, 112, 300, 36}};
    const char* frameNames[] = {QT_TR_NOOP("Status bar display"), QT_TR_NOOP("Transfer details"),
                                QT_TR_NOOP("Side window picture")};
    for (int i = 0; i < 3; ++i) {
        auto* frame = new QGroupBox(page);
        frame->setObjectName(QStringLiteral("GroupBox%1").arg(i + 1));
        frame->setGeometry(frames[i]);
        frame->setAccessibleName(tr(frameNames[i]));
    }
    RadioButton1 = named(new QRadioButton(tr("Display Playing Time"), page), "RadioButton1");
    RadioButton1->move(39, 20);
    RadioButton2 = named(new QRadioButton(tr("Display Transfer Info"), page), "RadioButton2");
    RadioButton2->move(39, 39);
    CheckBox1 = named(new QCheckBox(tr("Show Transfer Details ( as long as space permits )"), page),
                      "CheckBox1");
    CheckBox1->move(39, 85);
    CheckBox2 = named(new QCheckBox(tr("Show picture in side window"), page), "CheckBox2");
    CheckBox2->move(39, 124);
    for (QWidget* control : {static_cast<QWidget*>(RadioButton1), static_cast<QWidget*>(RadioButton2),
                             static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(CheckBox2)})
        control->adjustSize();

    // A radio button is handled when the player chooses it; a check box on
    // every change of its state, by the player or from a setting.
    connect(RadioButton1, &QRadioButton::clicked, this, &TPrefDlg1::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TPrefDlg1::RadioButton2Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TPrefDlg1::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TPrefDlg1::CheckBox2Click);
}

void TPrefDlg1::createPathPage(QWidget* page)
{
    label(page, "Label1", 52, 13, tr("Bitmap Path and File Name Info:      "));
    Edit1 = named(new QLineEdit(QStringLiteral("undefined"), page), "Edit1");
    Edit1->setGeometry(52, 33, 228, 21);
    Edit1->setAccessibleName(tr("Bitmap path and file name"));
    label(page, "Label2", 52, 59, tr("Example: D:\\Images\\bmp\\sw.bmp"));
    label(page, "Label3", 52, 91, tr("Picture  Dimension required for side window:"));
    Label4 = label(page, "Label4", 52, 111, QString());
    setWhiteBackground(Label4);
}

void TPrefDlg1::createSuitPage(QWidget* page)
{
    page->setFont(namedFont(QStringLiteral("MS Sans Serif"), 11));
    label(page, "Label5", 26, 13, tr("Press buttons in the order desired ..."));
    const QPoint places[] = {{28, 38}, {80, 39}, {134, 39}, {189, 39}};
    for (int k = 1; k <= 4; ++k) {
        auto* button = new QPushButton(QString::number(k), page);
        // The caption is the suit's number in the order; a reader names the suit.
        button->setAccessibleName(tr(SuitNames[k - 1]));
        button->setObjectName(QStringLiteral("BitBtn%1").arg(k));
        button->setGeometry(QRect(places[k - 1], QSize(36, 27)));
        button->setIcon(QIcon(suitPicture(k - 1)));
        button->setIconSize(QSize(16, 16));
        connect(button, &QPushButton::clicked, this, [this, k] { BitBtnClick(k); });
    }
    const QFont arial = namedFont(QStringLiteral("Arial"), 12);
    Label6 = label(page, "Label6", 26, 78, QString());
    Label6->setFont(arial);
    Label6->setAlignment(Qt::AlignCenter);
    setWhiteBackground(Label6);
    Label7 = label(page, "Label7", 26, 104, QString());
    Label7->setFont(arial);
    setWhiteBackground(Label7);
}

void TPrefDlg1::createSpeedPage(QWidget* page)
{
    label(page, "Label8", 33, 13, tr("Speed Adjustment for Automatic Card Moves"));
    label(page, "Label9", 33, 39, tr("slow"));
    label(page, "Label10", 124, 39, tr("fast"));
    TrackBar1 = named(new QSlider(Qt::Horizontal, page), "TrackBar1");
    TrackBar1->setGeometry(26, 59, 122, 36);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(2);
    TrackBar1->setAccessibleName(tr("Speed of automatic card moves"));
    TrackBar1->setAccessibleDescription(tr("From 1, slow, to 10, fast"));
    label(page, "Label11", 33, 98, tr("Move Slider into desired position, then press OK Button."));
}

void TPrefDlg1::setSideWindowSize(std::function<QSize()> sideWindowSize)
{
    sideWindowSize_ = std::move(sideWindowSize);
}

QString TPrefDlg1::statusText() const
{
    return StatusBar1->currentMessage();
}

// ---- Creation and showing -------------------------------------------------

void TPrefDlg1::FormCreate()
{
    TrackBar1->setRange(1, 10);
    TrackBar1->setValue(settings_.SpeedSlider);
}

void TPrefDlg1::showFromMainWindow()
{
    Label4->resize(276, Label4->height());
    move(130, 200);
    // Showing runs the activation; a dialog still open starts over the same way.
    if (isVisible())
        OnPrefAct();
    else
        show();
    raise();
    activateWindow();
}

void TPrefDlg1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Each showing, not each return of the window from behind its own message
    // boxes or from being minimised: that would throw the player's place away.
    if (!event->spontaneous()) {
        OnPrefAct();
        // A reader reads the dialog as it opens.
        tellTimer_->stop();
        heard_ = {PageControl1->currentIndex(), Label7->accessibleName(), statusText()};
    }
}

void TPrefDlg1::OnPrefAct()
{
    // A turn still pending from before the dialog was hidden would carry the
    // new showing off page 0.
    Timer1->stop();
    advanceDelay_ = UsualAdvanceDelay;
    PageControl1->setCurrentIndex(DisplayPage);
    if (settings_.TimeDisplay) {
        RadioButton1Click();
        settings_.TransferInfo = false;
    }
    if (settings_.TransferInfo) {
        RadioButton2Click();
    } else if (!settings_.TimeDisplay) {
        // Neither display chosen: neither button selected.
        RadioButton1->setAutoExclusive(false);
        RadioButton2->setAutoExclusive(false);
        RadioButton1->setChecked(false);
        RadioButton2->setChecked(false);
        RadioButton1->setAutoExclusive(true);
        RadioButton2->setAutoExclusive(true);
    }
    CheckBox1->setChecked(settings_.TransferDetails);
    CheckBox2->setChecked(settings_.ShowPicture);
    setStatus(tr(DisplayStatus));
}

// ---- Pages, OK and the automatic turn -------------------------------------

void TPrefDlg1::OnPageChange(int page)
{
    // A page the player chose (or the activation's page 0) cancels an
    // automatic turn still pending, which would otherwise carry the player
    // off the page just chosen.
    if (!turningByTimer_ && Timer1->isActive()) {
        Timer1->stop();
        advanceDelay_ = UsualAdvanceDelay;
    }
    followForReaders();
    switch (page) {
    case DisplayPage:
        setStatus(tr(DisplayStatus));
        break;
    case PathPage: {
        setStatus(tr("Defines location of side-window Bitmap"));
        const QSize side = sideWindowSize_ ? sideWindowSize_() : QSize(0, 0);
        Label4->setText(tr(" Picture Width = %1, Height = %2 pixels      ")
                            .arg(side.width())
                            .arg(side.height()));
        Label4->resize(std::max(Label4->width(), Label4->sizeHint().width()), Label4->sizeHint().height());
        Edit1->setText(settings_.SWBmpPath);
        Edit1->setFocus(Qt::OtherFocusReason);
        // Taking the focus runs Edit1Enter; a dialog that is not the active
        // window gets no focus, so it runs here.
        if (!Edit1->hasFocus())
            Edit1Enter();
        break;
    }
    case SuitPage:
        TabSheet3Enter();
        break;
    case SpeedPage:
        TabSheet4Enter();
        break;
    default:
        break;
    }
}

void TPrefDlg1::OnBtn1Click()
{
    switch (PageControl1->currentIndex()) {
    case DisplayPage:
        commitDisplayOptions();
        advancePending_ = true;
        break;
    case PathPage:
        // The path is committed when the edit box is left. A click leaves it
        // first; the Enter key (OK is the default button) does not, so the
        // focus is moved here to commit the path as a click would.
        if (Edit1->hasFocus())
            Button1->setFocus(Qt::OtherFocusReason);
        advancePending_ = true;
        break;
    case SuitPage:
        advancePending_ = commitSuitOrder();
        break;
    case SpeedPage:
        commitSpeed();
        advancePending_ = true;
        break;
    default:
        break;
    }
    Timer1->start(advanceDelay_);
}

void TPrefDlg1::Timer1Timer()
{
    if (advancePending_) {
        turningByTimer_ = true;
        PageControl1->setCurrentIndex((PageControl1->currentIndex() + 1) % 4);
        turningByTimer_ = false;
    }
    advanceDelay_ = UsualAdvanceDelay;
    Timer1->stop();
}

// ---- Page 0: display options ------------------------------------------------

void TPrefDlg1::RadioButton1Click()
{
    settings_.TimeDisplay = true;
    RadioButton1->setChecked(true);
    settings_.TransferInfo = false;
    RadioButton2->setChecked(false);
}

void TPrefDlg1::RadioButton2Click()
{
    settings_.TransferInfo = true;
    RadioButton2->setChecked(true);
    settings_.TimeDisplay = false;
    RadioButton1->setChecked(false);
}

void TPrefDlg1::CheckBox1Click()
{
    settings_.TransferDetails = CheckBox1->isChecked();
}

void TPrefDlg1::CheckBox2Click()
{
    settings_.ShowPicture = CheckBox2->isChecked();
    if (!settings_.ShowPicture)
        return;
    if (!isReadableRegularFile(settings_.SWBmpPath)) {
        messages_.show(this, tr(LoadErrorCaption),
                       tr("Selection needs correct bitmap path name.\nSee Bitmap Path Info page."),
                       MessageIcon::Error, MessageButtons::Ok);
        setStatus(tr("Selection reset because of bitmap load error."));
        setPicturePathVerified(false);
        settings_.ShowPicture = false;
        CheckBox2->setChecked(false);
        return;
    }
    setPicturePathVerified(true);
}

void TPrefDlg1::commitDisplayOptions()
{
    store_.saveDisplayOptions(settings_);
    emit transferDetailsActive(settings_.TransferDetails);
    emit prefsChanged();
    advanceDelay_ = 2000;
    setStatus(tr("Display Options recorded in Registry"));
}

// ---- Page 1: the picture path ----------------------------------------------

void TPrefDlg1::Edit1Enter()
{
    setStatus(tr("Edit or confirm side-window Bitmap location"));
    Edit1->setText(settings_.SWBmpPath);
}

void TPrefDlg1::Edit1Exit()
{
    advancePending_ = true;
    if (!Edit1->isModified()) {
        advanceDelay_ = 1600;
        setStatus(tr("No modification recorded"));
        return;
    }
    advanceDelay_ = 2000;
    const QString path = Edit1->text();
    const bool cleared = path.isEmpty();
    if (cleared) {
        setPicturePathVerified(false);
        settings_.ShowPicture = false;
        CheckBox2->setChecked(false);
    } else if (!isReadableRegularFile(path)) {
        messages_.show(this, tr(LoadErrorCaption), tr("Unable to load Bitmap from that path."),
                       MessageIcon::Error, MessageButtons::Ok);
        setStatus(tr("Bitmap path name invalid. Selection checkbox cleared."));
        setPicturePathVerified(false);
        settings_.ShowPicture = false;
        CheckBox2->setChecked(false);
        return;
    } else {
        setPicturePathVerified(true);
    }
    settings_.SWBmpPath = path;
    Edit1->setModified(false);
    store_.savePicturePath(settings_);
    // A recorded path is a recorded setting: the side window is refreshed
    // with the new picture (or without one) when the main window comes back.
    emit prefsChanged();
    setStatus(cleared ? tr("Modified path name stored in Registry. Selection cleared.")
                      : tr("Modified path name stored in Registry."));
}

void TPrefDlg1::setPicturePathVerified(bool verified)
{
    emit picturePathVerified(verified);
}

// ---- Page 2: the suit order --------------------------------------------------

void TPrefDlg1::TabSheet3Enter()
{
    setStatus(tr("Assignment of suits to piles."));
    setLabel7Colour(Qt::white);
    Label6->setText(orderText(tr(" Current order: %1%2%3%4            "),
                              {settings_.PileSuit[0] + 1, settings_.PileSuit[1] + 1,
                               settings_.PileSuit[2] + 1, settings_.PileSuit[3] + 1}));
    Label6->adjustSize();
    newOrder_ = {0, 0, 0, 0};
    showLabel7(tr(" New order: %1%2%3%4            "));
    pressCount_ = 0;
    advancePending_ = false;
}

void TPrefDlg1::BitBtnClick(int button)
{
    if (pressCount_ >= 4)
        return;
    setLabel7Colour(Qt::green);
    newOrder_[pressCount_] = button;
    ++pressCount_;
    showLabel7(tr(" New order: %1%2%3%4"));
}

bool TPrefDlg1::commitSuitOrder()
{
    if (pressCount_ != 4)
        return true;
    // The button numbers become suit indices in a copy: newOrder_ keeps the
    // numbers pressed, so a second OK before the page is entered again stores
    // the same order rather than every suit one lower.
    PileSuits suits;
    std::transform(newOrder_.begin(), newOrder_.end(), suits.begin(), [](std::int32_t k) { return k - 1; });
    bool repeated = false;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            repeated = repeated || suits[i] == suits[j];
    if (repeated) {
        setLabel7Colour(Qt::yellow);
        setStatus(tr("Oh my God, try again. Incorrect selection."));
        // Let the yellow label and the text show before the pause.
        Label7->repaint();
        StatusBar1->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        clock_.sleep(WrongOrderPause);
        TabSheet3Enter();
        return false;
    }
    settings_.PileSuit = suits;
    store_.savePileSuits(settings_);
    emit pileSuitsChanged(settings_.PileSuit);
    setStatus(tr("New Order recorded in Registry"));
    advanceDelay_ = 2000;
    setLabel7Colour(Qt::white);
    emit prefsChanged();
    return true;
}

void TPrefDlg1::TabSheet3Exit()
{
    advancePending_ = true;
}

void TPrefDlg1::setLabel7Colour(const QColor& colour)
{
    QPalette palette = Label7->palette();
    palette.setColor(QPalette::Window, colour);
    Label7->setPalette(palette);
}

void TPrefDlg1::showLabel7(const QString& format)
{
    Label7->setText(orderText(format, newOrder_));
    Label7->adjustSize();
    nameSuitOrders();
    followForReaders();
}

// The orders show the buttons' numbers; a reader hears the suits.
void TPrefDlg1::nameSuitOrders()
{
    auto suits = [](auto numbers) {
        QStringList names;
        for (const std::int32_t number : numbers)
            if (number >= 1 && number <= 4)
                names << tr(SuitNames[number - 1]);
        return names.isEmpty() ? tr("none") : names.join(QStringLiteral(", "));
    };
    Label6->setAccessibleName(tr("Current order: %1").arg(suits(std::array{
        settings_.PileSuit[0] + 1, settings_.PileSuit[1] + 1, settings_.PileSuit[2] + 1, settings_.PileSuit[3] + 1})));
    Label7->setAccessibleName(tr("New order: %1").arg(suits(newOrder_)));
}

// ---- Page 3: the speed ---------------------------------------------------------

void TPrefDlg1::TabSheet4Enter()
{
    setStatus(tr("Current adjustment shown."));
    TrackBar1->setValue(settings_.SpeedSlider);
    advancePending_ = false;
}

void TPrefDlg1::commitSpeed()
{
    advanceDelay_ = 1000;
    if (TrackBar1->value() == settings_.SpeedSlider) {
        setStatus(tr("Value left unchanged"));
        return;
    }
    settings_.SpeedSlider = TrackBar1->value();
    emit speedChanged(TrackBar1->maximum() + 1 - TrackBar1->value());
    store_.saveSpeed(settings_);
    advanceDelay_ = 2000;
    setStatus(tr("New value recorded in Registry"));
    emit prefsChanged();
}

void TPrefDlg1::TabSheet4Exit()
{
    advancePending_ = true;
}

// ---- Focus ---------------------------------------------------------------------

// The Enter and Exit handlers follow the focus as it moves between this
// dialog's own controls. A window that becomes active or inactive (another
// window, a message box, hiding) moves no focus in these terms.
void TPrefDlg1::focusMoved(QWidget* old, QWidget* now)
{
    if (!old || !now || old->window() != this || now->window() != this)
        return;
    if (old == Edit1)
        Edit1Exit();
    if (TabSheet3->isAncestorOf(old) && !TabSheet3->isAncestorOf(now))
        TabSheet3Exit();
    if (TabSheet4->isAncestorOf(old) && !TabSheet4->isAncestorOf(now))
        TabSheet4Exit();
    if (now == Edit1)
        Edit1Enter();
    if (TabSheet3->isAncestorOf(now) && !TabSheet3->isAncestorOf(old))
        TabSheet3Enter();
    if (TabSheet4->isAncestorOf(now) && !TabSheet4->isAncestorOf(old))
        TabSheet4Enter();
}

void TPrefDlg1::setStatus(const QString& text)
{
    StatusBar1->showMessage(text);
    followForReaders();
}

} // namespace tavolin
