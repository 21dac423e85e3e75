#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Every picture owns a fixed seed, so two builds write identical files.
class Dice
{
public:
    explicit Dice(quint32 seed);

    double range(double low, double high);
    int below(int count);
    bool chance(double probability);
    template<typename T>
    const T &pick(const QList<T> &items) { return items.at(below(int(items.size()))); }
    // A point outside the central ellipse whose half-axes are `calm` of the canvas's,
    // because names and photos are shown in the middle.
    QPointF awayFromCentre(double calm);

private:
    QRandomGenerator m_generator;
};

QColor withAlpha(QColor colour, int alpha);
void glow(QPainter &painter, QPointF centre, double radius, const QColor &colour);
void vignette(QPainter &painter, double strength);
void addGrain(QImage &image, int amplitude, quint32 seed);
QLinearGradient goldGradient(QPointF from, QPointF to);
QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turnDegrees);
// The tip sits at `tip`; the lobes point away from it in the direction `turnDegrees` (0 = up).
QPainterPath heartPath(QPointF tip, double size, double turnDegrees);
void sparkle(QPainter &painter, QPointF centre, double size, const QColor &colour);
void bokeh(QPainter &painter, Dice &dice, int count, const QList<QColor> &palette,
           double minRadius, double maxRadius, double calm);
void caption(QPainter &painter, const QRectF &box, const QString &text, int pixelSize,
             const QColor &fill);
