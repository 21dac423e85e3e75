#include "platform/skin/SkinLoader.h"

#include "platform/IniFile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QWidget>

namespace SkinLoader {
namespace {

struct ColorKey
{
    const char *name;
    const char *fallback;
};

// Every colour a skin may set, with the neutral value used when the file leaves it out.
const ColorKey colorKeys[] = {
    {"window", "#f0f0f0"},
    {"panel", "#e4e4e4"},
    {"text", "#202020"},
    {"disabledText", "#8c8c8c"},
    {"button", "#e1e1e1"},
    {"buttonText", "#202020"},
    {"buttonHover", "#ebebeb"},
    {"buttonPressed", "#cccccc"},
    {"accent", "#3874c8"},
    {"border", "#a0a0a0"},
    {"input", "#ffffff"},
    {"inputText", "#202020"},
    {"selection", "#3874c8"},
    {"selectionText", "#ffffff"},
    {"caption", "#5a5a5a"},
    {"captionText", "#ffffff"},
};

QString cssColor(const QColor &color)
{
    if (color.alpha() == 255)
        return color.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(color.red()).arg(color.green()).arg(color.blue()).arg(color.alpha());
}


// The style every skin fills in with its colours and fonts; "@name@" marks a value.
QString styleTemplate()
{
    QFile file(QStringLiteral(":/skin/SkinStyle.qss"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString readText(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// Style sheets draw no arrows on styled spin and combo buttons, so the arrows are painted in
// the skin's button text colour and kept as small files in a folder of this process's own
// (never shared, so nobody else's file is taken for ours). Returns an empty text when the
// file cannot be written; the buttons then show no arrow.
QString arrowFile(Qt::ArrowType direction, const QColor &color)
{
    const QString name = QStringLiteral("quellmark-arrow-%1-%2.png")
                             .arg(direction == Qt::UpArrow ? QStringLiteral("up") : QStringLiteral("down"),
                                  color.name(QColor::HexArgb).mid(1));
    static QTemporaryDir folder;
    if (!folder.isValid())
        return {};
    const QString path = folder.filePath(name);
    if (QFileInfo::exists(path))
        return path;

    QImage image(9, 5, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (direction == Qt::UpArrow)
        painter.drawPolygon(QPolygonF({{0, 5}, {9, 5}, {4.5, 0}}));
    else
        painter.drawPolygon(QPolygonF({{0, 0}, {9, 0}, {4.5, 5}}));
    painter.end();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return {};
    return path;
}

// Returns the font declarations, or an empty text when the file names no usable font.
QString fontDeclarations(const IniFile &skin)
{
    QString declarations;
    const QString family = skin.readString(QStringLiteral("font"), QStringLiteral("family"), QString()).remove(u'"');
    if (!family.isEmpty())
        declarations += QStringLiteral("\n    font-family: \"%1\";").arg(family);
    bool isNumber = false;
    const int size = skin.readString(QStringLiteral("font"), QStringLiteral("size"), QString()).toInt(&isNumber);
    if (isNumber && size >= 6 && size <= 72)
        declarations += QStringLiteral("\n    font-size: %1pt;").arg(size);
    return declarations;
}

}

QString styleSheetFor(const QString &skinFile)
{
    if (!QFileInfo(skinFile).isFile())
        return {};
    const IniFile skin(skinFile);
    const QString fonts = fontDeclarations(skin);
    const QString extraSheetName = skin.readString(QStringLiteral("skin"), QStringLiteral("StyleSheet"), QString());

    bool recognised = !skin.readString(QStringLiteral("skin"), QStringLiteral("Name"), QString()).isEmpty()
                      || !extraSheetName.isEmpty() || !fonts.isEmpty();
    QHash<QString, QColor> palette;
    for (const ColorKey &key : colorKeys) {
        QColor color = QColor::fromString(skin.readString(QStringLiteral("colors"), QLatin1String(key.name), QString()));
        if (color.isValid())
            recognised = true;
        else
            color = QColor::fromString(QLatin1String(key.fallback));
        palette.insert(QString::fromLatin1(key.name), color);
    }
    if (!recognised)
        return {};

    QString sheet = styleTemplate();
    for (auto entry = palette.cbegin(); entry != palette.cend(); ++entry)
        sheet.replace(u'@' + entry.key() + u'@', cssColor(entry.value()));
    sheet.replace(QStringLiteral("@font@"), fonts);
    const QColor arrowColor = palette.value(QStringLiteral("buttonText"));
    sheet.replace(QStringLiteral("@arrowUp@"), arrowFile(Qt::UpArrow, arrowColor));
    sheet.replace(QStringLiteral("@arrowDown@"), arrowFile(Qt::DownArrow, arrowColor));

    if (!extraSheetName.isEmpty())
        sheet += readText(QFileInfo(skinFile).dir().filePath(extraSheetName));
    return sheet;
}

bool applySkin(QWidget *window, const QString &skinFile)
{
    if (window == nullptr)
        return false;
    const QString sheet = styleSheetFor(skinFile);
    if (sheet.isEmpty())
        return false;
    window->setStyleSheet(sheet);
    return true;
}

}
