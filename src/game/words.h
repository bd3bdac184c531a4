#pragma once

#include <string>

// The model's texts in the player's language. The model is plain C++ and
// cannot ask Qt itself, yet its texts are built from printf formats and card
// names that must be translated before they are filled in, so the program
// hands it Qt's lookup at start; without one, as in the model's own tests and
// the command line, every text stays the English source.
//
// Qt's lupdate reads GAME_TEXT and GAME_TEXT_NOOP as QT_TRANSLATE_NOOP: the
// first argument is the translation context, the second the English text.
#define GAME_TEXT(context, source) ::tavolin::translatedText(context, source)
#define GAME_TEXT_NOOP(context, source) source

namespace tavolin {

using TextTranslator = std::string (*)(const char* context, const char* source);

// Set once, before the first game and before any search thread starts.
void useTextTranslator(TextTranslator translator);

std::string translatedText(const char* context, const char* source);

} // namespace tavolin
