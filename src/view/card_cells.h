#pragma once

#include "game/card.h"
#include "view/cell_picture.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <map>
#include <optional>

namespace tavolin {

class CardLibrary;

// The card pictures as the table draws them, each decoded once from the
// library at the size in use. A face becomes its whole cell: the picture
// clipped to the rounded cell, the black 2-pixel frame and the small stroke
// in the lower right corner. A Pile mark is laid on the table colour, so that
// a plain copy of it hides what the Pile showed before. A small face or a
// Pile mark with at most 256 colours is kept as runs of its colours; drawn()
// expands the rows asked for. A large face stays as drawn, for the speed of
// a full repaint.
class CardCells {
public:
    explicit CardCells(const CardLibrary& cards) : cards_(cards) {}

    // Told once, when a picture the library should hold cannot be read.
    std::function<void(int number)> onMissingBitmap;

    // Forgets every picture when the cell size or the screen's pixel ratio changes.
    void prepare(QSize cell, qreal pixelRatio);
    // Nothing is drawn without a library or once a picture has failed.
    bool canDraw() const;

    // Null when the picture cannot be had. Only drawn() makes it, or a
    // Pile mark, ready for a painter.
    const CellPicture* face(CardCode card);
    // Rows [first, first + count) of a face or mark as premultiplied pixels, as rows
    // [0, count) of the image returned; valid until the next call.
    QImage drawn(const CellPicture& face, int first, int count) { return face.rows(first, count, expanded_); }
    QImage selectedFace(CardCode card);
    const CellPicture* base(int number);
    // The first row from which a face covers whatever lies under it: above
    // it, the rounded corners let the card beneath show.
    int solidFromRow(CardCode card);

private:
    // At the scale given, or with 0 at the screen's.
    std::optional<QImage> load(int number, bool largeFace, int scale = 0);
    QImage framed(const QImage& picture) const;

    const CardLibrary& cards_;
    QSize cell_{72, 96};
    qreal pixelRatio_ = 1.0;
    struct Face {
        CellPicture cell;
        int solidFromRow;
    };
    std::map<int, Face> faces_;
    std::map<int, CellPicture> bases_;
    bool failed_ = false;
    QImage expanded_;
};

} // namespace tavolin
