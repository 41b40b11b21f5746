#include "winhelpers/PictureBox.h"

#include "winhelpers/FormControls.h"
#include "winhelpers/Twips.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Tab reaches it too, so that the keyboard and a screen reader meet what it shows.
    setFocusPolicy(Qt::StrongFocus);
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
    fitImage();
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
    const Box box {corner1, corner2, color};
    fillBoxes({&box, 1});
}

void PictureBox::fillBoxes(std::span<const Box> boxes)
{
    fitImage();
    QPainter painter(&m_image);
    for (const Box &box : boxes) {
        const QPoint first = toPixels(box.corner1).toPoint();
        const QPoint second = toPixels(box.corner2).toPoint();
        const Rgb rgb = SplitColor(box.color);
        painter.fillRect(QRect(first, second).normalized(), QColor(rgb.red, rgb.green, rgb.blue));
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_image);
    if (hasFocus())
        DrawFocusRing(painter, rect(), palette());
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitImage();
    emit resized();
}

// A box that is not shown yet gets its resize event only when it is shown, so drawing first
// brings the picture to the box's size.
void PictureBox::fitImage()
{
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (m_image.size() == size)
        return;
    // Keep what is drawn; a larger box shows white beyond it until it is drawn again.
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    QPainter(&fitted).drawImage(0, 0, m_image);
    m_image = std::move(fitted);
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

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
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
