#pragma once

// A drawing surface for the chart routines: any paint device (a picture box's
// kept image, a QImage, a printer or PDF writer) with a user coordinate
// system. Chart routines work in user units; the surface maps them to device
// pixels, measures texts in user units and prints texts by their top-left
// corner.

#include <QColor>
#include <QFont>
#include <QPainter>

#include <functional>

class QPaintDevice;

namespace pelgo::app {

class ChartSurface {
public:
    // Paints on a device for the lifetime of the surface. A printer surface
    // is never cleared.
    explicit ChartSurface(QPaintDevice& device, bool isPrinter = false, QColor background = Qt::white,
                          std::function<void()> onFinished = {});
    ~ChartSurface();
    ChartSurface(const ChartSurface&) = delete;
    ChartSurface& operator=(const ChartSurface&) = delete;

    bool isPrinter() const { return isPrinter_; }
    bool isActive() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }

    // The user scale: left edge x1, top edge y1, right edge x2, bottom edge y2.
    void setScale(double x1, double y1, double x2, double y2);
    double scaleLeft() const { return x1_; }
    double scaleWidth() const { return x2_ - x1_; }
    QPointF toDevice(double x, double y) const;

    int pixelWidth() const;
    int pixelHeight() const;
    // Twips per device pixel in the horizontal direction (15 at 96 dpi).
    double twipsPerPixelX() const;

    QFont& font() { return font_; }
    void setLineWidth(double pixels) { lineWidth_ = pixels; }
    double lineWidth() const { return lineWidth_; }

    void clear();
    void line(double xa, double ya, double xb, double yb, const QColor& colour);
    void fillRect(double xa, double ya, double xb, double yb, const QColor& colour);
    void outlineRect(double xa, double ya, double xb, double yb, const QColor& colour);
    // Text with its top at y and its left end at x (user units).
    void print(double x, double y, const QString& text);
    double textWidth(const QString& text) const; // user units
    int textPixelWidth(const QString& text) const;

private:
    QRectF deviceRect(double xa, double ya, double xb, double yb) const;

    QPaintDevice& device_;
    QPainter painter_;
    bool isPrinter_;
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    double lineWidth_ = 1;
    QFont font_;
    QColor background_;
    std::function<void()> onFinished_; // a picture box repaints itself when the surface is done
};

} // namespace pelgo::app
