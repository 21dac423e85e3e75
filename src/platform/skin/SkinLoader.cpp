#include "platform/skin/SkinLoader.h"

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

// One "[section]" of the file: keys in lower case, values trimmed and unquoted.
using Section = QHash<QString, QString>;
using Sections = QHash<QString, Section>;

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Sections and keys match without regard to case and the first occurrence of a key wins,
// as in Windows profile files.
Sections parseIni(const QString &text)
{
    Sections sections;
    Section *current = nullptr;
    const QStringList lines = text.split(u'\n');
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = &sections[line.mid(1, line.size() - 2).trimmed().toLower()];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (current == nullptr || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        if (!current->contains(key))
            current->insert(key, unquoted(line.mid(equals + 1).trimmed()));
    }
    return sections;
}

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
QString fontDeclarations(const Section &font)
{
    QString declarations;
    const QString family = font.value(QStringLiteral("family")).remove(u'"');
    if (!family.isEmpty())
        declarations += QStringLiteral("\n    font-family: \"%1\";").arg(family);
    bool isNumber = false;
    const int size = font.value(QStringLiteral("size")).toInt(&isNumber);
    if (isNumber && size >= 6 && size <= 72)
        declarations += QStringLiteral("\n    font-size: %1pt;").arg(size);
    return declarations;
}

}

QString styleSheetFor(const QString &skinFile)
{
    const Sections sections = parseIni(readText(skinFile));
    const Section skin = sections.value(QStringLiteral("skin"));
    const Section colors = sections.value(QStringLiteral("colors"));
    const QString fonts = fontDeclarations(sections.value(QStringLiteral("font")));
    const QString extraSheetName = skin.value(QStringLiteral("stylesheet"));

    bool recognised = skin.contains(QStringLiteral("name")) || !extraSheetName.isEmpty() || !fonts.isEmpty();
    QHash<QString, QColor> palette;
    for (const ColorKey &key : colorKeys) {
        QColor color = QColor::fromString(colors.value(QString::fromLatin1(key.name).toLower()));
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
