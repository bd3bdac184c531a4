#include "words.h"

namespace tavolin {

namespace {

// Like Qt's installed translators, one for the whole program.
TextTranslator currentTranslator = nullptr;

} // namespace

void useTextTranslator(TextTranslator translator)
{
    currentTranslator = translator;
}

std::string translatedText(const char* context, const char* source)
{
    return currentTranslator ? currentTranslator(context, source) : std::string(source);
}

} // namespace tavolin
