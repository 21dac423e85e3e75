#include "backgrounds.h"
#include "canvas.h"

#include <QRadialGradient>

#include <cmath>

namespace {

const QRect kCanvas(0, 0, kWidth, kHeight);

QPainterPath hill(double baseline, double amplitude, double phase, double waves)
{
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 8) {
        const double t = double(x) / kWidth * 6.2832;
        const double rise = 0.65 * std::sin(t * waves + phase) + 0.35 * std::sin(t * waves * 2.3 + phase * 1.7);
        path.lineTo(x, baseline - amplitude * rise);
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

void cloud(QPainter &painter, QPointF centre, double size)
{
    QPainterPath puff;
    puff.addEllipse(centre, size, size * 0.45);
    puff.addEllipse(centre + QPointF(-size * 0.55, size * 0.1), size * 0.55, size * 0.35);
    puff.addEllipse(centre + QPointF(size * 0.2, -size * 0.25), size * 0.5, size * 0.45);
    puff.addEllipse(centre + QPointF(size * 0.7, size * 0.08), size * 0.45, size * 0.3);
    puff.setFillRule(Qt::WindingFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(180, 200, 225, 60));
    painter.drawPath(puff.simplified().translated(6, 10));
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawPath(puff.simplified());
}

void bird(QPainter &painter, QPointF centre, double span)
{
    QPainterPath path;
    path.moveTo(centre - QPointF(span, span * 0.25));
    path.quadTo(centre - QPointF(span * 0.45, span * 0.45), centre);
    path.quadTo(centre + QPointF(span * 0.45, -span * 0.45), centre + QPointF(span, -span * 0.25));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(50, 60, 80, 180), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

void rings(QPainter &painter, QPointF centre, double radius)
{
    const QPointF left = centre - QPointF(radius * 0.55, 0);
    const QPointF right = centre + QPointF(radius * 0.55, 0);
    const double width = radius * 0.18;
    const QRectF leftBox(left - QPointF(radius, radius), left + QPointF(radius, radius));
    const QRectF rightBox(right - QPointF(radius, radius), right + QPointF(radius, radius));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(goldGradient(leftBox.topLeft(), leftBox.bottomRight()), width));
    painter.drawEllipse(leftBox);
    painter.setPen(QPen(goldGradient(rightBox.topLeft(), rightBox.bottomRight()), width));
    painter.drawEllipse(rightBox);
    // Redraw one crossing of the left ring on top so the two interlock.
    painter.setPen(QPen(goldGradient(leftBox.topLeft(), leftBox.bottomRight()), width, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(leftBox, 20 * 16, 45 * 16);
    const QPointF stone = right + QPointF(0, -radius - width * 0.6);
    painter.setPen(Qt::NoPen);
    glow(painter, stone, width * 3, QColor(255, 255, 255, 160));
    painter.setBrush(QColor(250, 252, 255));
    painter.drawPath(starPath(stone, width * 1.1, width * 0.75, 4, 0));
}

void clover(QPainter &painter, QPointF centre, double size, double turn, const QColor &colour)
{
    const auto direction = [](double degrees) {
        const double a = degrees * 3.14159 / 180.0;
        return QPointF(std::sin(a), -std::cos(a));
    };
    // The stem leaves between two leaves and curls a little.
    QPainterPath stem;
    stem.moveTo(centre);
    stem.quadTo(centre + direction(turn + 165) * size * 0.8, centre + direction(turn + 195) * size * 1.4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(135), size * 0.09, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);

    painter.setPen(Qt::NoPen);
    for (int leaf = 0; leaf < 4; ++leaf) {
        const double leafTurn = turn + 45 + leaf * 90;
        const QPainterPath shape = heartPath(centre, size, leafTurn);
        QRadialGradient shade(centre, size);
        shade.setColorAt(0, colour.darker(120));
        shade.setColorAt(1, colour.lighter(115));
        painter.setBrush(shade);
        painter.drawPath(shape);
    }
    painter.setPen(QPen(withAlpha(colour.lighter(150), colour.alpha() / 4), size * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int leaf = 0; leaf < 4; ++leaf) {
        painter.drawLine(centre, centre + direction(turn + 45 + leaf * 90) * size * 0.62);
    }
}

} // namespace

void paintNature(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x9a7e);

    QLinearGradient sky(QPointF(0, 0), QPointF(0, kHeight * 0.8));
    sky.setColorAt(0, QColor(62, 128, 210));
    sky.setColorAt(0.55, QColor(138, 192, 238));
    sky.setColorAt(1, QColor(255, 222, 178));
    painter.fillRect(kCanvas, sky);

    const QPointF sun(kWidth * 0.8, kHeight * 0.24);
    glow(painter, sun, 520, QColor(255, 236, 170, 150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 246, 210));
    painter.drawEllipse(sun, 78, 78);

    cloud(painter, QPointF(300, 170), 120);
    cloud(painter, QPointF(760, 110), 80);
    cloud(painter, QPointF(kWidth - 560, 360), 90);
    cloud(painter, QPointF(140, 460), 70);
    bird(painter, QPointF(kWidth * 0.64, kHeight * 0.2), 16);
    bird(painter, QPointF(kWidth * 0.67, kHeight * 0.17), 12);
    bird(painter, QPointF(kWidth * 0.62, kHeight * 0.14), 10);

    struct Layer { double baseline; double amplitude; QColor top; QColor bottom; double waves; };
    const Layer layers[] = {
        {kHeight * 0.70, 70, QColor(150, 190, 180), QColor(120, 170, 150), 1.3},
        {kHeight * 0.77, 60, QColor(120, 180, 100), QColor(84, 150, 80), 1.7},
        {kHeight * 0.85, 55, QColor(86, 156, 70), QColor(56, 122, 52), 1.1},
        {kHeight * 0.94, 45, QColor(58, 124, 48), QColor(32, 88, 34), 2.1},
    };
    for (const Layer &layer : layers) {
        const QPainterPath path = hill(layer.baseline, layer.amplitude, dice.range(0, 6.28), layer.waves);
        QLinearGradient fill(QPointF(0, layer.baseline - layer.amplitude), QPointF(0, kHeight));
        fill.setColorAt(0, layer.top);
        fill.setColorAt(1, layer.bottom);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(path);
    }
    painter.end();
    addGrain(image, 2, 0x9a7e);
}

void paintWedding(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x3ed);

    QRadialGradient base(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.65);
    base.setColorAt(0, QColor(255, 252, 246));
    base.setColorAt(0.6, QColor(250, 238, 228));
    base.setColorAt(1, QColor(238, 212, 204));
    painter.fillRect(kCanvas, base);
    glow(painter, QPointF(0, 0), 700, QColor(242, 170, 182, 90));
    glow(painter, QPointF(kWidth, kHeight), 700, QColor(242, 170, 182, 90));

    const QList<QColor> petals{QColor(232, 150, 166), QColor(246, 196, 204), QColor(255, 255, 255)};
    bokeh(painter, dice, 60, petals, 12, 60, 0.55);

    const QList<QColor> hearts{QColor(222, 106, 130), QColor(240, 166, 180), QColor(214, 176, 98),
                               QColor(248, 200, 208)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF where = dice.awayFromCentre(0.66);
        const double size = dice.range(18, 66);
        painter.setBrush(withAlpha(dice.pick(hearts), int(dice.range(130, 230))));
        painter.drawPath(heartPath(where + QPointF(0, size / 2), size, dice.range(-25, 25)));
    }

    rings(painter, QPointF(kWidth - 260, kHeight - 200), 88);

    painter.setBrush(Qt::NoBrush);
    const QRectF frame = QRectF(kCanvas).adjusted(30, 30, -30, -30);
    painter.setPen(QPen(goldGradient(frame.topLeft(), frame.bottomRight()), 3));
    painter.drawRoundedRect(frame, 24, 24);
    painter.setPen(QPen(QColor(214, 176, 98, 150), 1.2));
    painter.drawRoundedRect(frame.adjusted(12, 12, -12, -12), 16, 16);
    painter.end();
    addGrain(image, 2, 0x3ed);
}

void paintClover(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0xc10);

    QRadialGradient base(QPointF(kWidth / 2.0, kHeight * 0.45), kWidth * 0.65);
    base.setColorAt(0, QColor(70, 160, 78));
    base.setColorAt(0.55, QColor(28, 104, 48));
    base.setColorAt(1, QColor(8, 52, 24));
    painter.fillRect(kCanvas, base);

    const QList<QColor> lights{QColor(220, 255, 170), QColor(255, 250, 210), QColor(170, 230, 140)};
    bokeh(painter, dice, 70, lights, 14, 70, 0.45);

    const QList<QColor> greens{QColor(104, 192, 88), QColor(62, 160, 70), QColor(150, 212, 108),
                               QColor(40, 130, 56)};
    for (int i = 0; i < 30; ++i) {
        const QPointF where = dice.awayFromCentre(0.68);
        clover(painter, where, dice.range(34, 90), dice.range(0, 90),
               withAlpha(dice.pick(greens), int(dice.range(150, 245))));
    }
    clover(painter, QPointF(120, 130), 150, 20, QColor(120, 204, 96, 235));
    clover(painter, QPointF(kWidth - 140, kHeight - 120), 170, 60, QColor(120, 204, 96, 235));
    vignette(painter, 0.35);
    painter.end();
    addGrain(image, 3, 0xc10);
}
