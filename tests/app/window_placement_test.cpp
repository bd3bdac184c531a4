// Where the main window comes back at the next start.
#include "app/main_window.h"
#include "app/window_doubles.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

using testing::StoreKey;

class WindowPlacementTest : public ::testing::Test, protected testing::WindowDoubles<> {
protected:

    std::unique_ptr<TForm1> start()
    {
        auto window = std::make_unique<TForm1>(platform);
        window->show();
        QApplication::processEvents();
        return window;
    }

    QRect storedBounds() const
    {
        auto stored = [this](const char* name) { return std::get<std::int32_t>(*registry.value(StoreKey, name)); };
        return {stored("Form Left"), stored("Form Top"), stored("Form Width"), stored("Form Height")};
    }
};

TEST_F(WindowPlacementTest, AWindowLeftOffTheScreenComesBackOnItAndIsStoredSo)
{
    start()->close();
    registry.set(StoreKey, "Form Left", 2500);
    const int commits = registry.commits();

    const auto window = start();

    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(window->frameGeometry())) << "on the screen";
    EXPECT_EQ(window->frameGeometry().size(), QSize(1279, 995));
    EXPECT_EQ(storedBounds(), window->frameGeometry()) << "the value written back is the one used";
    EXPECT_EQ(registry.commits(), commits + 1);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WindowPlacementTest, OuterBoundsStayTheSameOverStartsAndCloses)
{
    const QRect chosen(50, 60, 900, 700);
    {
        const auto window = start();
        window->move(chosen.topLeft());
        window->resize(chosen.size() - (window->frameGeometry().size() - window->size()));
        ASSERT_EQ(window->frameGeometry(), chosen);
        window->close();
    }
    for (int run = 0; run < 3; ++run) {
        const int commits = registry.commits();
        const auto window = start();
        EXPECT_EQ(window->frameGeometry(), chosen) << "start " << run;
        window->close();
        EXPECT_EQ(storedBounds(), chosen) << "close " << run;
        EXPECT_EQ(registry.commits(), commits + 1) << "one write of the placement at closing";
    }
}

} // namespace
} // namespace tavolin
