#pragma once

#include <QByteArray>
#include <QImage>

namespace tavolin::cards {

// Picture number 1..56 drawn natively at scale 1 or 2.
QImage renderPicture(int number, int scale);
// Face number 1..52 of the enlarged cell, drawn natively at scale 1 or 2.
QImage renderLargeFace(int number, int scale);

QByteArray encodePng(const QImage& image);

} // namespace tavolin::cards
