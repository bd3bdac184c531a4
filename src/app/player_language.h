#pragma once

#include <QLocale>
#include <QTranslator>

namespace tavolin {

// One language for the whole window, for as long as this lives: the game's
// texts, Qt's own (standard buttons) and the names and formats of dates and
// times. It is the first of the player's languages that the game has a
// translation for, a translation for another country of the same language
// standing in (pt_PT gets pt_BR); English where none is found or English
// comes first. Made before any window, so that every text is looked up in it.
class PlayerLanguage {
public:
    explicit PlayerLanguage(const QLocale& locale = QLocale::system());
    ~PlayerLanguage();
    PlayerLanguage(const PlayerLanguage&) = delete;
    PlayerLanguage& operator=(const PlayerLanguage&) = delete;

    // The translation of the game's texts that was found, as "de" or "pt_BR";
    // empty for English.
    QString gameLanguage() const;

private:
    QLocale previousDefault_;
    QTranslator game_;
    QTranslator qt_;
};

} // namespace tavolin
