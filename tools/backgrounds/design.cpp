#include "backgrounds.h"
#include "canvas.h"

namespace {

const QRect kCanvas(0, 0, kWidth, kHeight);

void dotGrid(QPainter &painter, QPointF origin, int columns, int rows, double gap, double radius,
             const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            painter.drawEllipse(origin + QPointF(column * gap, row * gap), radius, radius);
    }
}

QPainterPath zigzag(QPointF start, int teeth, double width, double height)
{
    QPainterPath path;
    path.moveTo(start);
    for (int i = 1; i <= teeth * 2; ++i)
        path.lineTo(start + QPointF(i * width / 2, i % 2 == 1 ? -height : 0));
    return path;
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

} // namespace

void paintAbstract(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(QPointF(0, 0), QPointF(kWidth, kHeight));
    base.setColorAt(0, QColor(34, 30, 56));
    base.setColorAt(1, QColor(16, 16, 30));
    painter.fillRect(kCanvas, base);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 94, 87, 235));
    painter.drawEllipse(QPointF(-40, -60), 430, 430);
    painter.setBrush(QColor(255, 196, 61, 220));
    painter.drawEllipse(QPointF(260, 210), 150, 150);
    painter.setBrush(QColor(0, 184, 170, 230));
    painter.drawEllipse(QPointF(kWidth + 60, kHeight + 80), 520, 520);
    painter.setBrush(QColor(140, 82, 255, 210));
    painter.drawEllipse(QPointF(230, kHeight + 40), 290, 290);
    painter.setBrush(QColor(255, 80, 160, 200));
    painter.drawPath(triangle(QPointF(kWidth - 620, 0), QPointF(kWidth, 0), QPointF(kWidth, 520)));
    painter.setBrush(QColor(255, 196, 61, 230));
    painter.drawEllipse(QPointF(kWidth - 260, 230), 120, 120);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 6));
    painter.drawEllipse(QPointF(kWidth - 470, kHeight - 250), 190, 190);
    painter.drawEllipse(QPointF(560, 110), 60, 60);
    painter.setPen(QPen(QColor(255, 196, 61), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(zigzag(QPointF(560, kHeight - 90), 6, 70, 40));
    painter.setPen(QPen(QColor(0, 184, 170), 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kWidth - 760, 90), QPointF(kWidth - 560, 290));

    dotGrid(painter, QPointF(90, 560), 6, 6, 34, 5, QColor(255, 255, 255, 130));
    dotGrid(painter, QPointF(kWidth - 300, 600), 5, 4, 34, 5, QColor(255, 255, 255, 110));
    painter.end();
    addGrain(image, 2, 0xab5);
}

void paintModern(QImage &image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor navy(30, 42, 68);
    const QColor teal(42, 157, 143);
    const QColor sand(233, 196, 106);
    const QColor coral(231, 111, 81);
    const QColor cream(244, 238, 224);
    painter.fillRect(kCanvas, navy);

    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawEllipse(QPointF(0, 0), 380, 380);
    painter.setBrush(sand);
    painter.drawPie(QRectF(-190, -190, 380, 380), -90 * 16, 90 * 16);
    painter.setBrush(coral);
    painter.drawPath(triangle(QPointF(0, kHeight), QPointF(0, kHeight - 330), QPointF(330, kHeight)));
    painter.setBrush(cream);
    painter.drawRect(QRectF(380, kHeight - 90, 90, 90));

    painter.setBrush(sand);
    painter.drawPath(triangle(QPointF(kWidth, kHeight), QPointF(kWidth - 560, kHeight),
                              QPointF(kWidth, kHeight - 420)));
    painter.setBrush(coral);
    painter.drawEllipse(QPointF(kWidth - 250, kHeight - 330), 130, 130);
    painter.setBrush(teal);
    painter.drawRect(QRectF(kWidth - 120, 0, 120, 420));
    painter.setBrush(cream);
    painter.drawPie(QRectF(kWidth - 180, 420, 120, 120), 90 * 16, 180 * 16);

    // Thin parallel bars to the top right, flat and crisp.
    painter.setBrush(QColor(244, 238, 224, 70));
    for (int i = 0; i < 7; ++i)
        painter.drawRect(QRectF(kWidth - 520 + i * 36, 60, 12, 240));

    dotGrid(painter, QPointF(90, 470), 4, 6, 40, 5, QColor(244, 238, 224, 120));
    painter.setPen(QPen(cream, 6, Qt::SolidLine, Qt::SquareCap));
    for (const QPointF &plus : {QPointF(520, 120), QPointF(kWidth - 660, kHeight - 130),
                                QPointF(200, kHeight - 460)}) {
        painter.drawLine(plus - QPointF(16, 0), plus + QPointF(16, 0));
        painter.drawLine(plus - QPointF(0, 16), plus + QPointF(0, 16));
    }
}
