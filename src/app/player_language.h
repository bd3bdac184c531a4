#pragma once

#include <QLocale>
#include <QTranslator>

namespace tavolin {

// The game's texts and Qt's own (standard buttons) in the locale's language,
// installed for as long as this lives; made before any window, so that every
// text is looked up in it. A locale with no translation, or with none for some
// text, shows the English source.
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
    QTranslator game_;
    QTranslator qt_;
};

} // namespace tavolin
