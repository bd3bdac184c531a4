#pragma once

#include <QImage>
#include <QLabel>
#include <QRawFont>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace tavolin {

// A status bar panel: a QLabel, drawn as QLabel draws it. A new text that
// differs from the one shown only in its digits (the playing time every
// second, the cards left) repaints no more than the digits that changed,
// with the glyphs the panel laid out once the way QLabel lays out a line,
// so that a second's tick shapes no text and paints next to nothing. Any
// other text goes QLabel's own way. What a screen reader reads is QLabel's.
class StatusPanel : public QLabel {
public:
    // A panel that fills its own background is repainted alone: the status
    // bar and the window under it are not painted again for a tick. Its
    // texts are plain: a folder named like markup shows as it is named.
    explicit StatusPanel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setAutoFillBackground(true);
        setTextFormat(Qt::PlainText);
    }

    void showText(const QString& text);
    // Draws ahead what showing these texts one after another, from the one
    // shown now, will draw on the window (a clock's next minute), so that
    // showing them later runs none of the painting code.
    void drawAhead(const QStringList& texts);
    // A panel of a fixed size tells that size without laying out its text:
    // the status bar asks before the window is first shown.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Whether the last paint drew the kept glyphs rather than QLabel's text.
    bool paintedFromGlyphs() const { return paintedFromGlyphs_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Glyphs by their places in the line and their glyph indexes.
    using PlacedGlyphs = std::vector<std::pair<std::size_t, quint32>>;
    // A strip of the panel as drawn on the window, by what glyphs stood in it.
    struct DrawnStrip {
        QRect area;
        std::size_t key = 0;   // made from the glyphs
        PlacedGlyphs glyphs;
        QImage image;
        quint64 lastUse = 0;
    };
    // A text's line as QLabel draws it, with the places of its digits.
    struct Line {
        QString text;
        QRect area;
        QFont font;
        Qt::Alignment alignment;
        QRawFont rawFont;
        std::vector<quint32> glyphIndexes;
        std::vector<QPointF> positions;                  // in the panel
        std::vector<QRectF> ink;                         // where each glyph may leave ink
        std::vector<std::pair<qsizetype, int>> digits;   // each digit's character and glyph
        std::array<quint32, 10> digitIndexes{};          // the glyph of 0 to 9
        std::array<QRectF, 10> digitInk{};               // and its ink at the origin
        std::vector<DrawnStrip> drawn;
        quint64 uses = 0;
        PlacedGlyphs inStrip;   // kept for its room
    };
    std::optional<Line> layOut(const QString& text) const;
    bool canLayOut(const QString& text) const;
    bool panelIsPlain() const;
    bool stillFits(const Line& line) const;
    QRect changeDigits(Line& line, const QString& text) const;
    QImage* windowImage() const;
    bool drawOnWindow(const QRect& strip);
    const QImage& drawnStrip(const QRect& strip, QImage::Format format, const QBrush& background);
    void glyphsIn(const QRect& area, PlacedGlyphs& into) const;
    void drawGlyphs(QPainter& p, const PlacedGlyphs& placed) const;

    std::optional<Line> line_;
    bool paintedFromGlyphs_ = false;
};

} // namespace tavolin
