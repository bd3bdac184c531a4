#include "platform/doubles/scripted_message_boxes.h"
#include "platform/qt_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tavolin {
namespace {

// Runs check on the box once it is up, then presses the given button.
void whenBoxShows(QMessageBox::StandardButton press, std::function<void(QMessageBox&)> check)
{
    QTimer::singleShot(0, [press, check] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(*box);
        box->button(press)->click();
    });
}

TEST(QtMessageBoxes, QuestionShowsCaptionTextAndYesNo)
{
    QtMessageBoxes boxes;
    for (const auto press : {QMessageBox::Yes, QMessageBox::No}) {
        whenBoxShows(press, [](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral(" Closing Event"));
            EXPECT_EQ(box.text(), QStringLiteral("Quit game and exit ?"));
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        });
        const MessageAnswer answer = boxes.show(nullptr, QStringLiteral(" Closing Event"),
                                                QStringLiteral("Quit game and exit ?"),
                                                MessageIcon::Question, MessageButtons::YesNo);
        EXPECT_EQ(answer, press == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No);
    }
}

TEST(QtMessageBoxes, ErrorHasOkAndItsOwner)
{
    QtMessageBoxes boxes;
    QWidget owner;
    whenBoxShows(QMessageBox::Ok, [&owner](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box.parentWidget(), &owner);
    });
    EXPECT_EQ(boxes.show(&owner, QStringLiteral(" DLL Load Error"), QStringLiteral("x"),
                         MessageIcon::Error, MessageButtons::Ok),
              MessageAnswer::Ok);
}

TEST(ScriptedMessageBoxes, AnswersFromTheScriptThenByDefault)
{
    ScriptedMessageBoxes boxes;
    boxes.answerNext(MessageAnswer::Yes);
    QWidget* const owner = nullptr;

    EXPECT_EQ(boxes.show(owner, "a", "first", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(boxes.show(owner, "b", "second", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(boxes.show(owner, "c", "third", MessageIcon::Information, MessageButtons::Ok), MessageAnswer::Ok);

    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("first"));
    EXPECT_EQ(boxes.shown()[2].caption, QStringLiteral("c"));
    EXPECT_EQ(boxes.shown()[2].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.unusedAnswers(), 0u);
}

} // namespace
} // namespace tavolin
