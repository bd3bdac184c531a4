#pragma once

#include "game/move_detection.h"
#include "game/transfer_details.h"

#include <QImage>
#include <QRect>
#include <QStringList>

#include <map>
#include <utility>

#include <algorithm>

namespace tavolin {

// The panel below the Columns, kept as an image: the move-detection counts or
// the account of a transfer search are written into it and the table shows it.
// A blank panel keeps no image at all.
class InfoPanel {
public:
    // Sized in the window's pixels, sharp at the screen's pixel ratio.
    void resize(QSize size, qreal pixelRatio = 1.0);
    void clear()
    {
        image_ = QImage();
        contentHeight_ = 0;
        texts_.clear();
    }
    void draw(const TransferDetails& details);
    void draw(const MovePanel& panel);

    QSize size() const { return size_; }
    bool isBlank() const { return image_.isNull(); }
    // Null while the panel is blank.
    const QImage& image() const { return image_; }
    // How far down from its top the panel holds anything.
    int contentHeight() const { return contentHeight_; }
    // The texts the panel shows, from the top, each line from the left.
    QStringList lines() const;
    // Where a text lies once drawn, in the panel's pixels.
    static QRect area(const PanelText& text);

private:
    bool prepareImage(bool blank);
    void drawText(const PanelText& text);
    void holdDownTo(int bottom) { contentHeight_ = std::max(contentHeight_, bottom); }

    QSize size_;
    qreal pixelRatio_ = 1.0;
    QImage image_;
    int contentHeight_ = 0;
    struct Shown {
        QString text;
        QRect area;
    };
    // By position, row first: a text written where another was covers it.
    std::map<std::pair<int, int>, Shown> texts_;
};

} // namespace tavolin
