#include "platform/qt_message_boxes.h"

#include <QApplication>
#include <QGridLayout>
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

int widthForTitle(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 128;
}

MessageAnswer QtMessageBoxes::show(QWidget* owner, const QString& caption, const QString& text,
                                   MessageIcon icon, MessageButtons buttons)
{
    // Without an owner Qt centres the box on the screen.
    QMessageBox box(qtIcon(icon), caption, text, qtButtons(buttons), owner);
    if (buttons == MessageButtons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    // A box sizes itself to its text; a row of its own holds it open to its title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        grid->addItem(new QSpacerItem(widthForTitle(caption) - margins.left() - margins.right(), 0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

} // namespace tavolin
