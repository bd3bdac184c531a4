#include "words.h"

#include <atomic>

namespace tavolin {

namespace {

// Like Qt's installed translators, one for the whole program; the hint's
// search reads it on its own thread.
std::atomic<TextTranslator> currentTranslator{nullptr};

} // namespace

void useTextTranslator(TextTranslator translator)
{
    currentTranslator = translator;
}

std::string translatedText(const char* context, const char* source)
{
    const TextTranslator translator = currentTranslator;
    return translator ? translator(context, source) : std::string(source);
}

} // namespace tavolin
