#pragma once

#include <QImage>

// Each paints one full kWidth x kHeight picture onto `image`.

// festive.cpp
void paintLuckyTiger(QImage &image);
void paintLucky(QImage &image);
void paintRed(QImage &image);
void paintGorgeous(QImage &image);

// plain.cpp
void paintPure(QImage &image);
void paintBlue(QImage &image);
void paintGreen(QImage &image);
void paintDeep(QImage &image);

// design.cpp
void paintAbstract(QImage &image);
void paintModern(QImage &image);

// scenes.cpp
void paintNature(QImage &image);
void paintWedding(QImage &image);
void paintClover(QImage &image);

// holidays.cpp
void paintChristmas(QImage &image);
void paintHolidays(QImage &image);
void paintNewYear(QImage &image);

// stage.cpp
void paintStage(QImage &image);
