#include "dialogs/about_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

QString clipboardText()
{
    return QApplication::clipboard()->text();
}

// The address is copied by the button and by any press on the link, as
// often as asked; the link shows a red note until one timeout brings it back.
TEST(AboutBox, CopiesTheAddressFromTheButtonOrTheLinkAndShowsItAgainAfterTheNote)
{
    TAboutBox box;
    box.show();
    const QColor linkColour = box.RichEdit1->palette().color(QPalette::WindowText);
    QApplication::clipboard()->setText(QStringLiteral("something else"));
    QTest::mousePress(box.RichEdit1, Qt::RightButton);
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);

    QApplication::clipboard()->clear();
    QTest::mouseClick(box.Button1, Qt::LeftButton);
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::CopiedNote);
    EXPECT_NE(box.RichEdit1->palette().color(QPalette::WindowText), linkColour);
    EXPECT_TRUE(box.Timer1->isActive());

    box.Timer1Timer();
    EXPECT_FALSE(box.Timer1->isActive());
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::WebAddress);
    EXPECT_EQ(box.RichEdit1->palette().color(QPalette::WindowText), linkColour);
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);
}

TEST(AboutBox, OpensModallyAtOneScreenPlaceWhereverTheMainWindowIsAndClosesWithOk)
{
    QMainWindow window;
    window.show();
    TAboutBox box(&window);
    std::vector<QPoint> shownAt;
    for (const QPoint windowAt : {QPoint(300, 200), QPoint(20, 10)}) {
        window.move(windowAt);
        QTimer::singleShot(0, &box, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), &box);
            shownAt.push_back(box.pos());
            QTest::mouseClick(box.BitBtn1, Qt::LeftButton);
        });
        EXPECT_EQ(box.showModal(), QDialog::Accepted);
        EXPECT_FALSE(box.isVisible());
    }
    ASSERT_EQ(shownAt.size(), 2u);
    EXPECT_EQ(shownAt[0], shownAt[1]);
}

} // namespace
} // namespace tavolin
