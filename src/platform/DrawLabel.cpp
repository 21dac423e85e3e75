#include "platform/DrawLabel.h"

#include "common/Colors.h"

DrawLabel::DrawLabel(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setVerticalLayout(VerticalLayout::Centre);
    applyLook();
}

void DrawLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void DrawLabel::setFontName(const QString &name)
{
    m_fontName = name;
    applyLook();
}

void DrawLabel::setFontSize(int points)
{
    m_fontSize = points;
    applyLook();
}

void DrawLabel::setFontColor(qint32 color)
{
    m_fontColor = color;
    applyLook();
}

void DrawLabel::setVerticalLayout(VerticalLayout layout)
{
    m_layout = layout;
    setAlignment(Qt::AlignHCenter | (layout == VerticalLayout::Bottom ? Qt::AlignBottom : Qt::AlignVCenter));
}

void DrawLabel::applyLook()
{
    QString sheet = QStringLiteral("background: transparent; font-weight: bold; color: %1;")
                        .arg(ColorFromValue(m_fontColor).name());
    if (!m_fontName.isEmpty())
        sheet += QStringLiteral(" font-family: \"%1\";").arg(QString(m_fontName).remove(QLatin1Char('"')));
    if (m_fontSize > 0)
        sheet += QStringLiteral(" font-size: %1pt;").arg(m_fontSize);
    setStyleSheet(sheet);
}
