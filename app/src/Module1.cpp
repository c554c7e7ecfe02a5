#include "Module1.h"

#include "basTextRot.h"

#include "pelgo/Numbers.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace pelgo::app {

namespace {

constexpr double kDefaultFontSize = 8.25;

struct LegendPlacement {
    double xa, xb, ya, yb;
};

void drawMarker(ChartSurface& surface, const LegendPlacement& m, const QColor& fill)
{
    DesenhaLegenda(surface, toInt16(m.xa), toInt16(m.xb), toInt16(m.ya), toInt16(m.yb), fill, kPlotBorder);
}

void drawLegends(ChartSurface& surface, const ChartFrame& frame, double b, double F)
{
    if (frame.legends.empty())
        return;
    const double top = b + 15;
    const double W0 = surface.textWidth(frame.legends[0]);
    if (frame.legends.size() == 2) {
        const double W1 = surface.textWidth(frame.legends[1]);
        const double T = W0 + 10 + W1;
        double text0Left = 0;
        double text1Left = 0;
        if (frame.layout) {
            drawMarker(surface, {34 - T / 2, 66 - T / 2, b + 6 + F, b + 10 + F}, kLegend0);
            text0Left = 53 - T / 2;
            drawMarker(surface, {W0 + 43 - T / 2, W0 + 75 - T / 2, b + 6 + F, b + 10 + F}, kLegend1);
            text1Left = text0Left + W0 + 8;
        } else {
            drawMarker(surface, {37 - T / 2, 68 - T / 2, b + 5 + F, b + 10 + F}, kLegend0);
            text0Left = 53 - (W0 + 9 + W1) / 2;
            drawMarker(surface, {W0 + 41 - T / 2, W0 + 72 - T / 2, b + 6 + F, b + 10 + F}, kLegend1);
            text1Left = text0Left + W0 + 4;
        }
        surface.print(text0Left, top, frame.legends[0]);
        surface.print(text1Left, top, frame.legends[1]);
        return;
    }
    if (frame.layout) {
        drawMarker(surface, {34 - W0 / 2, 66 - W0 / 2, b + 6, b + 10}, kLegend0);
        surface.print(53 - W0 / 2, top, frame.legends[0]);
    } else {
        drawMarker(surface, {35 - W0 / 2, 66 - W0 / 2, b + 5, b + 10}, kLegend0);
        surface.print(51.5 - W0 / 2, top, frame.legends[0]);
    }
}

void drawFrame(ChartSurface& surface, const ChartFrame& frame)
{
    const double fontSize = frame.fontSize == 0 ? kDefaultFontSize : frame.fontSize;
    surface.font().setFamily(QStringLiteral("Verdana"));

    double x1 = frame.x1, y1 = frame.y1, x2 = frame.x2, y2 = frame.y2;
    double b = -35; // top of the legend band
    if (!frame.titleX.isEmpty()) {
        y2 -= 30;
        b = -60;
    }
    if (!frame.titleY.isEmpty())
        x1 -= 15;
    if (!frame.title.isEmpty())
        y1 += 20;

    surface.setScale(x1, y1, x2, y2);
    surface.setLineWidth(1);
    if (!surface.isPrinter() && frame.clear)
        surface.clear();

    double F = 2; // markers sit higher when there is no horizontal title
    if (!frame.titleX.isEmpty()) {
        surface.print(50 - surface.textWidth(frame.titleX) / 2, b + 35, frame.titleX);
        F = 0;
    }
    if (!frame.title.isEmpty()) {
        surface.font().setBold(true);
        const double S = x2 - x1;
        const double width = surface.textWidth(frame.title);
        surface.print(S / 2 - 28 - width / 2 + (frame.layout ? -5 : 15), 123, frame.title);
        surface.font().setBold(false);
    }
    if (!frame.titleY.isEmpty()) {
        surface.painter().setFont(surface.font());
        surface.painter().setPen(Qt::black);
        TextoRotacionado(surface.painter(), frame.titleY, 22, 65 + static_cast<int>(frame.titleY.size()), 90);
    }

    drawLegends(surface, frame, b, F);

    DesenhaLegenda(surface, -15, 115, 0, 100, kPlotFill, kPlotBorder);
    for (int X = 0; X <= 100; X += 10)
        surface.line(X, -5, X, 0, kTickColour);

    const double D = frame.xDecimals == 2 ? 3 : frame.xDecimals == 1 ? 2 : 1;
    surface.font().setPointSizeF(fontSize);
    if (frame.noXValues)
        return;
    const double top = -6;
    surface.print(0 - D + frame.xShift - (frame.layout ? 4 : 2.25), top, chartNumber(frame.xMin));
    for (int k = 1; k <= 9; ++k)
        surface.print(10 * k - D + frame.xShift - (frame.layout ? 6.5 : 3), top, chartNumber(k * frame.xStep));
    surface.print(100 - D + frame.xShift - (frame.layout ? 7.5 : 4), top, chartNumber(frame.xMax));
}

} // namespace

QString chartNumber(double value)
{
    const QString number = QString::fromStdString(formatNumber(value));
    return (value >= 0 ? QStringLiteral(" ") : QString()) + number + QStringLiteral(" ");
}

void DesenhaGrafico(ChartSurface& surface, const ChartFrame& frame, bool& error)
{
    try {
        if (!surface.isActive()) {
            error = true;
            return;
        }
        drawFrame(surface, frame);
    } catch (const std::exception&) {
        error = true;
    }
}

void DesenhaGrafico(ChartSurface& surface, const std::vector<QString>& legends, double xMin, double xMax,
                    double xStep, double xDecimals, double, double, double yStep, double, std::int32_t x1,
                    std::int32_t y1, std::int32_t x2, std::int32_t y2, bool layout, bool& error, bool,
                    std::int32_t yLabelX, bool noXValues, double fontSize, double yOffset, bool noYValues,
                    std::int32_t, double xShift, bool clear, const QString& titleY, const QString& titleX,
                    const QString& title)
{
    // Vertical values of the frame itself (yStep, yLabelX, yOffset with
    // noYValues false) are not drawn: every chart prints its scales with
    // DesenhaEscalaY.
    (void)yStep;
    (void)yLabelX;
    (void)yOffset;
    (void)noYValues;
    ChartFrame frame;
    frame.legends = legends;
    frame.xMin = xMin;
    frame.xMax = xMax;
    frame.xStep = xStep;
    frame.xDecimals = xDecimals;
    frame.x1 = x1;
    frame.y1 = y1;
    frame.x2 = x2;
    frame.y2 = y2;
    frame.layout = layout;
    frame.noXValues = noXValues;
    frame.fontSize = fontSize;
    frame.xShift = xShift;
    frame.clear = clear;
    frame.titleY = titleY;
    frame.titleX = titleX;
    frame.title = title;
    DesenhaGrafico(surface, frame, error);
}

void DesenhaEscalaY(ChartSurface& surface, const std::vector<double>& values, bool left)
{
    if (values.size() < 2 || !surface.isActive())
        return;
    const std::size_t n = values.size() - 1;
    const double r = surface.pixelWidth() / 261.0;
    for (std::size_t i = 0; i <= n; ++i) {
        const double y = static_cast<double>(i) * (100.0 / static_cast<double>(n));
        const QString text = chartNumber(values[i]);
        if (left) {
            surface.print(-6 * r - surface.textWidth(text), y + 5, text);
            surface.line(-2.5 * r, y, 0, y, kTickColour);
        } else {
            surface.print(102, y + 5, text);
            surface.line(100, y, 103, y, kTickColour);
        }
    }
}

void DesenhaCurva(ChartSurface& surface, const std::vector<double>& values, double& fullScale,
                  const QColor& colour, bool& error, double lineWidth)
{
    try {
        if (values.size() < 11 || !surface.isActive()) {
            error = true;
            return;
        }
        std::vector<double> X(11), Y(11);
        for (int k = 0; k <= 10; ++k) {
            X[k] = 0.1 * k;
            Y[k] = values[k] / fullScale;
        }
        std::vector<double> ym(101);
        bool interpolationError = false;
        for (int m = 0; m <= 100; ++m)
            ym[m] = Interpola(X, Y, 10, 0.01 * m, 0, interpolationError);
        fullScale = 1;
        if (lineWidth == 0)
            lineWidth = 1.5;
        const double previousWidth = surface.lineWidth();
        surface.setLineWidth(lineWidth);
        for (int m = 1; m <= 100; ++m) {
            double ya = 100 * ym[m - 1];
            double yb = 100 * ym[m];
            if (!std::isfinite(ya) || !std::isfinite(yb)) {
                error = true;
                break;
            }
            if ((ya > 100 && yb > 100) || (ya < 0 && yb < 0))
                continue;
            // Ends outside the area are clamped to its border (the segment's
            // slope changes; it is not cut at the border).
            ya = std::clamp(ya, 0.0, 100.0);
            yb = std::clamp(yb, 0.0, 100.0);
            surface.line(m - 1, ya, m, yb, colour);
        }
        surface.setLineWidth(previousWidth);
        if (interpolationError)
            error = true;
    } catch (const std::exception&) {
        error = true;
    }
}

void DesenhaLegenda(ChartSurface& surface, std::int16_t xa, std::int16_t xb, std::int16_t ya, std::int16_t yb,
                    const QColor& fill, const QColor& border)
{
    if (!surface.isActive())
        return;
    const double p = surface.twipsPerPixelX();
    surface.fillRect(xa + p, ya, xb - p, yb, fill);
    surface.outlineRect(xa + p, ya, xb - p, yb, border);
}

double Interpola(const std::vector<double>& X, const std::vector<double>& Y, std::int16_t n, double x, double tol,
                 bool& error)
{
    const auto size = static_cast<std::size_t>(std::max<int>(n, 0)) + 1;
    if (n < 2 || X.size() < size || Y.size() < size) {
        error = true;
        return 0;
    }
    if (tol == 0)
        tol = 0.0001;
    for (int i = 1;; ++i) {
        if (i > n - 1) {
            const double result = Y[n - 1] + (Y[n] - Y[n - 1]) * (x - X[n - 1]) / (X[n] - X[n - 1]);
            if (!std::isfinite(result))
                error = true;
            return result;
        }
        if (X[i] > x) {
            double result = 0;
            for (int j = i - 1; j <= i + 1; ++j) {
                double term = Y[j];
                for (int k = i - 1; k <= i + 1; ++k) {
                    if (k == j)
                        continue;
                    if (std::fabs(X[j] - X[k]) >= tol && std::fabs(term) <= 1e12 && std::fabs(x - X[k]) < 1e12)
                        term *= (x - X[k]) / (X[j] - X[k]);
                }
                result += term;
            }
            if (!std::isfinite(result))
                error = true;
            return result;
        }
        if (std::fabs(X[i] - x) <= tol)
            return static_cast<double>(static_cast<float>(Y[i]));
    }
}

} // namespace pelgo::app
