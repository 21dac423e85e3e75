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

// Plain QWidget containers get no background on purpose: the draw window's picture area and
// the picture boxes must stay see-through, so only real windows and panels are painted.
// Text colour and font go to the controls and to labels in dialogs and bars, never to the
// big draw labels over the picture, whose font and colour the operator chooses.
const char styleTemplate[] = R"(
QMainWindow, QDialog {
    background-color: @window@;
}
QDialog, QMenu, QToolTip, QPushButton, QToolButton, QComboBox, QSpinBox, QDoubleSpinBox,
QLineEdit, QTextEdit, QPlainTextEdit, QCheckBox, QRadioButton, QGroupBox, QTabBar,
QTableView, QListView, QTreeView, QHeaderView, QMenuBar, QStatusBar,
QDialog QLabel, QToolBar QLabel, #bsSkinPanel2 QLabel {
    color: @text@;@font@
}
QLabel, #bsSkinPanel1 {
    background: transparent;
}
QLabel:disabled, QCheckBox:disabled, QRadioButton:disabled, QGroupBox:disabled {
    color: @disabledText@;
}
#bsSkinPanel2, QToolBar, QMenuBar, QStatusBar {
    background-color: @panel@;
}
#bsSkinPanel2 {
    border-top: 1px solid @border@;
}
QToolBar {
    border: none;
    spacing: 4px;
    padding: 2px;
}

QPushButton, QToolButton {
    background-color: @button@;
    color: @buttonText@;
    border: 1px solid @border@;
    border-radius: 4px;
    padding: 4px 14px;
}
QToolButton {
    padding: 3px 6px;
}
QPushButton:hover, QToolButton:hover {
    background-color: @buttonHover@;
}
QPushButton:pressed, QToolButton:pressed, QToolButton:checked {
    background-color: @buttonPressed@;
}
QPushButton:default {
    border-color: @accent@;
}
QPushButton:focus, QToolButton:focus {
    border: 2px solid @accent@;
    padding: 3px 13px;
}
QToolButton:focus {
    padding: 2px 5px;
}
QPushButton:disabled, QToolButton:disabled {
    color: @disabledText@;
    border-color: @disabledText@;
}

QLineEdit, QTextEdit, QPlainTextEdit, QSpinBox, QDoubleSpinBox, QComboBox {
    background-color: @input@;
    color: @inputText@;
    border: 1px solid @border@;
    border-radius: 3px;
    padding: 2px 4px;
    selection-background-color: @selection@;
    selection-color: @selectionText@;
}
QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus, QSpinBox:focus, QDoubleSpinBox:focus, QComboBox:focus {
    border-color: @accent@;
}
QLineEdit:disabled, QTextEdit:disabled, QPlainTextEdit:disabled, QSpinBox:disabled, QDoubleSpinBox:disabled, QComboBox:disabled {
    color: @disabledText@;
}
QSpinBox::up-button, QSpinBox::down-button, QDoubleSpinBox::up-button, QDoubleSpinBox::down-button {
    subcontrol-origin: padding;
    width: 16px;
    background-color: @button@;
    border-left: 1px solid @border@;
}
QSpinBox::up-button, QDoubleSpinBox::up-button {
    subcontrol-position: top right;
}
QSpinBox::down-button, QDoubleSpinBox::down-button {
    subcontrol-position: bottom right;
}
QSpinBox::up-button:hover, QSpinBox::down-button:hover, QDoubleSpinBox::up-button:hover, QDoubleSpinBox::down-button:hover {
    background-color: @buttonHover@;
}
QSpinBox::up-button:pressed, QSpinBox::down-button:pressed, QDoubleSpinBox::up-button:pressed, QDoubleSpinBox::down-button:pressed {
    background-color: @buttonPressed@;
}
QComboBox::drop-down {
    subcontrol-origin: padding;
    subcontrol-position: top right;
    width: 18px;
    background-color: @button@;
    border-left: 1px solid @border@;
}
QSpinBox::up-arrow, QDoubleSpinBox::up-arrow {
    image: url("@arrowUp@");
}
QSpinBox::down-arrow, QDoubleSpinBox::down-arrow, QComboBox::down-arrow {
    image: url("@arrowDown@");
}
QComboBox QAbstractItemView {
    background-color: @input@;
    color: @inputText@;
    border: 1px solid @border@;
    selection-background-color: @selection@;
    selection-color: @selectionText@;
    outline: 0;
}

QSlider {
    background: transparent;
}
QSlider::groove:horizontal {
    height: 6px;
    background-color: @input@;
    border: 1px solid @border@;
    border-radius: 3px;
}
QSlider::sub-page:horizontal {
    background-color: @selection@;
    border: 1px solid @border@;
    border-radius: 3px;
}
QSlider::handle:horizontal {
    width: 14px;
    margin: -5px 0;
    background-color: @accent@;
    border: 1px solid @border@;
    border-radius: 7px;
}
QSlider::groove:vertical {
    width: 6px;
    background-color: @input@;
    border: 1px solid @border@;
    border-radius: 3px;
}
QSlider::add-page:vertical {
    background-color: @selection@;
    border: 1px solid @border@;
    border-radius: 3px;
}
QSlider::handle:vertical {
    height: 14px;
    margin: 0 -5px;
    background-color: @accent@;
    border: 1px solid @border@;
    border-radius: 7px;
}

QCheckBox, QRadioButton {
    background: transparent;
    spacing: 6px;
}
QCheckBox::indicator, QRadioButton::indicator {
    width: 12px;
    height: 12px;
    background-color: @input@;
    border: 1px solid @border@;
}
QCheckBox::indicator {
    border-radius: 2px;
}
QRadioButton::indicator {
    border-radius: 7px;
}
QCheckBox::indicator:hover, QRadioButton::indicator:hover {
    border-color: @accent@;
}
QCheckBox::indicator:checked {
    background-color: @accent@;
}
QRadioButton::indicator:checked {
    background-color: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5, fx: 0.5, fy: 0.5,
        stop: 0 @accent@, stop: 0.55 @accent@, stop: 0.65 @input@, stop: 1 @input@);
}
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled {
    border-color: @disabledText@;
}

QGroupBox {
    background-color: @panel@;
    border: 1px solid @border@;
    border-radius: 4px;
    margin-top: 1.4em;
    padding-top: 0.6em;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 6px;
    padding: 0 4px;
    background-color: @caption@;
    color: @captionText@;
    border-radius: 3px;
}

QTabWidget::pane {
    background-color: @panel@;
    border: 1px solid @border@;
    top: -1px;
}
QTabBar::tab {
    background-color: @button@;
    color: @buttonText@;
    border: 1px solid @border@;
    border-bottom: none;
    border-top-left-radius: 4px;
    border-top-right-radius: 4px;
    padding: 5px 12px;
    margin-right: 2px;
}
QTabBar::tab:hover {
    background-color: @buttonHover@;
}
QTabBar::tab:selected {
    background-color: @caption@;
    color: @captionText@;
}

QTableView, QListView, QTreeView {
    background-color: @input@;
    color: @inputText@;
    gridline-color: @border@;
    border: 1px solid @border@;
    selection-background-color: @selection@;
    selection-color: @selectionText@;
}
QHeaderView {
    background-color: @input@;
}
QHeaderView::section, QTableCornerButton::section {
    background-color: @caption@;
    color: @captionText@;
    border: none;
    border-right: 1px solid @border@;
    border-bottom: 1px solid @border@;
    padding: 3px 6px;
}

QScrollBar:horizontal, QScrollBar:vertical {
    background-color: @window@;
    border: none;
    margin: 0;
}
QScrollBar:horizontal {
    height: 12px;
}
QScrollBar:vertical {
    width: 12px;
}
QScrollBar::handle {
    background-color: @button@;
    border: 1px solid @border@;
    border-radius: 5px;
}
QScrollBar::handle:horizontal {
    min-width: 24px;
}
QScrollBar::handle:vertical {
    min-height: 24px;
}
QScrollBar::handle:hover {
    background-color: @buttonHover@;
}
QScrollBar::add-line, QScrollBar::sub-line {
    width: 0;
    height: 0;
}
QScrollBar::add-page, QScrollBar::sub-page {
    background: none;
}

QProgressBar {
    background-color: @input@;
    color: @inputText@;
    border: 1px solid @border@;
    border-radius: 3px;
    text-align: center;
}
QProgressBar::chunk {
    background-color: @accent@;
}

QMenuBar::item {
    background: transparent;
    padding: 3px 8px;
}
QMenuBar::item:selected, QMenu::item:selected {
    background-color: @selection@;
    color: @selectionText@;
}
QMenu {
    background-color: @window@;
    border: 1px solid @border@;
    padding: 3px;
}
QMenu::item {
    background: transparent;
    padding: 4px 22px;
}
QMenu::item:disabled {
    color: @disabledText@;
}
QMenu::separator {
    height: 1px;
    background-color: @border@;
    margin: 3px 6px;
}

QToolTip {
    background-color: @caption@;
    color: @captionText@;
    border: 1px solid @border@;
    padding: 3px;
}
)";

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

    QString sheet = QString::fromUtf8(styleTemplate);
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
