#include "winhelpers/PictureBox.h"

#include "winhelpers/Twips.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::ClickFocus);
    clear();
}

double PictureBox::scaleWidth() const
{
    return PixelsToTwips(contentsRect().width(), LogicalDpi(*this));
}

double PictureBox::scaleHeight() const
{
    return PixelsToTwips(contentsRect().height(), LogicalDpi(*this));
}

void PictureBox::clear()
{
    m_image = QImage(contentsRect().size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_textTop = 0;
    update();
}

void PictureBox::printLine(const QString &text)
{
    QPainter painter(&m_image);
    painter.setFont(font());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font());
    painter.drawText(0, m_textTop + metrics.ascent(), text);
    m_textTop += metrics.height();
    update();
}

void PictureBox::fillBox(QPointF corner1, QPointF corner2, ColorValue color)
{
    const QPoint first = toPixels(corner1).toPoint();
    const QPoint second = toPixels(corner2).toPoint();
    const Rgb rgb = SplitColor(color);
    QPainter painter(&m_image);
    painter.fillRect(QRect(first, second).normalized(), QColor(rgb.red, rgb.green, rgb.blue));
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // Keep what is drawn; a larger box shows white beyond it until it is drawn again.
    QImage grown(contentsRect().size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(Qt::white);
    QPainter(&grown).drawImage(0, 0, m_image);
    m_image = std::move(grown);
    emit resized();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(toTwips(event->position() - contentsRect().topLeft()), event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(toTwips(event->position() - contentsRect().topLeft()), event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

QPointF PictureBox::toTwips(QPointF pixels) const
{
    const double dpi = LogicalDpi(*this);
    return {PixelsToTwips(pixels.x(), dpi), PixelsToTwips(pixels.y(), dpi)};
}

QPointF PictureBox::toPixels(QPointF twips) const
{
    const double dpi = LogicalDpi(*this);
    return {twips.x() * dpi / TwipsPerInch, twips.y() * dpi / TwipsPerInch};
}
