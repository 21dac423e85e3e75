#include "backgrounds.h"
#include "canvas.h"

#include <QRadialGradient>

namespace {

const QRect kCanvas(0, 0, kWidth, kHeight);

void diagonalFill(QPainter &painter, const QColor &from, const QColor &middle, const QColor &to)
{
    QLinearGradient gradient(QPointF(0, 0), QPointF(kWidth, kHeight));
    gradient.setColorAt(0, from);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1, to);
    painter.fillRect(kCanvas, gradient);
}

// Faint flowing lines, like watered silk.
void silkLines(QPainter &painter, Dice &dice, int count, const QColor &colour)
{
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const double y = dice.range(-200, kHeight + 200);
        const double swing = dice.range(80, 260);
        QPainterPath wave;
        wave.moveTo(-100, y);
        wave.cubicTo(kWidth * 0.3, y - swing, kWidth * 0.6, y + swing, kWidth + 100, y - swing * 0.4);
        painter.setPen(QPen(withAlpha(colour, int(dice.range(4, 15))), dice.range(1, 40)));
        painter.drawPath(wave);
    }
}

} // namespace

void paintPure(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    diagonalFill(painter, QColor(253, 234, 238), QColor(246, 242, 248), QColor(224, 238, 250));
    glow(painter, QPointF(kWidth * 0.5, kHeight * 0.48), 900, QColor(255, 255, 255, 150));
    glow(painter, QPointF(kWidth * 0.88, kHeight * 0.1), 650, QColor(226, 214, 248, 110));
    glow(painter, QPointF(kWidth * 0.1, kHeight * 0.92), 650, QColor(255, 222, 200, 110));
    painter.end();
    addGrain(image, 2, 0x9a1e);
}

namespace {

// A plain colour with a soft light and fine silk lines, shared by the blue and green pictures.
struct SilkColours
{
    QColor dark, middle, light;
    QPointF glowCentre;
    QColor glow, lines;
};

void paintSilk(QImage &image, quint32 seed, const SilkColours &colours)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(seed);
    diagonalFill(painter, colours.dark, colours.middle, colours.light);
    glow(painter, colours.glowCentre, 800, colours.glow);
    silkLines(painter, dice, 30, colours.lines);
    vignette(painter, 0.35);
    painter.end();
    addGrain(image, 4, seed);
}

}

void paintBlue(QImage &image)
{
    paintSilk(image, 0xb1e,
              {QColor(10, 44, 116), QColor(22, 94, 184), QColor(44, 146, 214), QPointF(kWidth * 0.2, kHeight * 0.1),
               QColor(140, 200, 255, 60), QColor(200, 230, 255)});
}

void paintGreen(QImage &image)
{
    paintSilk(image, 0x64ee,
              {QColor(6, 70, 44), QColor(22, 122, 70), QColor(84, 166, 92), QPointF(kWidth * 0.8, kHeight * 0.15),
               QColor(210, 255, 170, 55), QColor(220, 255, 210)});
}

void paintDeep(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0xdee9);

    QRadialGradient base(QPointF(kWidth * 0.5, kHeight * 0.55), kWidth * 0.7);
    base.setColorAt(0, QColor(32, 24, 74));
    base.setColorAt(0.5, QColor(14, 16, 48));
    base.setColorAt(1, QColor(4, 5, 18));
    painter.fillRect(kCanvas, base);
    glow(painter, QPointF(kWidth * 0.12, kHeight * 0.15), 900, QColor(110, 44, 160, 110));
    glow(painter, QPointF(kWidth * 0.9, kHeight * 0.9), 900, QColor(24, 70, 160, 100));

    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const QPointF star = dice.awayFromCentre(0.3);
        const double r = dice.range(0.5, 1.8);
        painter.setBrush(QColor(220, 225, 255, int(dice.range(40, 200))));
        painter.drawEllipse(star, r, r);
    }
    for (int i = 0; i < 14; ++i)
        sparkle(painter, dice.awayFromCentre(0.6), dice.range(6, 14), QColor(210, 220, 255, 200));
    vignette(painter, 0.4);
    painter.end();
    addGrain(image, 3, 0xdee9);
}
