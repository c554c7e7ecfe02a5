#include "basTextRot.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace pelgo::app {

void RotacionaPonto(QPoint centre, QPoint& point, double angle)
{
    const double a = angle * 3.14159265358979 / 180.0;
    const double dx = point.x() - centre.x();
    const double dy = point.y() - centre.y();
    const double x = centre.x() + dx * std::cos(a) + dy * std::sin(a);
    const double y = centre.y() - dx * std::sin(a) + dy * std::cos(a);
    point = QPoint(static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y)));
}

bool TextoRotacionado(QPainter& painter, const QString& text, int x, int y, float angle)
{
    if (!painter.isActive())
        return false;
    const QFontMetrics metrics(painter.font(), painter.device());
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    QPoint start(x - w / 2, y - h / 2);
    RotacionaPonto(QPoint(x, y), start, angle);

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(start);
    // The device's y axis points down, so a counter-clockwise turn is negative.
    painter.rotate(-static_cast<double>(angle));
    painter.drawText(QRect(0, 0, w, h), Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
    return true;
}

} // namespace pelgo::app
