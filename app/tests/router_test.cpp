// The step router and the common life of a screen: forward hides, back
// unloads, targets open after the handler returns, numbers outside the table
// open nothing, the step-6 rule, and the fall-back after a failed start.

#include "ShellTestSupport.h"

#include "ImageButton.h"
#include "WizardScreen.h"
#include "frmFundo.h"
#include "frmMDI.h"

#include "pelgo/DataError.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace pelgo::app;

namespace {

// A step screen with one field; its start can fail with a code or a data error.
class StepStub : public WizardScreen {
public:
    StepStub(frmMDI& mdi, int number, std::int16_t code, bool dataError)
        : WizardScreen(mdi, number), code_(code), dataError_(dataError)
    {
        setObjectName(QStringLiteral("frmEtapa%1").arg(number));
        addStandardButtons(true, false, true);
        field = new QLineEdit(body());
        field->setObjectName(QStringLiteral("txtValor"));
    }

    QLineEdit* field;
    bool storeCalled = false;

protected:
    std::int16_t iniciaStep() override
    {
        if (dataError_)
            throw pelgo::DataError("Dados_Motor.xml", "element vl60 missing");
        return code_;
    }
    bool codeIsNormal(std::int16_t) const override { return number() == 6; }
    bool growsOnFallBack() const override { return number() == 4 || number() == 5; }
    bool validate() override { return check(field->text() == QLatin1String("bad") ? "MN_VALOR" : "", field); }
    void store() override { storeCalled = true; }

private:
    std::int16_t code_;
    bool dataError_;
};

struct StepPlan {
    std::int16_t code = 0;
    bool dataError = false;
};

} // namespace

class RouterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMDI> mdi;
    std::map<int, StepPlan> plans;
    std::map<int, int> loads;

    frmFundo& router() { return mdi->router(); }
    StepStub* step(int number) { return static_cast<StepStub*>(router().screen(number)); }

    void open(int number)
    {
        router().setNextForm(static_cast<std::int16_t>(number));
        router().route();
    }

    // Lets the queued routing run.
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void press(WizardScreen* screen, const char* name)
    {
        auto* target = screen->findChild<ImageButton*>(QLatin1String(name));
        QVERIFY(target);
        target->click();
    }

private slots:
    void init()
    {
        plans.clear();
        loads.clear();
        mdi = std::make_unique<frmMDI>();
        mdi->show();
        for (int number = 1; number <= 6; ++number) {
            router().registerScreen(number, [this](frmMDI& owner, int n) -> WizardScreen* {
                ++loads[n];
                return new StepStub(owner, n, plans[n].code, plans[n].dataError);
            });
        }
    }

    void cleanup()
    {
        mdi.reset();
        settle();
    }

    void forwardHidesAndKeepsEntries()
    {
        open(1);
        QVERIFY(step(1) && step(1)->isVisible());
        step(1)->field->setText(QStringLiteral("7.5"));
        press(step(1), "imgbtAvancar");
        QVERIFY(step(1)->storeCalled);
        QVERIFY(!step(1)->isVisible());
        settle();
        QVERIFY(step(2) && step(2)->isVisible());
        QCOMPARE(step(1)->field->text(), QStringLiteral("7.5"));
    }

    void backUnloadsAndShowsTheHiddenScreenAgain()
    {
        open(1);
        press(step(1), "imgbtAvancar");
        settle();
        step(2)->field->setText(QStringLiteral("typed on 2"));
        press(step(2), "imgbtAvancar");
        settle();
        QVERIFY(step(3)->isVisible());
        step(3)->field->setText(QStringLiteral("typed on 3"));

        press(step(3), "imgbtVoltar");
        settle();
        QVERIFY(step(3) == nullptr);
        QVERIFY(step(2)->isVisible());
        QCOMPARE(step(2)->field->text(), QStringLiteral("typed on 2"));
        QCOMPARE(loads[2], 1);

        press(step(2), "imgbtAvancar");
        settle();
        QCOMPARE(loads[3], 2);
        QVERIFY(step(3)->field->text().isEmpty());
    }

    void failedValidationStaysWithTheMessage()
    {
        open(1);
        step(1)->field->setText(QStringLiteral("bad"));
        press(step(1), "imgbtAvancar");
        settle();
        QVERIFY(step(1)->isVisible());
        QVERIFY(!step(1)->storeCalled);
        QVERIFY(step(2) == nullptr);
    }

    void targetOpensAfterTheHandlerReturns()
    {
        router().setNextForm(2);
        router().show();
        QVERIFY(step(2) == nullptr);
        settle();
        QVERIFY(step(2) && step(2)->isVisible());
        QCOMPARE(step(2)->pos(), QPoint(0, 0));
    }

    void numbersOutsideTheTableOpenNothing_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("18") << 18;
        QTest::newRow("-2") << -2;
        QTest::newRow("100") << 100;
    }

    void numbersOutsideTheTableOpenNothing()
    {
        QFETCH(int, number);
        QSignalSpy opened(&router(), &frmFundo::opened);
        router().setNextForm(static_cast<std::int16_t>(number));
        router().show();
        settle();
        QCOMPARE(opened.count(), 0);
        QVERIFY(mdi->screenArea()->findChildren<WizardScreen*>().isEmpty());
    }

    void failedSizingLandsOnStepOne()
    {
        plans[6].code = 3;
        open(1);
        step(1)->field->setText(QStringLiteral("kept"));
        press(step(1), "imgbtAvancar");
        settle();
        step(2)->hide();
        open(6);
        settle();
        QVERIFY(step(6) == nullptr);
        QVERIFY(step(1)->isVisible());
        QCOMPARE(step(1)->field->text(), QStringLiteral("kept"));
    }

    void nonzeroIniciaSaysErrAndFallsBack()
    {
        test::MessageRecorder recorder;
        plans[3].code = 7;
        open(2);
        step(2)->field->setText(QStringLiteral("still here"));
        press(step(2), "imgbtAvancar");
        settle();
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("err: 7")});
        QVERIFY(step(3) == nullptr);
        QVERIFY(step(2)->isVisible());
        QCOMPARE(step(2)->field->text(), QStringLiteral("still here"));
    }

    void stepOneFailingOnlyUnloadsItself()
    {
        test::MessageRecorder recorder;
        plans[1].code = 2;
        open(1);
        settle();
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("err: 2")});
        QVERIFY(mdi->screenArea()->findChildren<WizardScreen*>().isEmpty());
    }

    void dataErrorBecomesAMessageNamingFileAndElement()
    {
        test::MessageRecorder recorder;
        plans[5].dataError = true;
        open(4);
        press(step(4), "imgbtAvancar");
        settle();
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages[0].contains(QStringLiteral("Dados_Motor.xml")));
        QVERIFY(recorder.messages[0].contains(QStringLiteral("vl60")));
        QVERIFY(step(5) == nullptr);
        // Step 4 comes back grown to its full size at the corner.
        QVERIFY(step(4)->isVisible());
        QCOMPARE(step(4)->geometry(), QRect(QPoint(0, 0), WizardScreen::kScreenSize));
    }

    void expandeFormularioEndsAtFullSizeInTheCorner()
    {
        QWidget form(mdi->screenArea());
        form.setGeometry(30, 40, 200, 100);
        ExpandeFormulario(&form, 25, 0);
        QCOMPARE(form.geometry(), QRect(0, 0, 200, 100));
        QVERIFY(form.isVisible());
    }
};

PELGO_SHELL_TEST_MAIN(RouterTest)
#include "router_test.moc"
