#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tavolin {

// The program's name, version and maker, a few words on the game, and the
// maker's web address with a button that copies it to the clipboard. Made
// once and shown modally again and again.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    static const QString WebAddress;
    static const char* const CopiedNote;

    explicit TAboutBox(QWidget* parent = nullptr);

    // Places the box at (150, 56) on the screen and shows it modally.
    int showModal();

    // Copies the address; the field shows a confirmation until Timer1 fires.
    void Button1Click();
    // Public so that tests can fire the timer without waiting for it.
    void Timer1Timer();

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* RichEdit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createPanel();
    void createPictures();
    void createTexts();
    void createLink();
    void createMemo();
    QLabel* addLabel(const char* name, const QString& text, QPoint at);
    void showLinkText(const QString& text, const QColor& colour, bool underline);

    bool urlCopied_ = false;
};

} // namespace tavolin
