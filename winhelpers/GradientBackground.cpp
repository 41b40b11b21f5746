#include "winhelpers/GradientBackground.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

GradientBackground::GradientBackground(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("GradientBackground"));
    window.installEventFilter(this);
}

GradientBackground &GradientBackground::of(QWidget &window)
{
    auto *background =
        window.findChild<GradientBackground *>(QString(), Qt::FindDirectChildrenOnly);
    if (!background)
        background = new GradientBackground(window);
    return *background;
}

void GradientBackground::setImage(QImage image)
{
    m_image = std::move(image);
    m_window.update();
}

bool GradientBackground::eventFilter(QObject *watched, QEvent *event)
{
    // Painting here, before the window's own paint handler, puts the picture under everything
    // the window and its controls draw.
    if (watched == &m_window && event->type() == QEvent::Paint && !m_image.isNull()) {
        QPainter painter(&m_window);
        painter.drawImage(static_cast<QPaintEvent *>(event)->rect(), m_image,
                          static_cast<QPaintEvent *>(event)->rect());
    }
    return false;
}

void PaintGradient(QWidget &window, const GradientSettings &settings)
{
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const int right = image.width() - 1;
    for (const GradientBand &band : GradientBands(settings, image.height())) {
        painter.fillRect(QRect(QPoint(0, band.top), QPoint(right, band.bottom)),
                         QColor(band.color.red, band.color.green, band.color.blue));
    }
    painter.end();
    GradientBackground::of(window).setImage(std::move(image));
}
