#pragma once

#include "platform/message_boxes.h"

namespace tavolin {

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* owner, const QString& caption, const QString& text,
                       MessageIcon icon, MessageButtons buttons) override;
};

} // namespace tavolin
