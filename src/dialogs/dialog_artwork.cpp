#include "dialog_artwork.h"

#include <QPainter>

namespace tavolin {
namespace {

const QColor Felt(0, 153, 0);
const QColor CardRed(200, 0, 0);

struct CardFace {
    QString rank;
    QChar suit;
    bool red;
};

// The rank above the suit sign in the top-left corner.
void drawIndex(QPainter& p, const QRectF& card, const CardFace& face)
{
    QFont index(QStringLiteral("Times New Roman"));
    index.setPixelSize(qRound(card.height() / 6));
    index.setBold(true);
    p.setFont(index);
    const QRectF corner(card.left() + 3, card.top() + 2, card.width() / 3, card.height() / 3);
    p.drawText(corner, Qt::AlignLeft | Qt::AlignTop, face.rank + QLatin1Char('\n') + face.suit);
}

// One card: the corner index when it has a rank, and a large suit sign in the middle.
void drawCard(QPainter& p, const QRectF& card, const CardFace& face)
{
    const double radius = card.width() / 10;
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, radius, radius);

    p.setPen(face.red ? CardRed : Qt::black);
    if (!face.rank.isEmpty())
        drawIndex(p, card, face);
    QFont pip(QStringLiteral("DejaVu Sans"));
    pip.setPixelSize(qRound(card.height() / 2.4));
    p.setFont(pip);
    p.drawText(card.adjusted(0, card.height() / 8, 0, 0), Qt::AlignCenter, QString(face.suit));
}

} // namespace

QPixmap programPicture()
{
    QPixmap picture(129, 146);
    picture.fill(Felt);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A faint weave, so the felt reads as cloth.
    p.setPen(QPen(Felt.darker(115), 1.0));
    for (int x = -146; x < 129; x += 6)
        p.drawLine(x, 0, x + 146, 146);

    const CardFace hand[] = {
        {QStringLiteral("K"), QChar(0x2660), false},
        {QStringLiteral("Q"), QChar(0x2665), true},
        {QStringLiteral("J"), QChar(0x2663), false},
        {QStringLiteral("A"), QChar(0x2666), true},
    };
    // The cards turn about a point below the picture, as a hand held in a fan.
    const QPointF pivot(64.5, 175);
    const QRectF card(-24, -140, 48, 68);
    double angle = -16.5;
    for (const CardFace& face : hand) {
        p.save();
        p.translate(pivot);
        p.rotate(angle);
        drawCard(p, card, face);
        p.restore();
        angle += 11;
    }
    return picture;
}

QPixmap logoPicture()
{
    QPixmap logo(133, 25);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawCard(p, QRectF(2.5, 1.5, 17, 22), {QString(), QChar(0x2665), true});

    QFont name(QStringLiteral("Times New Roman"));
    name.setPixelSize(19);
    name.setBold(true);
    name.setItalic(true);
    p.setFont(name);
    p.setPen(Felt.darker(140));
    p.drawText(QRectF(25, 0, 108, 25), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tavolin"));
    return logo;
}

} // namespace tavolin
