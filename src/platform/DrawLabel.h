#pragma once

#include <QLabel>
#include <QString>

// The large transparent text over the picture area. Its caption keeps lines apart with a
// carriage return, the separator the draw records by; font face, size and colour are
// properties of their own so that the skin's style never overrides them.
class DrawLabel : public QLabel
{
    Q_OBJECT
public:
    enum class VerticalLayout { Centre, Bottom };

    explicit DrawLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    const QString &caption() const { return m_caption; }

    void setFontName(const QString &name);
    void setFontSize(int points);
    void setFontColor(qint32 color);
    const QString &fontName() const { return m_fontName; }
    int fontSize() const { return m_fontSize; }
    qint32 fontColor() const { return m_fontColor; }

    void setVerticalLayout(VerticalLayout layout);
    VerticalLayout verticalLayout() const { return m_layout; }

private:
    void applyLook();

    QString m_caption;
    QString m_fontName;
    int m_fontSize = 0;
    qint32 m_fontColor = 0;
    VerticalLayout m_layout = VerticalLayout::Centre;
};
