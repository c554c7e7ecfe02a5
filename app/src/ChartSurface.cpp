#include "ChartSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <cmath>

namespace pelgo::app {

ChartSurface::ChartSurface(QPaintDevice& device, bool isPrinter, QColor background, std::function<void()> onFinished)
    : device_(device), isPrinter_(isPrinter), font_(QStringLiteral("Verdana")), background_(background),
      onFinished_(std::move(onFinished))
{
    font_.setStyleHint(QFont::SansSerif);
    font_.setPointSizeF(8.25);
    painter_.begin(&device_);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    setScale(0, 0, pixelWidth(), pixelHeight());
}

ChartSurface::~ChartSurface()
{
    if (painter_.isActive())
        painter_.end();
    if (onFinished_)
        onFinished_();
}

void ChartSurface::setScale(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

QPointF ChartSurface::toDevice(double x, double y) const
{
    return {(x - x1_) / (x2_ - x1_) * pixelWidth(), (y - y1_) / (y2_ - y1_) * pixelHeight()};
}

int ChartSurface::pixelWidth() const { return device_.width(); }
int ChartSurface::pixelHeight() const { return device_.height(); }

double ChartSurface::twipsPerPixelX() const
{
    const int dpi = device_.logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void ChartSurface::clear()
{
    painter_.fillRect(QRectF(0, 0, pixelWidth(), pixelHeight()), background_);
}

static QPen penFor(const QColor& colour, double width)
{
    // Line widths are whole pixels, rounded as the toolkit rounds (1.5 gives 2).
    const double pixels = std::max(1.0, std::nearbyint(width));
    QPen pen(colour, pixels);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void ChartSurface::line(double xa, double ya, double xb, double yb, const QColor& colour)
{
    painter_.setPen(penFor(colour, lineWidth_));
    painter_.drawLine(toDevice(xa, ya), toDevice(xb, yb));
}

QRectF ChartSurface::deviceRect(double xa, double ya, double xb, double yb) const
{
    return QRectF(toDevice(xa, ya), toDevice(xb, yb)).normalized();
}

void ChartSurface::fillRect(double xa, double ya, double xb, double yb, const QColor& colour)
{
    painter_.fillRect(deviceRect(xa, ya, xb, yb), colour);
}

void ChartSurface::outlineRect(double xa, double ya, double xb, double yb, const QColor& colour)
{
    painter_.setPen(penFor(colour, 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(deviceRect(xa, ya, xb, yb));
}

void ChartSurface::print(double x, double y, const QString& text)
{
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(font_, &device_);
    const QPointF topLeft = toDevice(x, y);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

int ChartSurface::textPixelWidth(const QString& text) const
{
    return static_cast<int>(std::ceil(QFontMetricsF(font_, &device_).horizontalAdvance(text)));
}

double ChartSurface::textWidth(const QString& text) const
{
    const int width = pixelWidth();
    if (width <= 0)
        return 0;
    return QFontMetricsF(font_, &device_).horizontalAdvance(text) * (x2_ - x1_) / width;
}

} // namespace pelgo::app
