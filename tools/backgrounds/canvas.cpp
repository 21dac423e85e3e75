#include "canvas.h"

#include <QFont>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

Dice::Dice(quint32 seed)
    : m_generator(seed)
{
}

double Dice::range(double low, double high)
{
    return low + m_generator.generateDouble() * (high - low);
}

int Dice::below(int count)
{
    return int(m_generator.bounded(count));
}

bool Dice::chance(double probability)
{
    return m_generator.generateDouble() < probability;
}

QPointF Dice::awayFromCentre(double calm)
{
    for (;;) {
        const double x = range(0, kWidth);
        const double y = range(0, kHeight);
        const double dx = (x - kWidth / 2.0) / (kWidth / 2.0);
        const double dy = (y - kHeight / 2.0) / (kHeight / 2.0);
        if (dx * dx + dy * dy >= calm * calm)
            return {x, y};
    }
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

void glow(QPainter &painter, QPointF centre, double radius, const QColor &colour)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.4, withAlpha(colour, colour.alpha() / 2));
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void vignette(QPainter &painter, double strength)
{
    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    QRadialGradient gradient(centre, std::hypot(kWidth, kHeight) / 2.0);
    gradient.setColorAt(0.45, QColor(0, 0, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 0, int(255 * strength)));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), gradient);
}

void addGrain(QImage &image, int amplitude, quint32 seed)
{
    QRandomGenerator generator(seed);
    const int span = 2 * amplitude + 1;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int delta = int(generator.bounded(span)) - amplitude;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + delta, 0, 255),
                           std::clamp(qGreen(pixel) + delta, 0, 255),
                           std::clamp(qBlue(pixel) + delta, 0, 255));
        }
    }
}

QLinearGradient goldGradient(QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, QColor(255, 236, 160));
    gradient.setColorAt(0.35, QColor(232, 180, 62));
    gradient.setColorAt(0.6, QColor(255, 218, 112));
    gradient.setColorAt(1, QColor(176, 116, 24));
    return gradient;
}

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turnDegrees)
{
    QPainterPath path;
    const double turn = turnDegrees * std::numbers::pi / 180.0;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = turn - std::numbers::pi / 2 + i * std::numbers::pi / points;
        const QPointF corner = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF tip, double size, double turnDegrees)
{
    const double s = size;
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(-0.55 * s, -0.35 * s, -0.62 * s, -0.92 * s, -0.27 * s, -1.0 * s);
    path.cubicTo(-0.1 * s, -1.04 * s, 0, -0.92 * s, 0, -0.78 * s);
    path.cubicTo(0, -0.92 * s, 0.1 * s, -1.04 * s, 0.27 * s, -1.0 * s);
    path.cubicTo(0.62 * s, -0.92 * s, 0.55 * s, -0.35 * s, 0, 0);
    path.closeSubpath();
    QTransform transform;
    transform.translate(tip.x(), tip.y());
    transform.rotate(turnDegrees);
    return transform.map(path);
}

void sparkle(QPainter &painter, QPointF centre, double size, const QColor &colour)
{
    glow(painter, centre, size * 1.2, withAlpha(colour, colour.alpha() / 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(starPath(centre, size, size * 0.14, 4, 0));
    painter.setBrush(withAlpha(Qt::white, colour.alpha()));
    painter.drawEllipse(centre, size * 0.12, size * 0.12);
}

void bokeh(QPainter &painter, Dice &dice, int count, const QList<QColor> &palette,
           double minRadius, double maxRadius, double calm)
{
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre = dice.awayFromCentre(calm);
        const double radius = dice.range(minRadius, maxRadius);
        const QColor colour = withAlpha(dice.pick(palette), int(dice.range(25, 110)));
        // A real out-of-focus light is a flat disc with a slightly brighter rim.
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0, withAlpha(colour, colour.alpha() * 4 / 5));
        gradient.setColorAt(0.88, colour);
        gradient.setColorAt(0.97, withAlpha(colour, std::min(255, colour.alpha() * 6 / 5)));
        gradient.setColorAt(1, withAlpha(colour, 0));
        painter.setBrush(gradient);
        painter.drawEllipse(centre, radius, radius);
    }
}

void caption(QPainter &painter, const QRectF &box, const QString &text, int pixelSize,
             const QColor &fill)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(box.translated(pixelSize * 0.04, pixelSize * 0.06), Qt::AlignCenter, text);
    painter.setPen(fill);
    painter.drawText(box, Qt::AlignCenter, text);
}
