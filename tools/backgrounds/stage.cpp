#include "backgrounds.h"
#include "canvas.h"

#include <QConicalGradient>
#include <QLineF>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

const QRect kCanvas(0, 0, kWidth, kHeight);
constexpr double kFloorTop = 850;

// Vertical velvet folds: a repeating light-dark ramp across x.
QLinearGradient velvet(double foldWidth, const QColor &light, const QColor &dark)
{
    QLinearGradient folds(QPointF(0, 0), QPointF(foldWidth, 0));
    folds.setSpread(QGradient::RepeatSpread);
    folds.setColorAt(0, dark);
    folds.setColorAt(0.45, light);
    folds.setColorAt(0.6, light.darker(115));
    folds.setColorAt(1, dark);
    return folds;
}

// A cone of light around the line from `source` to `target`, soft at its edges.
void beam(QPainter &painter, QPointF source, QPointF target, const QColor &colour)
{
    const QLineF axis(source, target);
    const double half = std::atan2(230.0, axis.length()) * 180.0 / std::numbers::pi / 360.0;
    QConicalGradient cone(source, axis.angle() - 180);
    cone.setColorAt(0, withAlpha(colour, 0));
    cone.setColorAt(0.5 - half, withAlpha(colour, 0));
    cone.setColorAt(0.5 - half * 0.55, withAlpha(colour, 50));
    cone.setColorAt(0.5, withAlpha(colour, 105));
    cone.setColorAt(0.5 + half * 0.55, withAlpha(colour, 50));
    cone.setColorAt(0.5 + half, withAlpha(colour, 0));
    cone.setColorAt(1, withAlpha(colour, 0));
    painter.fillRect(QRectF(0, 0, kWidth, kFloorTop + 80), cone);
}

void pool(QPainter &painter, QPointF centre, const QColor &colour)
{
    painter.save();
    painter.translate(centre);
    painter.scale(1, 0.22);
    glow(painter, QPointF(0, 0), 330, withAlpha(colour, 150));
    painter.restore();
}

void spotlights(QPainter &painter)
{
    struct Light { QPointF source; QPointF target; QColor colour; };
    const QColor warm(255, 236, 200);
    const QColor amber(255, 210, 160);
    const Light lights[] = {
        {QPointF(kWidth * 0.2, -40), QPointF(kWidth * 0.36, kFloorTop + 70), warm},
        {QPointF(kWidth * 0.8, -40), QPointF(kWidth * 0.64, kFloorTop + 70), warm},
        {QPointF(kWidth * 0.4, -40), QPointF(kWidth * 0.5, kFloorTop + 80), amber},
        {QPointF(kWidth * 0.6, -40), QPointF(kWidth * 0.5, kFloorTop + 80), amber},
    };

    // The beams are drawn on their own layer so they can fade out towards the floor.
    QImage layer(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter light(&layer);
    for (const Light &each : lights)
        beam(light, each.source, each.target, each.colour);
    light.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QLinearGradient fade(QPointF(0, 0), QPointF(0, kFloorTop + 80));
    fade.setColorAt(0, QColor(0, 0, 0, 255));
    fade.setColorAt(0.75, QColor(0, 0, 0, 150));
    fade.setColorAt(1, QColor(0, 0, 0, 0));
    light.fillRect(layer.rect(), fade);
    light.end();

    painter.setCompositionMode(QPainter::CompositionMode_Screen);
    painter.drawImage(0, 0, layer);
    for (const Light &each : lights)
        pool(painter, each.target, each.colour);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QPainterPath sideCurtain(bool right)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(430, 0);
    path.cubicTo(380, 300, 180, 520, 170, 640);
    path.cubicTo(165, 760, 250, 900, 300, kHeight);
    path.lineTo(0, kHeight);
    path.closeSubpath();
    if (right)
        return QTransform(-1, 0, 0, 1, kWidth, 0).map(path);
    return path;
}

void curtains(QPainter &painter)
{
    const QLinearGradient folds = velvet(74, QColor(190, 26, 40), QColor(70, 4, 14));
    for (bool right : {false, true}) {
        const QPainterPath drape = sideCurtain(right);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawPath(drape.translated(right ? -10 : 10, 0));
        painter.setBrush(folds);
        painter.drawPath(drape);
        QLinearGradient shade(QPointF(0, 0), QPointF(0, kHeight));
        shade.setColorAt(0, QColor(0, 0, 0, 90));
        shade.setColorAt(0.4, QColor(0, 0, 0, 0));
        shade.setColorAt(1, QColor(0, 0, 0, 120));
        painter.setBrush(shade);
        painter.drawPath(drape);

        // The gold rope that ties the drape back.
        const double x = right ? kWidth - 175 : 175;
        const QPointF knot(x, 640);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(goldGradient(knot - QPointF(90, 10), knot + QPointF(90, 10)), 10, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(right ? kWidth : 0, 620), knot);
        painter.setPen(Qt::NoPen);
        painter.setBrush(goldGradient(knot - QPointF(16, 16), knot + QPointF(16, 16)));
        painter.drawEllipse(knot, 16, 16);
        painter.drawRect(QRectF(x - 7, 656, 14, 70));
    }
}

void valance(QPainter &painter)
{
    const int scallops = 7;
    const double depth = 130;
    const double width = double(kWidth) / scallops;
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(kWidth, 0);
    band.lineTo(kWidth, depth);
    for (int i = scallops; i > 0; --i) {
        const double from = i * width;
        band.quadTo(from - width / 2, depth + 70, from - width, depth);
    }
    band.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(band.translated(0, 12));
    painter.setBrush(velvet(46, QColor(176, 22, 36), QColor(80, 6, 16)));
    painter.drawPath(band);

    QPainterPath hem;
    hem.moveTo(0, depth);
    for (int i = 0; i < scallops; ++i)
        hem.quadTo(i * width + width / 2, depth + 70, (i + 1) * width, depth);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(goldGradient(QPointF(0, 0), QPointF(kWidth, 0)), 8));
    painter.drawPath(hem);
    painter.setPen(QPen(QColor(232, 180, 62, 200), 4, Qt::SolidLine, Qt::RoundCap));
    for (double t = 0; t <= 1.0; t += 1.0 / 220) {
        const QPointF point = hem.pointAtPercent(t);
        painter.drawLine(point, point + QPointF(0, 16));
    }
}

} // namespace

void paintStage(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Dice dice(0xb9);

    QRadialGradient backdrop(QPointF(kWidth / 2.0, kHeight * 0.45), kWidth * 0.6);
    backdrop.setColorAt(0, QColor(128, 22, 42));
    backdrop.setColorAt(0.55, QColor(62, 8, 22));
    backdrop.setColorAt(1, QColor(16, 2, 8));
    painter.fillRect(kCanvas, backdrop);
    QLinearGradient backFolds(QPointF(0, 0), QPointF(96, 0));
    backFolds.setSpread(QGradient::RepeatSpread);
    backFolds.setColorAt(0, QColor(0, 0, 0, 0));
    backFolds.setColorAt(0.5, QColor(0, 0, 0, 55));
    backFolds.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(0, 0, kWidth, kFloorTop), backFolds);

    QLinearGradient floor(QPointF(0, kFloorTop), QPointF(0, kHeight));
    floor.setColorAt(0, QColor(56, 16, 22));
    floor.setColorAt(1, QColor(12, 3, 6));
    painter.fillRect(QRectF(0, kFloorTop, kWidth, kHeight - kFloorTop), floor);
    painter.setPen(QPen(QColor(232, 180, 62, 150), 3));
    painter.drawLine(QPointF(0, kFloorTop), QPointF(kWidth, kFloorTop));

    spotlights(painter);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const double r = dice.range(0.6, 2.0);
        painter.setBrush(QColor(255, 230, 180, int(dice.range(30, 140))));
        painter.drawEllipse(QPointF(dice.range(kWidth * 0.2, kWidth * 0.8), dice.range(60, kFloorTop)), r, r);
    }

    curtains(painter);
    valance(painter);
    vignette(painter, 0.45);
    painter.end();
    addGrain(image, 3, 0xb9);
}
