#include "PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

namespace pelgo::app {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    image_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    image_.fill(backColor_);
}

void PictureBox::setBackColor(const QColor& colour)
{
    backColor_ = colour;
    image_.fill(colour);
    update();
}

ChartSurface PictureBox::surface()
{
    if (image_.size() != size() && !size().isEmpty()) {
        image_ = QImage(size(), QImage::Format_RGB32);
        image_.fill(backColor_);
    }
    return ChartSurface(image_, false, backColor_, [this] { update(); });
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    painter.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QImage grown(event->size(), QImage::Format_RGB32);
    grown.fill(backColor_);
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = grown;
    QWidget::resizeEvent(event);
}

} // namespace pelgo::app
