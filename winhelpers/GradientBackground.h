#pragma once

#include "winhelpers/GradientSettings.h"

#include <QImage>
#include <QObject>

class QWidget;

// A window's retained background picture: drawn once by PaintGradient and shown again on every
// repaint, so covering and uncovering the window keeps the gradient.
class GradientBackground : public QObject
{
    Q_OBJECT

public:
    // The window's background, created on first use.
    static GradientBackground &of(QWidget &window);

    const QImage &image() const { return m_image; }
    void setImage(QImage image);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit GradientBackground(QWidget &window);

    QWidget &m_window;
    QImage m_image;
};

// Paints the window's whole inner area with the bands of the gradient.
void PaintGradient(QWidget &window, const GradientSettings &settings = SharedGradientSettings());
