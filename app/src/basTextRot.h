#pragma once

// Text drawn rotated about its centre, for the vertical axis titles.

#include <QPoint>
#include <QString>

class QPainter;

namespace pelgo::app {

// Draws text rotated by angle degrees (counter-clockwise, 90 reads upwards)
// and centred on (x, y) in device pixels, with the painter's current font.
// false when the painter cannot draw; the painter's state is always restored.
bool TextoRotacionado(QPainter& painter, const QString& text, int x, int y, float angle);

// Rotates point about centre by angle degrees (counter-clockwise on the
// screen); coordinates round to the nearest whole pixel, halves to even.
void RotacionaPonto(QPoint centre, QPoint& point, double angle);

} // namespace pelgo::app
