#include "backgrounds.h"
#include "canvas.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QRect kCanvas(0, 0, kWidth, kHeight);

QPointF polar(double radians, double radius)
{
    return QPointF(std::cos(radians), std::sin(radians)) * radius;
}

void snowflake(QPainter &painter, QPointF centre, double radius, double turn, const QColor &colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, std::max(1.5, radius * 0.09), Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 6; ++arm) {
        const double a = turn + arm * std::numbers::pi / 3;
        painter.drawLine(centre, centre + polar(a, radius));
        for (double along : {0.45, 0.72}) {
            const QPointF base = centre + polar(a, radius * along);
            const double twig = radius * (0.95 - along) * 0.7;
            painter.drawLine(base, base + polar(a + 0.8, twig));
            painter.drawLine(base, base + polar(a - 0.8, twig));
        }
    }
}

void christmasTree(QPainter &painter, Dice &dice, QPointF foot, double height)
{
    const double width = height * 0.62;
    const double top = foot.y() - height;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(92, 56, 30));
    painter.drawRect(QRectF(foot.x() - width * 0.07, foot.y() - height * 0.12, width * 0.14, height * 0.14));

    const int tiers = 4;
    for (int tier = 0; tier < tiers; ++tier) {
        const double tierTop = top + tier * height * 0.17;
        const double tierBottom = top + height * (0.34 + tier * 0.18);
        const double half = width * (0.24 + tier * 0.09);
        QPainterPath shape;
        shape.moveTo(foot.x(), tierTop);
        shape.quadTo(foot.x() - half * 0.5, tierBottom - (tierBottom - tierTop) * 0.35, foot.x() - half, tierBottom);
        shape.quadTo(foot.x(), tierBottom - height * 0.05, foot.x() + half, tierBottom);
        shape.quadTo(foot.x() + half * 0.5, tierBottom - (tierBottom - tierTop) * 0.35, foot.x(), tierTop);
        QLinearGradient needles(QPointF(foot.x() - half, 0), QPointF(foot.x() + half, 0));
        needles.setColorAt(0, QColor(20, 96, 50));
        needles.setColorAt(0.5, QColor(36, 132, 66));
        needles.setColorAt(1, QColor(12, 72, 38));
        painter.setBrush(needles);
        painter.drawPath(shape);

        QPainterPath snow;
        snow.moveTo(foot.x() - half, tierBottom);
        snow.quadTo(foot.x(), tierBottom - height * 0.05, foot.x() + half, tierBottom);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(240, 246, 255, 220), height * 0.014, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(snow);
        painter.setPen(Qt::NoPen);

        for (int bauble = 0; bauble < 3 + tier; ++bauble) {
            const double across = dice.range(-0.8, 0.8) * half;
            const QPointF where(foot.x() + across, tierBottom - height * 0.04 - dice.range(0, 0.06) * height);
            const double r = height * 0.018;
            const QColor colour = dice.chance(0.5) ? QColor(214, 30, 40) : QColor(244, 196, 70);
            glow(painter, where, r * 3, withAlpha(colour, 80));
            painter.setBrush(colour);
            painter.drawEllipse(where, r, r);
            painter.setBrush(QColor(255, 255, 255, 170));
            painter.drawEllipse(where - QPointF(r * 0.35, r * 0.35), r * 0.3, r * 0.3);
        }
    }
    const QPointF star(foot.x(), top - height * 0.02);
    glow(painter, star, height * 0.16, QColor(255, 220, 120, 150));
    painter.setBrush(goldGradient(star - QPointF(20, 20), star + QPointF(20, 20)));
    painter.drawPath(starPath(star, height * 0.055, height * 0.024, 5, 0));
}

QPainterPath snowBank(double baseline, double amplitude, double phase)
{
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 10) {
        const double t = double(x) / kWidth * 2 * std::numbers::pi;
        path.lineTo(x, baseline - amplitude * (std::sin(t * 1.5 + phase) * 0.6 + std::sin(t * 3.1 + phase) * 0.4));
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

void ribbon(QPainter &painter, Dice &dice, double x, const QColor &colour)
{
    QPainterPath path;
    const double length = dice.range(320, 620);
    const double swing = dice.range(20, 55);
    const double turns = dice.range(2.5, 4.5);
    const double drift = dice.range(-80, 80);
    path.moveTo(x, -20);
    for (int step = 1; step <= 60; ++step) {
        const double t = step / 60.0;
        path.lineTo(x + drift * t + swing * std::sin(t * turns * 2 * std::numbers::pi), -20 + length * t);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, dice.range(5, 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void confetti(QPainter &painter, Dice &dice, int count, const QList<QColor> &palette, double calm)
{
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF where = dice.awayFromCentre(calm);
        painter.setBrush(withAlpha(dice.pick(palette), int(dice.range(170, 255))));
        if (dice.chance(0.3)) {
            const double r = dice.range(3, 7);
            painter.drawEllipse(where, r, r);
            continue;
        }
        painter.save();
        painter.translate(where);
        painter.rotate(dice.range(0, 180));
        const double w = dice.range(9, 22);
        const double h = dice.range(4, 9);
        painter.drawRect(QRectF(-w / 2, -h / 2, w, h));
        painter.restore();
    }
}

void firework(QPainter &painter, Dice &dice, QPointF centre, double radius, const QColor &colour)
{
    glow(painter, centre, radius * 1.15, withAlpha(colour, 55));
    const int rays = 64;
    for (int ring = 0; ring < 2; ++ring) {
        const double reach = ring == 0 ? 1.0 : 0.55;
        const QColor tone = ring == 0 ? colour : colour.lighter(140);
        for (int i = 0; i < rays; ++i) {
            const double a = (i + ring * 0.5) * 2 * std::numbers::pi / rays + dice.range(-0.03, 0.03);
            const QPointF from = centre + polar(a, radius * 0.1 * reach);
            const QPointF to = centre + polar(a, radius * reach * dice.range(0.78, 1.0));
            QLinearGradient trail(from, to);
            trail.setColorAt(0, withAlpha(tone, 0));
            trail.setColorAt(0.75, withAlpha(tone, 200));
            trail.setColorAt(1, QColor(255, 255, 240));
            painter.setPen(QPen(QBrush(trail), dice.range(1.5, 3.4), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(from, to);
            painter.setPen(Qt::NoPen);
            painter.setBrush(withAlpha(tone, 200));
            // Embers sag under gravity at the end of each trail.
            painter.drawEllipse(to + QPointF(0, radius * 0.06 * reach), 2.2, 2.2);
        }
    }
    for (int i = 0; i < 30; ++i) {
        const QPointF spark = centre + polar(dice.range(0, 2 * std::numbers::pi), radius * dice.range(0.2, 1.2));
        painter.setBrush(withAlpha(colour.lighter(150), int(dice.range(80, 220))));
        painter.drawEllipse(spark, 1.6, 1.6);
    }
}

void skyline(QPainter &painter, Dice &dice)
{
    double x = -20;
    while (x < kWidth) {
        const double width = dice.range(50, 130);
        // Lower in the middle so the greeting sits over open sky.
        const double fromCentre = std::abs(x + width / 2 - kWidth / 2.0) / (kWidth / 2.0);
        const double height = dice.range(60, 130) + fromCentre * dice.range(80, 200);
        const QRectF block(x, kHeight - height, width, height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(10, 8, 24));
        painter.drawRect(block);
        painter.setBrush(QColor(255, 214, 130, 150));
        for (double wy = block.top() + 14; wy < kHeight - 14; wy += 22) {
            for (double wx = block.left() + 10; wx < block.right() - 14; wx += 18) {
                if (dice.chance(0.22))
                    painter.drawRect(QRectF(wx, wy, 7, 10));
            }
        }
        x += width + dice.range(0, 12);
    }
}

} // namespace

void paintChristmas(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x25dec);

    QRadialGradient base(QPointF(kWidth / 2.0, kHeight * 0.4), kWidth * 0.65);
    base.setColorAt(0, QColor(24, 92, 58));
    base.setColorAt(0.55, QColor(10, 52, 32));
    base.setColorAt(1, QColor(4, 24, 14));
    painter.fillRect(kCanvas, base);
    glow(painter, QPointF(0, kHeight), 800, QColor(170, 20, 30, 120));
    glow(painter, QPointF(kWidth, kHeight), 800, QColor(170, 20, 30, 120));

    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const double r = dice.range(1, 3.4);
        painter.setBrush(QColor(255, 255, 255, int(dice.range(60, 200))));
        painter.drawEllipse(dice.awayFromCentre(0.35), r, r);
    }
    for (int i = 0; i < 34; ++i) {
        snowflake(painter, dice.awayFromCentre(0.62), dice.range(12, 46), dice.range(0, 1),
                  QColor(236, 244, 255, int(dice.range(110, 230))));
    }

    QLinearGradient snow(QPointF(0, kHeight - 200), QPointF(0, kHeight));
    snow.setColorAt(0, QColor(250, 252, 255));
    snow.setColorAt(1, QColor(196, 214, 232));
    painter.setBrush(QColor(190, 210, 230));
    painter.drawPath(snowBank(kHeight - 150, 30, 1.2));
    christmasTree(painter, dice, QPointF(250, kHeight - 120), 560);
    christmasTree(painter, dice, QPointF(470, kHeight - 90), 340);
    christmasTree(painter, dice, QPointF(kWidth - 260, kHeight - 115), 590);
    christmasTree(painter, dice, QPointF(kWidth - 500, kHeight - 85), 360);
    painter.setBrush(snow);
    painter.drawPath(snowBank(kHeight - 110, 22, 3.0));

    caption(painter, QRectF(0, kHeight - 100, kWidth, 90), QStringLiteral("Merry Christmas"), 70,
            QColor(184, 22, 36));
    painter.end();
    addGrain(image, 2, 0x25dec);
}

void paintHolidays(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x401);

    QLinearGradient base(QPointF(0, 0), QPointF(kWidth * 0.3, kHeight));
    base.setColorAt(0, QColor(20, 34, 84));
    base.setColorAt(0.6, QColor(44, 26, 92));
    base.setColorAt(1, QColor(70, 22, 80));
    painter.fillRect(kCanvas, base);
    glow(painter, QPointF(kWidth / 2.0, kHeight / 2.0), 800, QColor(120, 90, 200, 60));

    const QList<QColor> palette{QColor(255, 87, 87), QColor(255, 195, 0), QColor(46, 204, 113),
                                QColor(52, 152, 219), QColor(190, 110, 230), QColor(255, 255, 255),
                                QColor(255, 127, 80)};
    for (int i = 0; i < 9; ++i)
        ribbon(painter, dice, dice.range(40, kWidth * 0.24), dice.pick(palette));
    for (int i = 0; i < 9; ++i)
        ribbon(painter, dice, dice.range(kWidth * 0.76, kWidth - 40), dice.pick(palette));
    confetti(painter, dice, 650, palette, 0.55);
    for (int i = 0; i < 16; ++i)
        sparkle(painter, dice.awayFromCentre(0.6), dice.range(6, 14), QColor(255, 240, 200, 220));

    caption(painter, QRectF(0, kHeight - 150, kWidth, 110), QStringLiteral("Happy Holidays"), 76,
            QColor(255, 236, 170));
    painter.end();
    addGrain(image, 2, 0x401);
}

void paintNewYear(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0x2eae);

    QLinearGradient sky(QPointF(0, 0), QPointF(0, kHeight));
    sky.setColorAt(0, QColor(4, 4, 18));
    sky.setColorAt(0.6, QColor(20, 12, 50));
    sky.setColorAt(1, QColor(60, 22, 72));
    painter.fillRect(kCanvas, sky);
    glow(painter, QPointF(kWidth / 2.0, kHeight + 200), 900, QColor(255, 120, 80, 70));

    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const double r = dice.range(0.5, 1.5);
        painter.setBrush(QColor(230, 230, 255, int(dice.range(40, 170))));
        painter.drawEllipse(dice.awayFromCentre(0.3), r, r);
    }

    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    firework(painter, dice, QPointF(330, 250), 230, QColor(255, 196, 70));
    firework(painter, dice, QPointF(kWidth - 340, 230), 250, QColor(255, 90, 150));
    firework(painter, dice, QPointF(kWidth * 0.6, 120), 130, QColor(80, 210, 255));
    firework(painter, dice, QPointF(kWidth * 0.38, 130), 110, QColor(120, 240, 140));
    firework(painter, dice, QPointF(150, 640), 140, QColor(255, 140, 60));
    firework(painter, dice, QPointF(kWidth - 160, 620), 150, QColor(190, 130, 255));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    skyline(painter, dice);
    caption(painter, QRectF(0, kHeight - 190, kWidth, 110), QStringLiteral("Happy New Year"), 76,
            QColor(255, 214, 110));
    painter.end();
    addGrain(image, 2, 0x2eae);
}
