#pragma once

namespace tavolin {

// The program's name and version for the application object. No display
// name is set: Qt would add it to every window's title, and the dialogs'
// captions are meant to stand alone. The desktop entry names the program
// for the desktop instead.
void nameApplication();

} // namespace tavolin
