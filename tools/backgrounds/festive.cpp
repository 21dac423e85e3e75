#include "backgrounds.h"
#include "canvas.h"

#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace {

const QRect kCanvas(0, 0, kWidth, kHeight);

void festiveRed(QPainter &painter, QPointF centre)
{
    QRadialGradient base(centre, kWidth * 0.7);
    base.setColorAt(0, QColor(214, 32, 36));
    base.setColorAt(0.55, QColor(160, 14, 22));
    base.setColorAt(1, QColor(78, 4, 10));
    painter.fillRect(kCanvas, base);
}

// A tiger stripe: it grows from the left edge along a wavering line,
// swells and pinches like fur, and ends in a sharp point.
QPainterPath tigerStripe(Dice &dice, double y, double thickness, double length)
{
    const double bend = dice.range(-0.25, 0.35) * length;
    const double wave = dice.range(6, 18);
    const double phase = dice.range(0, 6.28);
    const int steps = 48;
    QList<QPointF> upper;
    QList<QPointF> lower;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF centre(-30 + t * (length + 30),
                             y + bend * t * t + wave * std::sin(t * 7.5 + phase));
        const double half = thickness / 2 * std::pow(1 - t, 0.6)
                            * (0.85 + 0.2 * std::sin(t * 9.0 + phase * 1.3));
        upper.append(centre - QPointF(0, half));
        lower.append(centre + QPointF(0, half));
    }
    QPainterPath path;
    path.moveTo(upper.first());
    for (const QPointF &point : upper)
        path.lineTo(point);
    for (auto point = lower.crbegin(); point != lower.crend(); ++point)
        path.lineTo(*point);
    path.closeSubpath();
    return path;
}

void tigerFlank(QPainter &painter, Dice &dice, bool mirrored)
{
    QTransform flip;
    if (mirrored)
        flip = QTransform(-1, 0, 0, 1, kWidth, 0);
    painter.setPen(Qt::NoPen);
    for (double y = -10; y < kHeight + 40; y += dice.range(115, 150)) {
        const double thickness = dice.range(56, 88);
        // Longest stripes in the middle of the flank, as on a real coat.
        const double fromMiddle = std::abs(y - kHeight / 2.0) / (kHeight / 2.0);
        const double length = dice.range(220, 330) + (1 - fromMiddle) * dice.range(60, 170);
        QPainterPath stripe = tigerStripe(dice, y, thickness, length);
        if (dice.chance(0.45)) {
            // Real stripes often fork into a shorter second tongue.
            stripe = stripe.united(tigerStripe(dice, y + thickness * 0.3, thickness * 0.6, length * 0.55));
        }
        stripe = flip.map(stripe);
        painter.setBrush(QColor(60, 0, 6, 100));
        painter.drawPath(stripe.translated(4, 7));
        const QRectF bounds = stripe.boundingRect();
        painter.setBrush(goldGradient(mirrored ? bounds.topRight() : bounds.topLeft(),
                                      mirrored ? bounds.bottomLeft() : bounds.bottomRight()));
        painter.drawPath(stripe);
    }
}

void goldFrame(QPainter &painter, double inset)
{
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(kCanvas).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(goldGradient(outer.topLeft(), outer.bottomRight()), 4));
    painter.drawRect(outer);
    painter.setPen(QPen(goldGradient(outer.topLeft(), outer.bottomRight()), 1.5));
    painter.drawRect(outer.adjusted(12, 12, -12, -12));
}

void goldDust(QPainter &painter, Dice &dice, int count, double calm)
{
    for (int i = 0; i < count; ++i) {
        const QColor colour(255, dice.below(40) + 200, 110, int(dice.range(90, 230)));
        sparkle(painter, dice.awayFromCentre(calm), dice.range(4, 16), colour);
    }
}

void lantern(QPainter &painter, double x, double hang, double width)
{
    const double height = width * 0.82;
    const double capHeight = width * 0.14;
    const QRectF body(x - width / 2, hang, width, height);
    const QPointF centre = body.center();

    painter.setPen(QPen(QColor(232, 180, 62), 3));
    painter.drawLine(QPointF(x, 0), QPointF(x, hang));
    glow(painter, centre, width * 1.25, QColor(255, 120, 40, 90));

    QRadialGradient shell(centre - QPointF(width * 0.12, height * 0.12), width * 0.65);
    shell.setColorAt(0, QColor(255, 120, 70));
    shell.setColorAt(0.45, QColor(224, 30, 28));
    shell.setColorAt(1, QColor(130, 6, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shell);
    painter.drawEllipse(body);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(110, 0, 8, 140), 2.5));
    for (double share : {0.72, 0.42, 0.12})
        painter.drawEllipse(centre, width * share / 2, height / 2);

    const QRectF topCap(x - width * 0.28, hang - capHeight * 0.6, width * 0.56, capHeight);
    const QRectF bottomCap = topCap.translated(0, height);
    painter.setPen(Qt::NoPen);
    for (const QRectF &cap : {topCap, bottomCap}) {
        painter.setBrush(goldGradient(cap.topLeft(), cap.bottomRight()));
        painter.drawRoundedRect(cap, capHeight * 0.3, capHeight * 0.3);
    }

    const double tasselTop = bottomCap.bottom();
    const double tasselLength = height * 0.6;
    painter.setBrush(goldGradient(QPointF(x - 8, tasselTop), QPointF(x + 8, tasselTop + 16)));
    painter.drawEllipse(QPointF(x, tasselTop + 8), width * 0.05, width * 0.05);
    painter.setPen(QPen(QColor(200, 18, 24), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = -4; i <= 4; ++i) {
        const double spread = i * width * 0.012;
        painter.drawLine(QPointF(x + spread * 0.4, tasselTop + 14),
                         QPointF(x + spread, tasselTop + 14 + tasselLength));
    }
    const QRectF band(x - width * 0.05, tasselTop + 18, width * 0.1, width * 0.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(goldGradient(band.topLeft(), band.bottomRight()));
    painter.drawRect(band);
}

// An old round coin with the square hole.
void coin(QPainter &painter, QPointF centre, double radius, double turn)
{
    const double r = radius;
    painter.save();
    painter.translate(centre);
    painter.rotate(turn);

    QPainterPath face;
    face.addEllipse(QPointF(0, 0), r, r);
    QPainterPath hole;
    hole.addRect(-r * 0.22, -r * 0.22, r * 0.44, r * 0.44);
    face = face.subtracted(hole);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 0, 4, 100));
    painter.drawPath(face.translated(r * 0.07, r * 0.11));

    QRadialGradient metal(QPointF(-r * 0.35, -r * 0.4), r * 1.7);
    metal.setColorAt(0, QColor(255, 242, 176));
    metal.setColorAt(0.45, QColor(238, 188, 68));
    metal.setColorAt(1, QColor(160, 100, 18));
    painter.setBrush(metal);
    painter.drawPath(face);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(140, 88, 14), r * 0.05));
    painter.drawEllipse(QPointF(0, 0), r * 0.97, r * 0.97);
    painter.setPen(QPen(QColor(255, 226, 132), r * 0.04));
    painter.drawEllipse(QPointF(0, 0), r * 0.8, r * 0.8);
    painter.setPen(QPen(QColor(150, 96, 18), r * 0.04));
    painter.drawRect(QRectF(-r * 0.3, -r * 0.3, r * 0.6, r * 0.6));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(168, 108, 22, 200));
    for (int quarter = 0; quarter < 4; ++quarter) {
        painter.drawRoundedRect(QRectF(-r * 0.09, -r * 0.68, r * 0.18, r * 0.28), r * 0.04, r * 0.04);
        painter.rotate(90);
    }
    painter.restore();
}

void coinPile(QPainter &painter, Dice &dice, QPointF corner, int count)
{
    for (int i = 0; i < count; ++i) {
        const double spread = 60 + i * 22;
        const QPointF offset(dice.range(-spread, spread), dice.range(-spread * 0.6, spread * 0.6));
        coin(painter, corner + offset, dice.range(42, 78), dice.range(0, 90));
    }
}

} // namespace

void paintLuckyTiger(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x71fe5);
    festiveRed(painter, QPointF(kWidth / 2.0, kHeight / 2.0));
    glow(painter, QPointF(kWidth / 2.0, kHeight * 0.45), 700, QColor(255, 120, 60, 50));
    tigerFlank(painter, dice, false);
    tigerFlank(painter, dice, true);
    goldDust(painter, dice, 40, 0.6);
    vignette(painter, 0.45);
    goldFrame(painter, 26);
    painter.end();
    addGrain(image, 3, 0x71fe5);
}

void paintLucky(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x1c4c7);
    festiveRed(painter, QPointF(kWidth / 2.0, kHeight * 0.4));
    lantern(painter, 210, 150, 210);
    lantern(painter, 430, 70, 140);
    lantern(painter, kWidth - 210, 130, 220);
    lantern(painter, kWidth - 440, 60, 130);
    coinPile(painter, dice, QPointF(230, kHeight - 120), 9);
    coinPile(painter, dice, QPointF(kWidth - 230, kHeight - 110), 9);
    goldDust(painter, dice, 45, 0.62);
    vignette(painter, 0.4);
    painter.end();
    addGrain(image, 3, 0x1c4c7);
}

void paintRed(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x4ed);
    festiveRed(painter, QPointF(kWidth / 2.0, kHeight * 0.45));

    // Broad silk sheens sweeping across the lower half.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 14; ++i) {
        const double y = kHeight * 0.62 + i * 30;
        QPainterPath wave;
        wave.moveTo(-50, y);
        wave.cubicTo(kWidth * 0.3, y - 160 + i * 6, kWidth * 0.65, y + 170 - i * 4, kWidth + 50, y - 60);
        painter.setPen(QPen(QColor(255, 190, 120, 10 + (i % 3) * 8), 2 + i % 4 * 6));
        painter.drawPath(wave);
    }
    for (int i = 0; i < 5; ++i) {
        const double y = kHeight * 0.8 + i * 22;
        QPainterPath line;
        line.moveTo(-50, y);
        line.cubicTo(kWidth * 0.3, y - 140, kWidth * 0.65, y + 150, kWidth + 50, y - 50);
        painter.setPen(QPen(QColor(255, 210, 110, 70 - i * 10), 1.6));
        painter.drawPath(line);
    }
    glow(painter, QPointF(kWidth * 0.5, -120), 900, QColor(255, 150, 110, 60));
    goldDust(painter, dice, 30, 0.75);
    vignette(painter, 0.5);
    painter.end();
    addGrain(image, 3, 0x4ed);
}

void paintGorgeous(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x6a0);

    QRadialGradient base(QPointF(kWidth / 2.0, kHeight * 0.45), kWidth * 0.65);
    base.setColorAt(0, QColor(92, 60, 20));
    base.setColorAt(0.5, QColor(46, 28, 9));
    base.setColorAt(1, QColor(12, 7, 3));
    painter.fillRect(kCanvas, base);

    QLinearGradient sweep(QPointF(0, kHeight), QPointF(kWidth, 0));
    sweep.setColorAt(0.25, QColor(255, 200, 90, 0));
    sweep.setColorAt(0.5, QColor(255, 210, 110, 40));
    sweep.setColorAt(0.75, QColor(255, 200, 90, 0));
    painter.fillRect(kCanvas, sweep);

    const QList<QColor> palette{QColor(255, 214, 110), QColor(240, 170, 60), QColor(255, 236, 170),
                                QColor(214, 140, 40)};
    bokeh(painter, dice, 110, palette, 10, 80, 0.52);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        painter.setBrush(QColor(255, 220, 130, int(dice.range(40, 200))));
        const double r = dice.range(0.6, 2.2);
        painter.drawEllipse(dice.awayFromCentre(0.4), r, r);
    }
    goldDust(painter, dice, 45, 0.55);
    vignette(painter, 0.55);
    painter.end();
    addGrain(image, 3, 0x6a0);
}
