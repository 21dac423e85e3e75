#include "platform/PictureBox.h"

#include "platform/DecodedPictures.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::loadFromFile(const QString &path)
{
    m_picture = DecodedPictures::decode(path, m_autoSize ? QSize() : size(), m_proportional);
    m_placeholder.clear();
    if (m_autoSize)
        resize(m_picture.size());
    update();
}

void PictureBox::showPlaceholder(const QString &text)
{
    m_picture = QImage();
    m_placeholder = text;
    update();
}

void PictureBox::clear()
{
    m_picture = QImage();
    m_placeholder.clear();
    update();
}

void PictureBox::setProportional(bool on)
{
    m_proportional = on;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        QRect target = rect();
        if (m_proportional) {
            const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
            target = QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_picture);
        return;
    }
    if (m_placeholder.isEmpty())
        return;
    const QRect card = rect().adjusted(width() / 8, height() / 8, -width() / 8, -height() / 8);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 3));
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(card, 24, 24);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(12, card.height() / 8));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(card, Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
}
