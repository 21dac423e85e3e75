#include "platform/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace ToolbarIcons {
namespace {

const int Size = 48;

QPixmap canvas()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPixmap drawn(Picture picture)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (picture) {
    case Picture::Options:
        p.setBrush(QColor(120, 130, 150));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(24, 24);
            p.rotate(i * 45);
            p.drawRect(-4, -20, 8, 10);
            p.restore();
        }
        p.drawEllipse(QPointF(24, 24), 13, 13);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24, 24), 5, 5);
        break;
    case Picture::WinnerList:
        p.setBrush(QColor(250, 250, 245));
        p.drawRoundedRect(8, 4, 32, 40, 4, 4);
        p.setPen(QPen(QColor(200, 150, 20), 3));
        for (int y = 16; y <= 36; y += 10)
            p.drawLine(16, y, 34, y);
        break;
    case Picture::Help:
        p.setBrush(QColor(40, 110, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(4, 4, 40, 40);
        p.setPen(Qt::white);
        {
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(30);
            p.setFont(font);
        }
        p.drawText(QRect(4, 4, 40, 40), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Picture::Exit:
        p.setPen(QPen(QColor(190, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRect(8, 10, 32, 32), 120 * 16, 300 * 16);
        p.drawLine(24, 4, 24, 24);
        break;
    }
    return pixmap;
}

QString themeName(Picture picture)
{
    switch (picture) {
    case Picture::Options: return QStringLiteral("preferences-system");
    case Picture::WinnerList: return QStringLiteral("x-office-address-book");
    case Picture::Help: return QStringLiteral("help-browser");
    case Picture::Exit: return QStringLiteral("application-exit");
    }
    return QString();
}

}

QIcon icon(Picture picture)
{
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    const QString name = themeName(picture);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    if (QIcon::hasThemeIcon(name + QStringLiteral("-symbolic")))
        return QIcon::fromTheme(name + QStringLiteral("-symbolic"));
    return QIcon(drawn(picture));
}

QIcon programIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ticket(0, 8, 0, 56);
    ticket.setColorAt(0, QColor(220, 40, 50));
    ticket.setColorAt(1, QColor(140, 10, 30));
    p.setPen(QPen(QColor(90, 0, 10), 2));
    p.setBrush(ticket);
    p.drawRoundedRect(QRectF(3, 12, 58, 40), 8, 8);
    QLinearGradient gold(0, 16, 0, 48);
    gold.setColorAt(0, QColor(255, 230, 120));
    gold.setColorAt(1, QColor(220, 150, 20));
    p.setPen(QPen(QColor(120, 70, 0), 1.5));
    p.setBrush(gold);
    p.drawPath(star(QPointF(32, 33), 17, 7));
    return QIcon(pixmap);
}
}
