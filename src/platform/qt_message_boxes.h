#pragma once

#include "platform/message_boxes.h"

namespace tavolin {

// How wide a window must be for a window manager to show its whole title:
// the title in the bold application font beside a window icon and three
// buttons, as Openbox draws them.
int widthForTitle(const QString& title);

// Each box is at least as wide as its title.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* owner, const QString& caption, const QString& text,
                       MessageIcon icon, MessageButtons buttons) override;
};

} // namespace tavolin
