#include "dialogs/about_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// The address is copied by the button and by any press on the link, as
// often as asked; the link shows a note until one timeout brings it back.
TEST(AboutBox, CopiesTheAddressFromTheButtonOrTheLinkAndShowsItAgainAfterTheNote)
{
    TAboutBox box;
    box.show();
    QClipboard* clipboard = QApplication::clipboard();
    const QPalette link = box.RichEdit1->palette();
    clipboard->setText(QStringLiteral("something else"));
    QTest::mousePress(box.RichEdit1, Qt::RightButton);
    EXPECT_EQ(clipboard->text(), TAboutBox::WebAddress);
    clipboard->clear();
    QTest::mouseClick(box.Button1, Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), TAboutBox::WebAddress);
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::CopiedNote);
    EXPECT_NE(box.RichEdit1->palette(), link);
    EXPECT_TRUE(box.Timer1->isActive());

    box.Timer1Timer();
    EXPECT_FALSE(box.Timer1->isActive());
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::WebAddress);
    EXPECT_EQ(box.RichEdit1->palette(), link);
    EXPECT_EQ(clipboard->text(), TAboutBox::WebAddress);
}

} // namespace
} // namespace tavolin
