#include "view/status_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>

namespace tavolin {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The same text but for digits that are digits in both.
bool sameButDigits(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && !(isDigit(a[i]) && isDigit(b[i])))
            return false;
    }
    return true;
}

// A text laid out on one line as QPainter::drawText lays it out in a
// rectangle; nothing when it takes more than one line or one run of glyphs.
struct LaidOut {
    QGlyphRun run;
    qreal advance = 0;
    qreal naturalWidth = 0;
    qreal height = 0;
};

std::optional<LaidOut> layOutLine(const QString& text, const QFont& font, const QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    const bool oneLine = !layout.createLine().isValid();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (!oneLine || runs.size() != 1)
        return std::nullopt;
    return LaidOut{runs.front(), line.horizontalAdvance(), line.naturalTextWidth(), line.ascent() + line.descent()};
}

bool samePlaces(const LaidOut& a, const LaidOut& b)
{
    return a.run.positions() == b.run.positions() && a.advance == b.advance && a.naturalWidth == b.naturalWidth
        && a.height == b.height;
}

// Where a glyph may leave ink: its bounds, widened for anti-aliasing.
QRectF inkOf(const QRawFont& font, quint32 glyph, QPointF at)
{
    return font.boundingRect(glyph).translated(at).adjusted(-2, -2, 2, 2);
}

// Every pair of digits, "000102...9899": laid out, each digit must keep
// its glyph and its advance whatever digit stands beside it.
bool digitsKeepTheirPlaces(const QFont& font, const QPaintDevice* device, const std::array<quint32, 10>& digits)
{
    QString pairs;
    for (int i = 0; i < 100; ++i)
        pairs += QString::number(i).rightJustified(2, u'0');
    const std::optional<LaidOut> laid = layOutLine(pairs, font, device);
    if (!laid || laid->run.glyphIndexes().size() != pairs.size())
        return false;
    const QList<quint32> glyphs = laid->run.glyphIndexes();
    const QList<QPointF> places = laid->run.positions();
    const qreal step = places[1].x() - places[0].x();
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (glyphs[i] != digits[pairs[i].digitValue()] || places[i].x() - places[0].x() != i * step)
            return false;
    }
    return true;
}

} // namespace

QSize StatusPanel::sizeHint() const
{
    return minimumSize() == maximumSize() ? minimumSize() : QLabel::sizeHint();
}

QSize StatusPanel::minimumSizeHint() const
{
    return minimumSize() == maximumSize() ? minimumSize() : QLabel::minimumSizeHint();
}

void StatusPanel::showText(const QString& text)
{
    if (text == this->text())
        return;
    if (!line_ && sameButDigits(this->text(), text))
        line_ = layOut(this->text());
    if (!line_ || !stillFits(*line_) || !sameButDigits(line_->text, text) || testAttribute(Qt::WA_UpdatesDisabled)) {
        line_.reset();
        QLabel::setText(text);
        return;
    }
    const QRect changed = changeDigits(*line_, text);
    // QLabel would repaint itself whole: only the digits changed.
    setAttribute(Qt::WA_UpdatesDisabled);
    QLabel::setText(text);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    if (!drawOnWindow(changed))
        update(changed);
}

void StatusPanel::drawAhead(const QStringList& texts)
{
    const QImage* image = windowImage();
    if (texts.isEmpty() || !image || !sameButDigits(text(), texts.front()))
        return;
    if (!line_)
        line_ = layOut(text());
    if (!line_ || !stillFits(*line_))
        return;
    const QImage::Format format = image->format();
    const QBrush background = palette().brush(backgroundRole());
    // The line goes through the texts and comes back to the one shown.
    const std::vector<quint32> glyphs = line_->glyphIndexes;
    const std::vector<QRectF> ink = line_->ink;
    const QString shown = line_->text;
    for (const QString& next : texts) {
        if (!sameButDigits(line_->text, next))
            break;
        const QRect strip = changeDigits(*line_, next);
        if (!strip.isEmpty())
            drawnStrip(strip, format, background);
    }
    line_->glyphIndexes = glyphs;
    line_->ink = ink;
    line_->text = shown;
}

// What QLabel does with a plain one-line text, and no more: no frame,
// margin or indent, enabled, no style sheet, left to right, unscaled.
bool StatusPanel::canLayOut(const QString& text) const
{
    const bool plain = textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text));
    const bool special = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == u'&' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x9c);
    });
    return plain && !special && !text.isRightToLeft() && panelIsPlain() && !style()->inherits("QStyleSheetStyle");
}

// What may change under a line laid out: a new text is checked once, when
// it is laid out, and a new style is told by an event.
bool StatusPanel::panelIsPlain() const
{
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    return !wordWrap() && frameWidth() == 0 && margin() == 0 && indent() <= 0 && isEnabled() && !buddy()
        && layoutDirection() == Qt::LeftToRight && devicePixelRatioF() == 1.0
        && (horizontal == Qt::AlignLeft || horizontal == Qt::AlignHCenter);
}

bool StatusPanel::stillFits(const Line& line) const
{
    return line.area == contentsRect() && line.font == font() && line.alignment == alignment() && panelIsPlain();
}

// The line and its digits' glyphs, checked against the same text with each
// digit in every place: a font that kerns or substitutes digits, or lays the
// text out in more than one run, is left to QLabel.
std::optional<StatusPanel::Line> StatusPanel::layOut(const QString& text) const
{
    std::vector<qsizetype> digitChars;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digitChars.push_back(i);
    }
    if (digitChars.empty() || !canLayOut(text))
        return std::nullopt;
    const std::optional<LaidOut> shown = layOutLine(text, font(), this);
    if (!shown)
        return std::nullopt;
    std::array<LaidOut, 10> variants;
    for (int d = 0; d < 10; ++d) {
        QString variant = text;
        for (const qsizetype i : digitChars)
            variant[i] = QChar(u'0' + d);
        const std::optional<LaidOut> laid = layOutLine(variant, font(), this);
        if (!laid || !samePlaces(*laid, *shown))
            return std::nullopt;
        variants[d] = *laid;
    }
    const QList<quint32> zeros = variants[0].run.glyphIndexes();
    const QList<quint32> ones = variants[1].run.glyphIndexes();
    std::vector<int> digitSlots;
    for (qsizetype g = 0; g < zeros.size(); ++g) {
        if (zeros[g] != ones[g])
            digitSlots.push_back(int(g));
    }
    if (digitSlots.size() != digitChars.size())
        return std::nullopt;
    Line line;
    for (int d = 0; d < 10; ++d) {
        const QList<quint32> glyphs = variants[d].run.glyphIndexes();
        line.digitIndexes[d] = glyphs[digitSlots.front()];
        for (qsizetype g = 0; g < glyphs.size(); ++g) {
            const bool isSlot = std::find(digitSlots.begin(), digitSlots.end(), g) != digitSlots.end();
            if (isSlot ? glyphs[g] != line.digitIndexes[d] : glyphs[g] != zeros[g])
                return std::nullopt;
        }
    }
    const QList<quint32> glyphs = shown->run.glyphIndexes();
    for (std::size_t k = 0; k < digitSlots.size(); ++k) {
        if (glyphs[digitSlots[k]] != line.digitIndexes[text[digitChars[k]].digitValue()])
            return std::nullopt;
        line.digits.emplace_back(digitChars[k], digitSlots[k]);
    }
    if (!digitsKeepTheirPlaces(font(), this, line.digitIndexes))
        return std::nullopt;

    // Placed in the panel as QPainter::drawText places a line in a rectangle;
    // a line that the rectangle does not hold whole would be clipped.
    const QRectF area = contentsRect();
    const bool centred = alignment() & Qt::AlignHCenter;
    qreal top = 0;
    if (alignment() & Qt::AlignVCenter)
        top = (area.height() - shown->height) / 2;
    else if (alignment() & Qt::AlignBottom)
        top = area.height() - shown->height;
    const qreal boundsLeft = centred ? (area.width() - shown->naturalWidth) / 2 : 0;
    if (!area.contains(QRectF(area.x() + boundsLeft, area.y() + top, shown->naturalWidth, shown->height)))
        return std::nullopt;
    const QPointF origin(area.x() + (centred ? (area.width() - shown->advance) / 2 : 0), area.y() + top);
    QList<QPointF> positions = shown->run.positions();
    for (QPointF& position : positions)
        position += origin;
    line.text = text;
    line.area = contentsRect();
    line.font = font();
    line.alignment = alignment();
    line.rawFont = shown->run.rawFont();
    line.glyphIndexes.assign(glyphs.begin(), glyphs.end());
    line.positions.assign(positions.begin(), positions.end());
    for (qsizetype g = 0; g < glyphs.size(); ++g)
        line.ink.push_back(inkOf(line.rawFont, glyphs[g], positions[g]));
    for (int d = 0; d < 10; ++d)
        line.digitInk[d] = inkOf(line.rawFont, line.digitIndexes[d], QPointF(0, 0));
    return line;
}

// The new digits' glyphs in place; returns the strip they and the old ones cover.
QRect StatusPanel::changeDigits(Line& line, const QString& text) const
{
    QRectF changed;
    for (const auto& [character, slot] : line.digits) {
        const int digit = text[character].unicode() - u'0';
        const quint32 glyph = line.digitIndexes[digit];
        if (line.glyphIndexes[slot] == glyph)
            continue;
        changed |= line.ink[slot];
        line.glyphIndexes[slot] = glyph;
        line.ink[slot] = line.digitInk[digit].translated(line.positions[slot]);
        changed |= line.ink[slot];
    }
    line.text = text;
    const QRect strip = changed.toAlignedRect();
    return QRect(strip.left(), 0, strip.width(), height());
}

void StatusPanel::paintEvent(QPaintEvent* event)
{
    paintedFromGlyphs_ = line_ && line_->text == text() && stillFits(*line_);
    if (!paintedFromGlyphs_) {
        QLabel::paintEvent(event);
        return;
    }
    PlacedGlyphs placed;
    glyphsIn(event->rect(), placed);
    QPainter p(this);
    drawGlyphs(p, placed);
}

// Every glyph with ink in the area, in the line's order.
void StatusPanel::glyphsIn(const QRect& area, PlacedGlyphs& into) const
{
    into.clear();
    const QRectF inArea(area);
    for (std::size_t g = 0; g < line_->ink.size(); ++g) {
        if (line_->ink[g].intersects(inArea))
            into.emplace_back(g, line_->glyphIndexes[g]);
    }
}

// The glyphs as the whole line would draw them in their places.
void StatusPanel::drawGlyphs(QPainter& p, const PlacedGlyphs& placed) const
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const auto& [place, glyph] : placed) {
        glyphs.push_back(glyph);
        positions.push_back(line_->positions[place]);
    }
    QGlyphRun run;
    run.setRawFont(line_->rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    p.setPen(QPen(palette().brush(foregroundRole()), 1));
    p.drawGlyphRun(QPointF(0, 0), run);
}

void StatusPanel::changeEvent(QEvent* event)
{
    // A new font or size is seen at the next text or paint.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::LayoutDirectionChange)
        line_.reset();
    if (event->type() == QEvent::PaletteChange && line_)
        line_->drawn.clear();
    QLabel::changeEvent(event);
}

} // namespace tavolin
