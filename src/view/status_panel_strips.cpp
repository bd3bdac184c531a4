// A status panel's changed digits drawn straight on the window, from strips
// kept for the next time the same digits come back.
#include "view/status_panel.h"

#include <QBackingStore>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstring>

namespace tavolin {

// The window's backing store, when it is an image in memory.
QImage* StatusPanel::windowImage() const
{
    QBackingStore* store = backingStore();
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    return device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
}

// The changed digits drawn straight into the window's backing store and
// sent to the screen, past the repaint machinery: a repaint first waits for
// the display server to let go of what it sent last (a round trip that
// wakes the program twice more each second) and walks the widget tree. The
// server read this strip a second ago, so there is nothing to wait for. A
// panel that is hidden, covered in part or not plainly filled takes the
// ordinary way.
bool StatusPanel::drawOnWindow(const QRect& strip)
{
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    QImage* surface = windowImage();
    const QBrush background = palette().brush(backgroundRole());
    if (!handle || !handle->isExposed() || !surface || !isVisible() || !top->updatesEnabled()
        || background.style() != Qt::SolidPattern || !visibleRegion().contains(strip))
        return false;
    const QRect target(mapTo(top, strip.topLeft()), strip.size());
    if (surface->depth() != 32 || surface->devicePixelRatio() != 1.0 || !surface->rect().contains(target))
        return false;
    const QImage& drawn = drawnStrip(strip, surface->format(), background);
    uchar* row = surface->bits() + target.y() * surface->bytesPerLine() + qsizetype(target.x()) * 4;
    for (int y = 0; y < strip.height(); ++y, row += surface->bytesPerLine())
        std::memcpy(row, drawn.constScanLine(y), qsizetype(strip.width()) * 4);
    paintedFromGlyphs_ = true;
    backingStore()->flush(QRegion(target), handle);
    return true;
}

// The strip drawn apart, or as it was drawn when the same glyphs stood in
// it before: a clock's seconds come back every minute, and a tick that
// copies a kept strip runs none of the painting code. Glyphs clipped by a
// painter on the whole window would cost a clip mask the window's height.
const QImage& StatusPanel::drawnStrip(const QRect& strip, QImage::Format format, const QBrush& background)
{
    PlacedGlyphs& glyphs = line_->inStrip;
    glyphsIn(strip, glyphs);
    // Told apart by a number first: comparing each kept strip's glyphs
    // would reach into as many places in memory.
    std::size_t key = 0;
    for (const auto& [place, glyph] : glyphs)
        key = key * 1000003 + place * 65599 + glyph;
    std::vector<DrawnStrip>& kept = line_->drawn;
    const auto same = std::find_if(kept.begin(), kept.end(), [&](const DrawnStrip& drawn) {
        return drawn.key == key && drawn.area == strip && drawn.glyphs == glyphs && drawn.image.format() == format;
    });
    if (same != kept.end()) {
        same->lastUse = ++line_->uses;
        return same->image;
    }
    // The least recently used goes: what a minute of seconds draws stays.
    constexpr std::size_t MostKept = 80;
    if (kept.size() == MostKept)
        kept.erase(std::min_element(kept.begin(), kept.end(), [](const DrawnStrip& a, const DrawnStrip& b) {
            return a.lastUse < b.lastUse;
        }));
    QImage image(strip.size(), format);
    QPainter p(&image);
    p.translate(-strip.topLeft());
    p.fillRect(strip, background);
    drawGlyphs(p, glyphs);
    p.end();
    // An image once painted on keeps its paint engine, ten times the size
    // of a strip, for as long as it lives: the strip kept is a copy.
    kept.push_back(DrawnStrip{strip, key, glyphs, image.copy(), ++line_->uses});
    return kept.back().image;
}

} // namespace tavolin
