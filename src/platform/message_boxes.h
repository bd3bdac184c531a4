#pragma once

#include <QString>

class QWidget;

namespace tavolin {

enum class MessageIcon { None, Information, Warning, Error, Question };
// A question whose Yes cannot be undone defaults to No: Return alone must not answer it.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes: a caption, a text, an icon and OK or Yes/No.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // owner may be null (centred on the screen).
    virtual MessageAnswer show(QWidget* owner, const QString& caption, const QString& text,
                               MessageIcon icon, MessageButtons buttons) = 0;
};

} // namespace tavolin
