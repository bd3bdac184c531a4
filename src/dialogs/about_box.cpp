#include "about_box.h"

#include "dialog_artwork.h"
#include "dialog_style.h"

#include <QClipboard>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace tavolin {
namespace {

const QColor LinkBlue(0, 0, 255);
const QColor NoteRed(255, 0, 0);
const QColor Lime(0, 255, 0);

const char* const InformationText = QT_TRANSLATE_NOOP("tavolin::TAboutBox",
    "Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight "
    "Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and "
    "the four Rooms.\n\n"
    "Questions, ideas and reports of faults are welcome at tavolin@example.org.\n\n"
    "Further help and hints on play are on the Tavolin web page given above.");

} // namespace

const QString TAboutBox::WebAddress = QStringLiteral("https://tavolin.example.org/");
const char* const TAboutBox::CopiedNote = QT_TR_NOOP("URL copied to Clipboard");

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, FixedDialogFlags)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr(" About this game... "));
    setFixedSize(420, 366);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    move(150, 56);

    createPanel();
    createPictures();
    createTexts();
    createLink();
    createMemo();
    BitBtn1 = makeOkButton(this, QRect(247, 323, 80, 26));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
}

void TAboutBox::createPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(9, -1, 403, 361);
    // A lowered outer bevel around a raised inner one.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(palette);
}

void TAboutBox::createPictures()
{
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(33, 16, 105, 119);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(programPicture());

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(89, 324, 133, 25);
    Image1->setPixmap(logoPicture());
}

QLabel* TAboutBox::addLabel(const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, Panel1);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

void TAboutBox::createTexts()
{
    ProductName = addLabel("ProductName", QStringLiteral("Tavolin - Velvet Edition"), QPoint(157, 11));
    ProductName->setFont(designFont(QStringLiteral("MS Sans Serif"), 16, true));
    Version = addLabel("Version", tr("Version 2.2 XP,   Release Number 1 "), QPoint(170, 35));
    Label1 = addLabel("Label1", tr("Created for enjoyment and study by  "), QPoint(171, 52));
    Label3 = addLabel("Label3", QStringLiteral("The Tavolin Workshop, Trieste"), QPoint(164, 71));
    Label3->setFont(designFont(QStringLiteral("MS Sans Serif"), 12, true));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setAutoFillBackground(true);
    QPalette palette = Label3->palette();
    palette.setColor(QPalette::Window, Lime);
    Label3->setPalette(palette);
    for (QLabel* label : {ProductName, Version, Label1, Label3})
        label->adjustSize();
}

void TAboutBox::createLink()
{
    RichEdit1 = new QLabel(Panel1);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(174, 96, 166, 15);
    RichEdit1->setAlignment(Qt::AlignCenter);
    RichEdit1->setAutoFillBackground(true);
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    RichEdit1->setPalette(palette);
    RichEdit1->installEventFilter(this);
    showLinkText(WebAddress, LinkBlue, true);

    Button1 = new QPushButton(tr("Copy URL to Clipboard"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(172, 114, 168, 20);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TAboutBox::Button1Click);
}

void TAboutBox::createMemo()
{
    Memo1 = new QPlainTextEdit(tr(InformationText), Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(11, 150, 378, 163);
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    Memo1->setFont(font);
    // Qt has no scroll-bar colour; Midlight is the nearest light grey of the palette.
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Midlight));
    Memo1->setPalette(palette);
}

void TAboutBox::showLinkText(const QString& text, const QColor& colour, bool underline)
{
    QFont font = designFont(QStringLiteral("Times New Roman"), 11);
    font.setUnderline(underline);
    RichEdit1->setFont(font);
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::WindowText, colour);
    RichEdit1->setPalette(palette);
    RichEdit1->setText(text);
}

int TAboutBox::showModal()
{
    // Activation places the box at the screen's (150, 56), wherever the
    // main window is.
    move(150, 56);
    return exec();
}

void TAboutBox::Button1Click()
{
    urlCopied_ = true;
    QGuiApplication::clipboard()->setText(WebAddress);
    showLinkText(tr(CopiedNote), NoteRed, false);
    // A second copy within the two seconds does not put the address back later.
    if (!Timer1->isActive())
        Timer1->start();
}

void TAboutBox::Timer1Timer()
{
    Timer1->stop();
    if (!urlCopied_)
        return;
    urlCopied_ = false;
    showLinkText(WebAddress, LinkBlue, true);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichEdit1 && event->type() == QEvent::MouseButtonPress) {
        Button1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BitBtn1->setFocus();
}

} // namespace tavolin
