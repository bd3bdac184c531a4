#include "platform/doubles/scripted_message_boxes.h"

#include <utility>

namespace tavolin {

MessageAnswer ScriptedMessageBoxes::show(QWidget* owner, const QString& caption,
                                         const QString& text, MessageIcon icon,
                                         MessageButtons buttons)
{
    shown_.push_back({owner, caption, text, icon, buttons});
    if (buttons != MessageButtons::Ok && whileAsked)
        std::exchange(whileAsked, nullptr)();
    if (script_.empty())
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    const MessageAnswer answer = script_.front();
    script_.pop_front();
    return answer;
}

} // namespace tavolin
