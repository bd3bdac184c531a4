// A status panel looks, pixel for pixel, as a plain QLabel with its text,
// while a text that changes only in its digits redraws no more than them,
// straight on the window when nothing covers the panel.
#include "view/status_panel.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

class StatusPanelTest : public ::testing::Test {
protected:
    StatusPanelTest()
    {
        bar.setSizeGripEnabled(false);
        for (QLabel* label : {static_cast<QLabel*>(panel), plain}) {
            label->setFixedSize(260, label->fontMetrics().height());
            label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            bar.addWidget(label);
        }
        plain->setTextFormat(Qt::PlainText);
        panel->installEventFilter(&painted);
        bar.show();
        QApplication::processEvents();
    }

    void show(const QString& text)
    {
        painted.area = QRect();
        panel->showText(text);
        plain->setText(text);
        QApplication::processEvents();
    }
    QImage onScreen(const QLabel* label) const
    {
        return bar.screen()->grabWindow(bar.winId(), label->x(), label->y(), label->width(), label->height()).toImage();
    }
    void expectPlainLook(const QString& text)
    {
        SCOPED_TRACE(text.toStdString());
        show(text);
        EXPECT_EQ(onScreen(panel), onScreen(plain));
    }

    struct PaintedArea : QObject {
        QRect area;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                area |= static_cast<QPaintEvent*>(event)->rect();
            return false;
        }
    } painted;
    QStatusBar bar;
    StatusPanel* panel = new StatusPanel(&bar);
    QLabel* plain = new QLabel(&bar);
};

QString playingTime(int seconds)
{
    return QStringLiteral("Playing Time: mins %1 : %2 secs")
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Every second of two minutes and across the hour: each tick drawn from
// the kept glyphs straight on the window, with no repaint at all, the
// first minute drawn ahead.
TEST_F(StatusPanelTest, TheClockTicksAsAPlainLabelShowsIt)
{
    for (const auto& [from, to] : {std::pair{0, 125}, std::pair{3595, 3605}}) {
        QStringList ahead;
        for (int second = from + 2; second < from + 62; ++second)
            ahead.push_back(playingTime(second));
        for (int second = from; second <= to; ++second) {
            if (second == from + 1)
                panel->drawAhead(ahead);
            expectPlainLook(playingTime(second));
            if (second < from + 2)
                continue;
            EXPECT_TRUE(panel->paintedFromGlyphs()) << second;
            EXPECT_TRUE(painted.area.isEmpty()) << second;
        }
    }
}

// A panel covered in part is drawn the ordinary way: what covers it stays
// on top, and what shows of the panel is the plain label's.
TEST_F(StatusPanelTest, WhatCoversAPanelStaysOnTopOfItsClock)
{
    const QRect right(panel->width() / 2, 0, panel->width() - panel->width() / 2, panel->height());
    QWidget cover(&bar);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(Qt::red));
    cover.setGeometry(right.translated(panel->pos()));
    cover.show();
    QImage allRed(right.size(), QImage::Format_RGB32);
    allRed.fill(Qt::red);
    for (int second = 0; second < 25; ++second) {
        SCOPED_TRACE(second);
        show(playingTime(second));
        const QImage shown = onScreen(panel);
        EXPECT_EQ(shown.copy(right).convertToFormat(QImage::Format_RGB32), allRed);
        const QRect left(0, 0, right.left(), panel->height());
        EXPECT_EQ(shown.copy(left), onScreen(plain).copy(left));
    }
}

// Other texts, a longer number, a bold font, a folder named like markup:
// each as a plain-text QLabel shows it, and
// the digits drawn from glyphs again once a text repeats but for them.
TEST_F(StatusPanelTest, AnyOtherTextAsAPlainLabelShowsIt)
{
    for (const char* text : {" Number of Cards left:  9", " Number of Cards left:  10", " Number of Cards left:  11",
                             "Room -> Pile: Ace of Hearts", "R&D 42", "R&D 43", " Dir: /home/<b>x</b>",
                             "<img src=\"/tmp\"> 12"})
        expectPlainLook(QString::fromLatin1(text));
    for (int second = 7; second < 10; ++second)
        expectPlainLook(playingTime(second));
    QFont bold = panel->font();
    bold.setBold(true);
    panel->setFont(bold);
    plain->setFont(bold);
    for (int second = 9; second < 12; ++second)
        expectPlainLook(playingTime(second));
    EXPECT_TRUE(panel->paintedFromGlyphs());
}

} // namespace
} // namespace tavolin
