// Saves a picture of every screen of the shell when PELGO_SCREENSHOTS names a
// folder (skipped otherwise):
//   PELGO_SCREENSHOTS=/tmp/shots ctest --test-dir build -R app_screenshots_test

#include "ShellTestSupport.h"

#include "ImageButton.h"
#include "Module1.h"
#include "PictureBox.h"
#include "WizardScreen.h"
#include "frmDialog.h"
#include "frmFundo.h"
#include "frmHelp.h"
#include "frmInicio.h"
#include "frmMDI.h"

#include "pelgo/clsPelgo_Geral.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWebEngineView>

using namespace pelgo::app;

namespace {

// A step screen as later steps build it: captions, a field, the message area.
class SampleStep : public WizardScreen {
public:
    SampleStep(frmMDI& mdi, int number)
        : WizardScreen(mdi, number)
    {
        addStandardButtons(true, true, true);
    }

protected:
    void fillScreen() override
    {
        pelgo::clsPelgo_Geral catalogue;
        catalogue.CarregaXML("ENG", "BOTOES");
        setPicture(button(QStringLiteral("imgbtVoltar")), catalogue.GetTextosPelgo("BTVOLTAR"));
        setPicture(button(QStringLiteral("imgbtAjuda")), catalogue.GetTextosPelgo("BTAJUDA"));
        setPicture(button(QStringLiteral("imgbtAvancar")), catalogue.GetTextosPelgo("BTAVANCAR"));
        caption(QStringLiteral("lblTDadosdoMotor"), "Motor data")->setGeometry(20, 10, 300, 20);
        caption(QStringLiteral("lblTPotencia"), "Rated power")->setGeometry(20, 50, 160, 24);
        auto* power = new QLineEdit(body());
        power->setObjectName(QStringLiteral("txtPotencia"));
        power->setGeometry(190, 50, 120, 26);
        power->setText(QStringLiteral("7,5x"));
        caption(QStringLiteral("lblTTensao"), "Rated voltage")->setGeometry(20, 90, 160, 24);
        auto* voltage = new QComboBox(body());
        voltage->setObjectName(QStringLiteral("cmbTensao"));
        voltage->addItems({QStringLiteral("380"), QStringLiteral("440"), QStringLiteral("460")});
        voltage->setGeometry(190, 90, 120, 26);
        createMessageArea("Messages");
        check("The rated power must be a number.", power);
    }
};

} // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT

    QString folder;

    void save(QWidget* widget, const QString& name)
    {
        QVERIFY(widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void initTestCase()
    {
        folder = qEnvironmentVariable("PELGO_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set PELGO_SCREENSHOTS to a folder to save the screens");
        QVERIFY(QDir().mkpath(folder));
    }

    void everyScreen()
    {
        frmMDI mdi;
        mdi.show();
        mdi.start();
        auto* inicio = qobject_cast<frmInicio*>(mdi.router().screen(-1));
        QVERIFY(inicio);
        save(&mdi, QStringLiteral("01_language_eng"));
        inicio->idiomas()->setCurrentIndex(0);
        save(&mdi, QStringLiteral("02_language_por"));
        inicio->idiomas()->setCurrentIndex(1);

        inicio->findChild<ImageButton*>(QStringLiteral("imgbtAjuda"))->click();
        QSignalSpy loaded(mdi.help().browser(), &QWebEngineView::loadFinished);
        loaded.wait(15000);
        QTest::qWait(500);
        save(&mdi.help(), QStringLiteral("03_help_language"));
        mdi.help().hide();

        inicio->findChild<ImageButton*>(QStringLiteral("imgbtAvancar"))->click();
        settle();
        save(&mdi, QStringLiteral("04_opening"));

        mdi.router().screen(0)->findChild<ImageButton*>(QStringLiteral("imgAcessar"))->click();
        settle();
        save(&mdi, QStringLiteral("05_step1_not_yet"));

        mdi.router().registerScreen(2, [](frmMDI& owner, int n) -> WizardScreen* { return new SampleStep(owner, n); });
        mdi.router().screen(1)->hide();
        mdi.router().setNextForm(2);
        mdi.router().route();
        save(&mdi, QStringLiteral("06_step_base_with_message"));

        mdi.router().screen(2)->findChild<ImageButton*>(QStringLiteral("imgbtAjuda"))->click();
        loaded.wait(15000);
        QTest::qWait(500);
        save(&mdi.help(), QStringLiteral("07_help_step2"));

        frmDialog dialog(&mdi);
        dialog.setMessage(mdi.windowTitle(), QStringLiteral("No soft-starter of the catalogue can start this load. "
                                                            "Check the load data or choose another supply."));
        dialog.show();
        save(&dialog, QStringLiteral("08_dialog"));
    }

    void chart()
    {
        PictureBox box;
        box.setBackColor(QColor(0xE8, 0xF0, 0xF8));
        box.resize(522, 300);
        box.show();
        {
            ChartSurface surface = box.surface();
            ChartFrame frame;
            frame.legends = {QStringLiteral("C/Cn"), QStringLiteral("I/In")};
            frame.titleX = QStringLiteral("Speed (%)");
            frame.titleY = QStringLiteral("C/Cn  I/In");
            frame.title = QStringLiteral("Motor torque and current");
            bool error = false;
            DesenhaGrafico(surface, frame, error);
            DesenhaEscalaY(surface, {0, 0.5, 1, 1.5, 2, 2.5, 3}, true);
            DesenhaEscalaY(surface, {0, 1, 2, 3, 4, 5, 6, 7}, false);
            double fullScale = 3;
            DesenhaCurva(surface, {2.2, 2.1, 2.0, 1.95, 1.9, 1.95, 2.1, 2.5, 2.8, 1.9, 0}, fullScale, Qt::blue, error);
            fullScale = 7;
            DesenhaCurva(surface, {6.5, 6.4, 6.3, 6.2, 6.0, 5.8, 5.5, 5.0, 4.2, 3.0, 1.0}, fullScale, Qt::red, error);
            QVERIFY(!error);
        }
        settle();
        save(&box, QStringLiteral("09_chart"));
    }
};

PELGO_SHELL_TEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
