#pragma once

#include "game/move_detection.h"
#include "game/transfer_details.h"

#include <QImage>

namespace tavolin {

// The panel below the Columns, kept as an image: the move-detection counts or
// the account of a transfer search are written into it and the table shows it.
class InfoPanel {
public:
    void resize(QSize size);
    void clear();
    void draw(const TransferDetails& details);
    void draw(const MovePanel& panel);

    const QImage& image() const { return image_; }

private:
    void drawText(const PanelText& text);

    QImage image_;
};

} // namespace tavolin
