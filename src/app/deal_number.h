#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace tavolin {

// A deal's number is the seed its shuffle starts from: any 32-bit value but 0.
inline constexpr std::uint32_t LastDealNumber = 4294967295u;

// The number a player typed, or nothing when the text is not a whole number
// from 1 to LastDealNumber (no sign, no point, no exponent).
std::optional<std::uint32_t> readDealNumber(const QString& text);

// Why `text` was refused, in one line.
QString notADealNumber(const QString& text);

} // namespace tavolin
