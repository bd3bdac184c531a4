#include "dialogs/about_box.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    TAboutBox box;

    void SetUp() override
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        box.show();
    }

    QString clipboardText() const { return QGuiApplication::clipboard()->text(); }
    QColor linkColour() const { return box.RichEdit1->palette().color(QPalette::WindowText); }
};

TEST_F(AboutBoxTest, ShowsTheProgramAndItsMaker)
{
    EXPECT_EQ(box.windowTitle(), QStringLiteral(" About this game... "));
    EXPECT_EQ(box.size(), QSize(420, 366));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("Tavolin - Velvet Edition"));
    EXPECT_TRUE(box.ProductName->font().bold());
    EXPECT_EQ(box.Version->text(), QStringLiteral("Version 2.2 XP,   Release Number 1 "));
    EXPECT_EQ(box.Label1->text(), QStringLiteral("Created for enjoyment and study by  "));
    EXPECT_FALSE(box.Label3->text().isEmpty());
    EXPECT_EQ(box.Button1->text(), QStringLiteral("Copy URL to Clipboard"));
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::WebAddress);
    EXPECT_TRUE(box.RichEdit1->font().underline());
    EXPECT_EQ(linkColour(), QColor(Qt::blue));
    EXPECT_TRUE(box.Memo1->isReadOnly());
    EXPECT_TRUE(box.Memo1->toPlainText().contains(QLatin1Char('@')));
}

TEST_F(AboutBoxTest, OkSitsOnTheFormAndEverythingElseOnThePanel)
{
    EXPECT_EQ(box.Panel1->geometry(), QRect(9, -1, 403, 361));
    EXPECT_EQ(box.BitBtn1->parentWidget(), &box);
    EXPECT_EQ(box.BitBtn1->geometry(), QRect(247, 323, 80, 26));
    for (QWidget* control : std::initializer_list<QWidget*>{box.ProgramIcon, box.ProductName, box.RichEdit1,
                                                             box.Button1, box.Memo1, box.Image1})
        EXPECT_EQ(control->parentWidget(), box.Panel1) << control->objectName().toStdString();
    EXPECT_EQ(box.ProgramIcon->geometry(), QRect(33, 16, 105, 119));
    EXPECT_EQ(box.ProgramIcon->pixmap().size(), QSize(129, 146));
    EXPECT_TRUE(box.ProgramIcon->hasScaledContents());
    EXPECT_EQ(box.focusWidget(), box.BitBtn1);
}

TEST_F(AboutBoxTest, CopyPutsExactlyTheAddressOnTheClipboard)
{
    QTest::mouseClick(box.Button1, Qt::LeftButton);
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);
    EXPECT_EQ(box.RichEdit1->text(), QStringLiteral("URL copied to Clipboard"));
    EXPECT_EQ(linkColour(), QColor(Qt::red));
    EXPECT_FALSE(box.RichEdit1->font().underline());
    EXPECT_TRUE(box.Timer1->isActive());
    EXPECT_EQ(box.Timer1->interval(), 2000);

    box.Timer1Timer();
    EXPECT_FALSE(box.Timer1->isActive());
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::WebAddress);
    EXPECT_EQ(linkColour(), QColor(Qt::blue));
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);
}

TEST_F(AboutBoxTest, PressOnTheLinkCopiesAsOftenAsAsked)
{
    QTest::mousePress(box.RichEdit1, Qt::RightButton);
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(box.Button1, Qt::LeftButton);
    EXPECT_EQ(clipboardText(), TAboutBox::WebAddress);
    // One timeout brings the address back, however often it was copied.
    box.Timer1Timer();
    EXPECT_EQ(box.RichEdit1->text(), TAboutBox::WebAddress);
    EXPECT_FALSE(box.Timer1->isActive());
}

TEST_F(AboutBoxTest, OkCloses)
{
    QTest::mouseClick(box.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AboutBoxPlacement, ModalAtTheSameScreenPlaceWhereverTheMainWindowIs)
{
    QMainWindow window;
    window.setGeometry(300, 200, 600, 500);
    window.show();
    TAboutBox box(&window);

    QPoint shownAt;
    QTimer::singleShot(0, &box, [&] {
        shownAt = box.pos();
        QTest::mouseClick(box.BitBtn1, Qt::LeftButton);
    });
    EXPECT_EQ(box.showModal(), QDialog::Accepted);
    EXPECT_EQ(shownAt, QPoint(150, 56));
}

} // namespace
} // namespace tavolin
