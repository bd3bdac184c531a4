#pragma once

namespace tavolin {

// Gives every menu command with a shortcut a reading that names the
// shortcut, from now on. Calling it again changes nothing.
void installMenuAccessibility();

} // namespace tavolin
