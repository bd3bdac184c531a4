#include "info_panel.h"

#include "view/table_colour.h"

#include <QPainter>

namespace tavolin {
namespace {

QColor colourOf(PanelColour colour)
{
    switch (colour) {
    case PanelColour::White: return QColor(255, 255, 255);
    case PanelColour::Lime: return QColor(0, 255, 0);
    case PanelColour::Aqua: return QColor(0, 255, 255);
    case PanelColour::Yellow: return QColor(255, 255, 0);
    case PanelColour::Red: return QColor(255, 0, 0);
    }
    return Qt::white;
}

QFont fontOf(const PanelText& text)
{
    QFont font(text.font == PanelFont::CourierNew ? QStringLiteral("Courier New")
                                                  : QStringLiteral("Times New Roman"));
    font.setStyleHint(text.font == PanelFont::CourierNew ? QFont::TypeWriter : QFont::Serif);
    font.setPointSize(8);
    font.setUnderline(text.underline);
    return font;
}

} // namespace

void InfoPanel::resize(QSize size, qreal pixelRatio)
{
    size_ = size;
    pixelRatio_ = pixelRatio;
    clear();
}

// False when the panel has no room at all.
bool InfoPanel::prepareImage(bool blank)
{
    if (size_.isEmpty())
        return false;
    if (image_.isNull()) {
        image_ = QImage(size_ * pixelRatio_, QImage::Format_RGB32);
        image_.setDevicePixelRatio(pixelRatio_);
        blank = true;
    }
    if (blank) {
        image_.fill(TableColour);
        contentHeight_ = 0;
        texts_.clear();
    }
    return true;
}

QStringList InfoPanel::lines() const
{
    QStringList lines;
    for (const auto& [position, shown] : texts_)
        if (!shown.text.trimmed().isEmpty())
            lines << shown.text.trimmed();
    return lines;
}

QRect InfoPanel::area(const PanelText& text)
{
    const QFontMetrics metrics(fontOf(text));
    return QRect(text.x, text.y, metrics.horizontalAdvance(QString::fromStdString(text.text)) + 2, metrics.height());
}

// Texts are opaque: each blanks the area behind it and behind the text it
// replaces, so a shorter text written over a longer one leaves no trace of it.
void InfoPanel::drawText(const PanelText& text)
{
    QPainter p(&image_);
    p.setFont(fontOf(text));
    Shown& shown = texts_[{text.y, text.x}];
    const QRect blanked = shown.area | area(text);
    shown = {QString::fromStdString(text.text), area(text)};
    p.fillRect(blanked, TableColour);
    p.setPen(colourOf(text.colour));
    p.drawText(QPoint(text.x, text.y + p.fontMetrics().ascent()), shown.text);
    holdDownTo(text.y + shown.area.height());
}

void InfoPanel::draw(const TransferDetails& details)
{
    if (!prepareImage(details.headingsRedrawn))
        return;
    for (const PanelText& text : details.headings)
        drawText(text);
    for (const PanelText& text : details.steps)
        drawText(text);
    drawText(details.result);
}

void InfoPanel::draw(const MovePanel& panel)
{
    if (!prepareImage(panel.headingsRedrawn))
        return;
    for (const PanelText& text : panel.headings)
        drawText(text);
    drawText(panel.freeRoomsCaption);
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    for (const RoomBox& box : panel.roomBoxes) {
        p.setPen(QColor(190, 170, 140));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.x, box.y, 20, 24);
        p.setPen(Qt::white);
        p.setBrush(box.occupied ? QColor(255, 0, 0) : TableColour);
        const QRect inner(box.x + 5, box.y + 7, 10, 10);
        if (box.occupied)
            p.drawEllipse(inner);
        else
            p.drawRect(inner);
        holdDownTo(box.y + 25);
    }
    for (const Marker& marker : panel.markers) {
        const QRect cell(marker.x, marker.y, 10, 10);
        p.setPen(Qt::white);
        switch (marker.kind) {
        case MarkerKind::Found:
            p.setBrush(QColor(0, 255, 0));
            p.drawEllipse(cell);
            break;
        case MarkerKind::NoneFound:
            p.setBrush(QColor(255, 0, 0));
            p.drawEllipse(cell);
            break;
        case MarkerKind::EmptyColumn:
            p.setBrush(TableColour);
            p.drawRect(cell);
            break;
        }
        holdDownTo(marker.y + 11);
    }
    p.end();
    for (const PanelText& text : panel.countLabels)
        drawText(text);
    for (const PanelText& text : panel.comments)
        drawText(text);
}

} // namespace tavolin
