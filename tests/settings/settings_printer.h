#pragma once

#include "settings/stored_values.h"

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tavolin {

// Lets a failed comparison show both sides value by value.
inline void PrintTo(const Settings& settings, std::ostream* out)
{
    forEachDword(settings, [out](const char* name, auto value) { *out << name << ' ' << value << ", "; });
    PrintTo(settings.SWBmpPath, out);
}

} // namespace tavolin
