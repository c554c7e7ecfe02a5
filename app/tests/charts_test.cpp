// The chart routines: interpolation, scale and curve geometry, clipping,
// rotated text, and a whole chart rendered to an image.

#include "ShellTestSupport.h"

#include "ChartSurface.h"
#include "Module1.h"
#include "basTextRot.h"

#include <QImage>
#include <QPainter>

#include <cmath>

using namespace pelgo::app;

namespace {

std::vector<double> speedPoints()
{
    std::vector<double> x(11);
    for (int k = 0; k <= 10; ++k)
        x[k] = 0.1 * k;
    return x;
}

QImage blankImage(int width = 522, int height = 286)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isCurveRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// Columns (device x) that hold a curve-red pixel in any row.
int redPixelsInColumn(const QImage& image, int column)
{
    int count = 0;
    for (int row = 0; row < image.height(); ++row)
        count += isCurveRed(image.pixel(column, row)) ? 1 : 0;
    return count;
}

// The rows of a column that hold a curve-red pixel, averaged.
double redRowInColumn(const QImage& image, int column)
{
    double sum = 0;
    int count = 0;
    for (int row = 0; row < image.height(); ++row) {
        if (isCurveRed(image.pixel(column, row))) {
            sum += row;
            ++count;
        }
    }
    return count ? sum / count : -1;
}

bool isDark(QRgb pixel)
{
    return qRed(pixel) < 150 && qGreen(pixel) < 150 && qBlue(pixel) < 150;
}

} // namespace

class ChartsTest : public QObject {
    Q_OBJECT

private slots:
    void interpolaAtTablePointsBetweenAndBeyond_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        // Y = x²: three-point interpolation is exact for it; beyond the last
        // point the line through the last two continues.
        QTest::newRow("first point") << 0.0 << 0.0;
        QTest::newRow("table point 0.3") << 0.3 << 0.09;
        QTest::newRow("within tolerance of 0.5") << 0.50005 << 0.25;
        QTest::newRow("between 0.25") << 0.25 << 0.0625;
        QTest::newRow("between 0.77") << 0.77 << 0.5929;
        QTest::newRow("last point") << 1.0 << 1.0;
        QTest::newRow("beyond the last 1.1") << 1.1 << 1.19;
        QTest::newRow("below the first -0.1") << -0.1 << 0.01;
    }

    void interpolaAtTablePointsBetweenAndBeyond()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        const auto X = speedPoints();
        std::vector<double> Y;
        for (double v : X)
            Y.push_back(v * v);
        bool error = false;
        QVERIFY(std::fabs(Interpola(X, Y, 10, x, 0, error) - expected) < 1e-6);
        QVERIFY(!error);
    }

    void interpolaTablePointIsSinglePrecision()
    {
        const auto X = speedPoints();
        std::vector<double> Y(11, 0.1);
        bool error = false;
        QCOMPARE(Interpola(X, Y, 10, 0.4, 0, error), static_cast<double>(0.1f));
    }

    void interpolaShortTableSetsTheFlag()
    {
        bool error = false;
        QCOMPARE(Interpola({0, 0.5}, {1, 2}, 10, 0.2, 0, error), 0.0);
        QVERIFY(error);
    }

    void rotacionaPontoTurnsCounterClockwise_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("0") << 0.0 << QPoint(90, 95);
        QTest::newRow("90") << 90.0 << QPoint(95, 110);
        QTest::newRow("180") << 180.0 << QPoint(110, 105);
    }

    void rotacionaPontoTurnsCounterClockwise()
    {
        QFETCH(double, angle);
        QFETCH(QPoint, expected);
        QPoint point(90, 95);
        RotacionaPonto(QPoint(100, 100), point, angle);
        QCOMPARE(point, expected);
    }

    void textoRotacionadoReadsUpwardsAroundItsCentre()
    {
        QImage image = blankImage(200, 200);
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("Verdana"), 12));
        QVERIFY(TextoRotacionado(painter, QStringLiteral("TORQUE TITLE"), 100, 100, 90));
        painter.end();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isDark(image.pixel(x, y)))
                    ink = ink.united(QRect(x, y, 1, 1));
        QVERIFY(ink.height() > 3 * ink.width());
        QVERIFY(std::abs(ink.center().x() - 100) <= 4);
        QVERIFY(std::abs(ink.center().y() - 100) <= 4);
    }

    void textoRotacionadoFailsWithoutAPainter()
    {
        QPainter idle;
        QVERIFY(!TextoRotacionado(idle, QStringLiteral("x"), 1, 1, 90));
    }

    void escalaYPutsValuesEvenlyOverThePlotArea_data()
    {
        QTest::addColumn<bool>("left");
        QTest::newRow("left scale") << true;
        QTest::newRow("right scale") << false;
    }

    void escalaYPutsValuesEvenlyOverThePlotArea()
    {
        QFETCH(bool, left);
        // 261 pixels wide: one scale unit r per pixel ratio of 1.
        QImage image = blankImage(261, 143);
        {
            ChartSurface surface(image);
            surface.setScale(-20, 108, 115, -35);
            DesenhaEscalaY(surface, {0, 20, 40, 60, 80, 100, 120}, left);
            // 20 sits at a sixth of the height, 120 at the top of the area.
            const double tickX = left ? -1.2 : 101.5;
            for (const auto& [value, y] : {std::pair{20, 100.0 / 6}, std::pair{120, 100.0}}) {
                const QPointF at = surface.toDevice(tickX, y);
                bool found = false;
                for (int row = qFloor(at.y()) - 1; row <= qCeil(at.y()) + 1; ++row)
                    found = found || isDark(image.pixel(qRound(at.x()), row));
                QVERIFY2(found, qPrintable(QStringLiteral("no tick for %1").arg(value)));
                const QPointF between = surface.toDevice(tickX, y - 100.0 / 12);
                QVERIFY(!isDark(image.pixel(qRound(between.x()), qRound(between.y()))));
            }
        }
    }

    void curveClampsEndsAndSkipsSegmentsOutsideTheArea()
    {
        QImage image = blankImage();
        ChartSurface surface(image);
        surface.setScale(-20, 108, 115, -35);
        // Rises to twice the full scale: visible up to half the range, then
        // flat on the border for one segment, then nothing.
        std::vector<double> values;
        for (int k = 0; k <= 10; ++k)
            values.push_back(20.0 * k);
        double fullScale = 100;
        bool error = false;
        DesenhaCurva(surface, values, fullScale, QColor(255, 0, 0), error);
        QVERIFY(!error);
        QCOMPARE(fullScale, 1.0);
        const QPointF quarter = surface.toDevice(25, 50);
        QVERIFY(std::fabs(redRowInColumn(image, qRound(quarter.x())) - quarter.y()) < 2.5);
        QCOMPARE(redPixelsInColumn(image, qRound(surface.toDevice(75, 0).x())), 0);
        const QPointF top = surface.toDevice(50, 100);
        QVERIFY(redRowInColumn(image, qRound(top.x())) >= top.y() - 2);
    }

    void curveWhollyAboveTheAreaDrawsNothing()
    {
        QImage image = blankImage();
        {
            ChartSurface surface(image);
            surface.setScale(-20, 108, 115, -35);
            double fullScale = 100;
            bool error = false;
            DesenhaCurva(surface, std::vector<double>(11, 150), fullScale, QColor(255, 0, 0), error);
            QVERIFY(!error);
        }
        for (int column = 0; column < image.width(); ++column)
            QCOMPARE(redPixelsInColumn(image, column), 0);
    }

    void curveNeedsElevenValues()
    {
        QImage image = blankImage();
        ChartSurface surface(image);
        double fullScale = 100;
        bool error = false;
        DesenhaCurva(surface, {1, 2, 3}, fullScale, Qt::red, error);
        QVERIFY(error);
    }

    void chartRendersTheCurveWhereTheScaleSays()
    {
        QImage image = blankImage();
        QPointF expected[3];
        {
            ChartSurface surface(image);
            ChartFrame frame;
            frame.legends = {QStringLiteral("Torque"), QStringLiteral("Current")};
            frame.titleX = QStringLiteral("Speed (%)");
            frame.titleY = QStringLiteral("pu");
            frame.title = QStringLiteral("Motor");
            bool error = false;
            DesenhaGrafico(surface, frame, error);
            QVERIFY(!error);
            DesenhaEscalaY(surface, {0, 1, 2, 3, 4, 5}, true);
            std::vector<double> line;
            for (int k = 0; k <= 10; ++k)
                line.push_back(0.5 * k); // 0 .. 5 pu, full scale 5: the diagonal
            double fullScale = 5;
            DesenhaCurva(surface, line, fullScale, QColor(255, 0, 0), error);
            QVERIFY(!error);
            expected[0] = surface.toDevice(20, 20);
            expected[1] = surface.toDevice(50, 50);
            expected[2] = surface.toDevice(80, 80);
            // The plot area fills the square 0..100 with a black border.
            const QPointF leftBorder = surface.toDevice(0, 50);
            bool border = false;
            for (int column = qFloor(leftBorder.x()) - 1; column <= qCeil(leftBorder.x()) + 1; ++column)
                border = border || isDark(image.pixel(column, qRound(leftBorder.y())));
            QVERIFY(border);
        }
        for (const QPointF& point : expected)
            QVERIFY2(std::fabs(redRowInColumn(image, qRound(point.x())) - point.y()) < 2.5,
                     qPrintable(QStringLiteral("curve off at x=%1").arg(point.x())));
    }

    void titleRoomKeepsThePlotAreaAndMovesLegendsDown()
    {
        // With a horizontal title the plot area keeps its size in units and
        // 30 more units appear below it.
        QImage plain = blankImage(), titled = blankImage();
        double plainUnitsPerPixel = 0, titledUnitsPerPixel = 0;
        {
            ChartSurface surface(plain);
            bool error = false;
            DesenhaGrafico(surface, ChartFrame{}, error);
            plainUnitsPerPixel = 143.0 / plain.height();
        }
        {
            ChartSurface surface(titled);
            ChartFrame frame;
            frame.titleX = QStringLiteral("Speed");
            bool error = false;
            DesenhaGrafico(surface, frame, error);
            titledUnitsPerPixel = 173.0 / titled.height();
            QCOMPARE(surface.toDevice(0, -65).y(), static_cast<double>(titled.height()));
        }
        QVERIFY(titledUnitsPerPixel > plainUnitsPerPixel);
    }

    void chartNumbersCarryTheSignBlank()
    {
        QCOMPARE(chartNumber(20), QStringLiteral(" 20 "));
        QCOMPARE(chartNumber(-1.5).trimmed().left(1), QStringLiteral("-"));
        QVERIFY(!chartNumber(-1.5).startsWith(QLatin1Char(' ')));
    }
};

PELGO_SHELL_TEST_MAIN(ChartsTest)
#include "charts_test.moc"
