#pragma once

#include "platform/message_boxes.h"

#include <deque>
#include <functional>
#include <vector>

namespace tavolin {

// Answers message boxes from a script and records every box shown.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QWidget* owner;
        QString caption;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // The next box shown gets this answer. With the script used up, OK boxes
    // answer Ok and questions No.
    void answerNext(MessageAnswer answer) { script_.push_back(answer); }

    MessageAnswer show(QWidget* owner, const QString& caption, const QString& text,
                       MessageIcon icon, MessageButtons buttons) override;

    const std::vector<Shown>& shown() const { return shown_; }
    // Called once, as the next question is open: what happens meanwhile.
    std::function<void()> whileAsked;
    std::size_t unusedAnswers() const { return script_.size(); }

private:
    std::deque<MessageAnswer> script_;
    std::vector<Shown> shown_;
};

} // namespace tavolin
