#pragma once

#include "game/move_detection.h"
#include "game/transfer_details.h"

#include <QImage>

namespace tavolin {

// The panel below the Columns, kept as an image: the move-detection counts or
// the account of a transfer search are written into it and the table shows it.
class InfoPanel {
public:
    // Sized in the window's pixels, sharp at the screen's pixel ratio.
    void resize(QSize size, qreal pixelRatio = 1.0);
    void clear();
    void draw(const TransferDetails& details);
    void draw(const MovePanel& panel);

    const QImage& image() const { return image_; }

private:
    void drawText(const PanelText& text);

    QImage image_;
};

} // namespace tavolin
