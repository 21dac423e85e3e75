#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// A picture box: shows one picture scaled to the box, either stretched or with its
// proportions kept and centred. Transparent where the picture does not cover it.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads a picture file; throws std::runtime_error when it cannot be read or decoded.
    void loadFromFile(const QString &path);
    // Shows no picture but a plain card with the text, for a picture that is missing.
    void showPlaceholder(const QString &text);
    void clear();

    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage &picture() const { return m_picture; }
    const QString &placeholderText() const { return m_placeholder; }

    void setProportional(bool on);
    bool proportional() const { return m_proportional; }
    // When on, loading a picture gives the box the picture's own size.
    void setAutoSize(bool on) { m_autoSize = on; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QString m_placeholder;
    bool m_proportional = false;
    bool m_autoSize = false;
};
