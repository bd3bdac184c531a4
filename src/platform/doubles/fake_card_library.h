#pragma once

#include "platform/card_library.h"

#include <QColor>

#include <set>

namespace tavolin {

// A card library that holds plain coloured 72 x 96 bitmaps (times the scale),
// one colour per number, so a test can tell which bitmap was drawn where.
// Its large faces are 142 x 192 in the same colours.
class FakeCardLibrary final : public CardLibrary {
public:
    static constexpr QSize BitmapSize{72, 96};
    static constexpr QSize LargeBitmapSize{142, 192};
    static QColor colourOf(int number);

    void setLoadable(bool loadable) { loadable_ = loadable; }
    // Numbers 1 to 56 exist until taken away.
    void removeBitmap(int number) { numbers_.erase(number); }

    bool load(const QString& name) override;
    bool isLoaded() const override { return loaded_; }
    void unload() override { loaded_ = false; }
    std::optional<QImage> bitmap(int number, int scale = 1, PictureSize size = PictureSize::Small) const override;

    int loadAttempts() const { return loadAttempts_; }
    QString loadedName() const { return loadedName_; }
    int bitmapRequests() const { return bitmapRequests_; }

private:
    std::set<int> numbers_ = allNumbers();
    static std::set<int> allNumbers();

    bool loadable_ = true;
    bool loaded_ = false;
    int loadAttempts_ = 0;
    QString loadedName_;
    mutable int bitmapRequests_ = 0;
};

} // namespace tavolin
