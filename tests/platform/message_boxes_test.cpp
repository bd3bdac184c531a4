#include "platform/qt_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// Each box runs its own event loop; the test looks at it once it is up and
// presses a button. A box is as wide as its title, here longer than its text.
TEST(QtMessageBoxes, ShowTheirCaptionTextIconAndButtonsAndAnswerThePressedOne)
{
    using Box = QMessageBox;
    struct Case {
        MessageIcon icon;
        Box::Icon shownIcon;
        MessageButtons buttons;
        Box::StandardButton press;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageIcon::Question, Box::Question, MessageButtons::YesNo, Box::Yes, MessageAnswer::Yes},
        {MessageIcon::Question, Box::Question, MessageButtons::YesNo, Box::No, MessageAnswer::No},
        {MessageIcon::None, Box::NoIcon, MessageButtons::YesNo, Box::Yes, MessageAnswer::Yes},
        {MessageIcon::Error, Box::Critical, MessageButtons::Ok, Box::Ok, MessageAnswer::Ok},
        {MessageIcon::Warning, Box::Warning, MessageButtons::Ok, Box::Ok, MessageAnswer::Ok},
        {MessageIcon::Information, Box::Information, MessageButtons::Ok, Box::Ok, MessageAnswer::Ok},
    };
    QtMessageBoxes boxes;
    QWidget owner;
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), " Transfert vers une Colonne vide");
            EXPECT_GE(box->width(), widthForTitle(box->windowTitle()));
            EXPECT_EQ(box->text(), "Quit game and exit ?");
            EXPECT_EQ(box->icon(), c.shownIcon);
            EXPECT_EQ(box->standardButtons(), c.buttons == MessageButtons::YesNo ? Box::Yes | Box::No : Box::Ok);
            EXPECT_EQ(box->parentWidget(), &owner);
            box->button(c.press)->click();
        });
        EXPECT_EQ(boxes.show(&owner, " Transfert vers une Colonne vide", "Quit game and exit ?", c.icon, c.buttons),
                  c.answer);
    }
}

} // namespace
} // namespace tavolin
