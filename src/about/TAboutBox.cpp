#include "about/TAboutBox.h"

#include "common/Uglobal.h"
#include "platform/Shell.h"
#include "platform/ToolbarIcons.h"
#include "platform/skin/SkinLoader.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

const QString MakerName = QStringLiteral("Quellmark Software");
const QString MakerAddress = QStringLiteral("https://www.quellmark.org");

QString GetVersionString()
{
    const QStringList parts = QStringLiteral(QUELLMARK_VERSION).split(QLatin1Char('.'));
    QStringList numbers;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint value = i < parts.size() ? parts[i].toUInt(&ok) : 0;
        numbers.append(QString::number(ok ? (value & 0xffff) : 0));
    }
    return numbers.join(QLatin1Char('.'));
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(375, 275);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("ContentPane"));
    content->setGeometry(0, 0, 375, 240);

    ProgramIcon = new QLabel(content);
    ProgramIcon->setGeometry(16, 16, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ToolbarIcons::programIcon().pixmap(65, 57));

    ProductName = new QLabel(QStringLiteral("Quellmark"), content);
    ProductName->setGeometry(100, 18, 260, 28);
    QFont nameFont = ProductName->font();
    nameFont.setPointSize(16);
    nameFont.setBold(true);
    ProductName->setFont(nameFont);

    Version = new QLabel(content);
    Version->setGeometry(100, 50, 260, 22);

    MakerLink = new QLabel(content);
    MakerLink->setGeometry(16, 100, 343, 60);
    MakerLink->setWordWrap(true);
    MakerLink->setCursor(Qt::PointingHandCursor);
    MakerLink->setTextFormat(Qt::RichText);
    MakerLink->setText(QStringLiteral("%1<br><a href=\"%2\">%2</a>").arg(MakerName.toHtmlEscaped(), MakerAddress));
    MakerLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(MakerLink, &QLabel::linkActivated, this, [this] { MakerLinkClick(); });

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ButtonStrip"));
    strip->setGeometry(0, 240, 375, 35);
    bsSkinButton1 = new QPushButton(QStringLiteral("OK"), strip);
    bsSkinButton1->setGeometry((375 - 75) / 2, (35 - 25) / 2, 75, 25);
    bsSkinButton1->setDefault(true);
    connect(bsSkinButton1, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TAboutBox::FormCreate()
{
    SkinLoader::applySkin(this, SkinFile);
    Version->setText(QStringLiteral("Version") + GetVersionString());
}

void TAboutBox::MakerLinkClick()
{
    Shell::OpenUrl(QUrl(MakerAddress));
}
