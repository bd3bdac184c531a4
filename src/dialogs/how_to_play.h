#pragma once

#include <QDialog>
#include <QKeyCombination>

#include <vector>

class QPushButton;
class QTextBrowser;

namespace tavolin {

// One line of the keys: the keys, and what they do in the player's words.
struct KeyLine {
    std::vector<QKeyCombination> keys;
    QString action;
    friend bool operator==(const KeyLine&, const KeyLine&) = default;
};

// The rules of the game, what each panel of the table shows, and the keys,
// in one window that stays open beside the game. Keys typed into it stay
// in it: the table's keys work only in the main window.
class HowToPlay : public QDialog {
    Q_OBJECT

public:
    explicit HowToPlay(QWidget* parent = nullptr);

    // The keys section is the lines given, written anew only when they
    // changed, so that an open window keeps its place in the text.
    void setKeyLines(std::vector<KeyLine> lines);
    // Shows the window, or brings the open one to the front.
    void showInFront();

    QTextBrowser* Text = nullptr;
    QPushButton* CloseBtn = nullptr;

private:
    QString rulesHtml() const;
    QString panelsHtml() const;
    QString keysHtml() const;

    std::vector<KeyLine> keyLines_;
};

} // namespace tavolin
