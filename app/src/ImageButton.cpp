#include "ImageButton.h"

#include "AppText.h"

#include "pelgo/DataError.h"

#include <QPainter>
#include <QPainterPath>

namespace pelgo::app {

namespace {
constexpr QSize kButtonSize(110, 29); // 1650 x 435 twips
}

ImageButton::ImageButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kButtonSize);
}

void ImageButton::setPicture(const QString& fileName)
{
    QPixmap loaded;
    if (fileName.isEmpty() || !loaded.load(installedFile(QStringLiteral("Imagens"), fileName)))
        throw DataError("Imagens/" + ss(fileName), "button picture missing or unreadable");
    picture_ = loaded;
    pictureFile_ = fileName;
    setFixedSize(picture_.size());
    update();
}

QSize ImageButton::sizeHint() const
{
    return picture_.isNull() ? kButtonSize : picture_.size();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? 1.0 : 0.45);
    painter.drawPixmap(0, 0, picture_);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    if (isDown())
        painter.fillPath(shape, QColor(0, 0, 0, 40));
    else if (hovered_ && isEnabled())
        painter.fillPath(shape, QColor(31, 95, 139, 22));
    if (hasFocus()) {
        painter.setPen(QPen(QColor(31, 95, 139, 140), 1.5));
        painter.drawPath(shape);
    }
}

void ImageButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace pelgo::app
