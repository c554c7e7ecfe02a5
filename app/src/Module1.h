#pragma once

// The chart routines: a chart is drawn in three calls. DesenhaGrafico clears
// the surface and draws the frame, titles, legends and horizontal values;
// DesenhaEscalaY prints one vertical scale; DesenhaCurva plots one curve given
// at 0, 10, ..., 100 % of the horizontal range. The plot area is always the
// square 0..100 x 0..100 of the user scale.

#include "ChartSurface.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

namespace pelgo::app {

// Colours of the chart frame.
inline const QColor kPlotFill{255, 255, 255};
inline const QColor kPlotBorder{0, 0, 0};
inline const QColor kTickColour{44, 1, 0};
inline const QColor kLegend0{0, 0, 255};
inline const QColor kLegend1{255, 0, 0};

// The frame of a chart by name; the positional DesenhaGrafico fills one.
struct ChartFrame {
    std::vector<QString> legends;  // two entries: two legends; otherwise entry 0 only
    double xMin = 0;               // printed under x = 0
    double xMax = 100;             // printed under x = 100
    double xStep = 10;             // k * xStep printed under x = 10k
    double xDecimals = 0;          // 0, 1 or 2: widens the left shift of the values
    std::int32_t x1 = -20, y1 = 108, x2 = 115, y2 = -35; // user scale before the title room
    bool layout = true;            // one of two sets of small offsets
    bool noXValues = false;
    double fontSize = 0;           // 0 means 8.25 points
    double xShift = 2;
    bool clear = true;
    QString titleY, titleX, title;
};

void DesenhaGrafico(ChartSurface& surface, const ChartFrame& frame, bool& error);

// The routine with the parameters in their traditional order; the unnamed ones
// are kept for callers and not used.
void DesenhaGrafico(ChartSurface& surface, const std::vector<QString>& legends, double xMin, double xMax,
                    double xStep, double xDecimals, double, double, double yStep, double, std::int32_t x1,
                    std::int32_t y1, std::int32_t x2, std::int32_t y2, bool layout, bool& error, bool,
                    std::int32_t yLabelX, bool noXValues, double fontSize, double yOffset, bool noYValues,
                    std::int32_t, double xShift, bool clear, const QString& titleY, const QString& titleX,
                    const QString& title);

// Prints the scale values evenly over 0..100 with tick marks, on the left of
// the plot area when left is true, else on the right.
void DesenhaEscalaY(ChartSurface& surface, const std::vector<double>& values, bool left);

// Plots values[0..10] (at 0, 10, ..., 100 % of x) scaled so fullScale is the
// top of the plot area. Segments wholly above or below the area are skipped,
// ends outside it are clamped to its border. fullScale is set to 1 on return.
// A line width of 0 means 1.5 (drawn 2 pixels wide).
void DesenhaCurva(ChartSurface& surface, const std::vector<double>& values, double& fullScale,
                  const QColor& colour, bool& error, double lineWidth = 0);

// A filled, bordered rectangle, inset horizontally by one screen pixel in twips.
void DesenhaLegenda(ChartSurface& surface, std::int16_t xa, std::int16_t xb, std::int16_t ya, std::int16_t yb,
                    const QColor& fill, const QColor& border);

// Three-point Lagrange interpolation in the increasing table X[0..n], Y[0..n];
// linear beyond the last point. tol 0 means 0.0001. Tables shorter than n + 1
// entries set error and give 0.
double Interpola(const std::vector<double>& X, const std::vector<double>& Y, std::int16_t n, double x, double tol,
                 bool& error);

// A number as the chart prints it: a blank for the sign of a non-negative
// value, the shortest regional form, and a trailing blank.
QString chartNumber(double value);

} // namespace pelgo::app
