#include "platform/qt_message_boxes.h"

#include <QMessageBox>

namespace tavolin {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    return buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
}

} // namespace

MessageAnswer QtMessageBoxes::show(QWidget* owner, const QString& caption, const QString& text,
                                   MessageIcon icon, MessageButtons buttons)
{
    // Without an owner Qt centres the box on the screen.
    QMessageBox box(qtIcon(icon), caption, text, qtButtons(buttons), owner);
    if (buttons == MessageButtons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

} // namespace tavolin
