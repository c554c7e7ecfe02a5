#pragma once

// A picture box that keeps its drawing: charts are drawn into its image, which
// it shows and repaints when uncovered.

#include "ChartSurface.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace pelgo::app {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setBackColor(const QColor& colour);
    QColor backColor() const { return backColor_; }

    // A surface on the kept image; the box repaints when the surface is done:
    //   { ChartSurface s = box->surface(); DesenhaGrafico(s, ...); }
    ChartSurface surface();
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
    QColor backColor_{Qt::white};
};

} // namespace pelgo::app
