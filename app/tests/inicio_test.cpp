// The language and opening screens, the help viewer and the message dialog,
// on the shipped data (and on changed copies of it).

#include "ShellTestSupport.h"

#include "ImageButton.h"
#include "frmDialog.h"
#include "frmFundo.h"
#include "frmHelp.h"
#include "frmInicio.h"
#include "frmMDI.h"

#include "pelgo/clsPelgo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

using namespace pelgo::app;

class InicioTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMDI> mdi;

    frmInicio* inicio() { return qobject_cast<frmInicio*>(mdi->router().screen(-1)); }
    QString caption(const char* name) { return inicio()->findChild<QLabel*>(QLatin1String(name))->text(); }
    QString picture(WizardScreen* screen, const char* name)
    {
        return screen->findChild<ImageButton*>(QLatin1String(name))->pictureFile();
    }
    QString market() { return inicio()->mercados()->currentData().toString(); }

    void startWizard()
    {
        mdi = std::make_unique<frmMDI>();
        mdi->show();
        mdi->start();
        QVERIFY(inicio() && inicio()->isVisible());
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void pressForward()
    {
        inicio()->findChild<ImageButton*>(QStringLiteral("imgbtAvancar"))->click();
        settle();
    }

private slots:
    void cleanup()
    {
        mdi.reset();
        settle();
    }

    void startsWithTheSecondLanguageAndItsDefaultMarket()
    {
        startWizard();
        QCOMPARE(inicio()->idiomas()->currentIndex(), 1);
        QCOMPARE(inicio()->idiomas()->currentText(), QStringLiteral("English"));
        QCOMPARE(mdi->windowTitle(), QString::fromUtf8("Pelgo – Soft-Starter Sizing"));
        QCOMPARE(caption("lblPelgo"), mdi->windowTitle());
        QCOMPARE(caption("lblTIdioma"), QStringLiteral("Language"));
        QCOMPARE(market(), QStringLiteral("U"));
        QCOMPARE(picture(inicio(), "imgbtAvancar"), QStringLiteral("bt_avancar_eng.png"));
        // The prompt in three languages is there before any choice.
        QCOMPARE(caption("Label3"), QStringLiteral("Select language!"));
    }

    void changingTheLanguageSwitchesEverythingAtOnce()
    {
        startWizard();
        const int regisBefore = inicio()->findChild<QLabel*>(QStringLiteral("lblregis"))->x();
        inicio()->idiomas()->setCurrentIndex(0);
        const QString title = QString::fromUtf8("Pelgo – Dimensionamento de Soft-Starters");
        QCOMPARE(mdi->windowTitle(), title);
        QCOMPARE(caption("lblPelgo"), title);
        QCOMPARE(caption("lblTIdioma"), QStringLiteral("Idioma"));
        QCOMPARE(caption("lblTMercado"), QStringLiteral("Mercado"));
        QCOMPARE(picture(inicio(), "imgbtAjuda"), QStringLiteral("bt_ajuda_por.png"));
        QCOMPARE(picture(inicio(), "imgbtAvancar"), QStringLiteral("bt_avancar_por.png"));
        QCOMPARE(inicio()->mercados()->itemText(0), QStringLiteral("Brasil"));
        QCOMPARE(market(), QStringLiteral("BR"));
        // The longer title moves the ® mark right.
        QVERIFY(inicio()->findChild<QLabel*>(QStringLiteral("lblregis"))->x() > regisBefore);
        // The record learns the language only on forward.
        QCOMPARE(mdi->pelgo().Idioma(), std::string());
    }

    void forwardStoresTheChoiceAndOpensTheOpeningPage()
    {
        startWizard();
        inicio()->idiomas()->setCurrentIndex(2);
        QCOMPARE(market(), QStringLiteral("LA"));
        pressForward();
        QCOMPARE(mdi->pelgo().Idioma(), std::string("ESP"));
        QCOMPARE(mdi->pelgo().Mercado(), std::string("LA"));
        QCOMPARE(mdi->pelgo().Norma(), std::string("IEC"));
        QVERIFY(inicio() == nullptr);
        WizardScreen* opening = mdi->router().screen(0);
        QVERIFY(opening && opening->isVisible());
        QVERIFY(opening->findChild<QTextEdit*>(QStringLiteral("rtbVantagens"))->toPlainText().startsWith(
            QString::fromUtf8("» ")));
        QVERIFY(opening->findChild<QTextEdit*>(QStringLiteral("rtfFinalidade"))->toPlainText().endsWith(
            QLatin1Char(':')));
        QVERIFY(!opening->findChild<QTextEdit*>(QStringLiteral("rtfCopyright"))->toPlainText().isEmpty());
        QCOMPARE(picture(opening, "imgAcessar"), QStringLiteral("bt_acessar_esp.png"));

        opening->findChild<ImageButton*>(QStringLiteral("imgAcessar"))->click();
        settle();
        QVERIFY(mdi->router().screen(0) == nullptr);
        QVERIFY(mdi->router().screen(1) && mdi->router().screen(1)->isVisible());
    }

    void missingDefaultMarketCannotGoForward()
    {
        test::DataCopy data;
        QVERIFY(data.edit("Padrao_Idioma.xml", "<ENG cd_mercado=\"U\"", "<ENG cd_mercado=\"XX\""));
        test::MessageRecorder recorder;
        startWizard();
        QCOMPARE(inicio()->mercados()->currentIndex(), -1);
        QVERIFY(inicio()->mercados()->count() > 0);
        pressForward();
        QVERIFY(inicio() && inicio()->isVisible());
        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(mdi->pelgo().Idioma(), std::string());
    }

    void marketWithoutStandardSaysErr1()
    {
        test::DataCopy data;
        QVERIFY(data.edit("Padrao_Mercado.xml", "<U ds_norma=", "<Unused ds_norma="));
        test::MessageRecorder recorder;
        startWizard();
        QCOMPARE(market(), QStringLiteral("U"));
        pressForward();
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("err 1")});
        QVERIFY(inicio() && inicio()->isVisible());
        QCOMPARE(mdi->pelgo().Mercado(), std::string());
    }

    void brokenCatalogueIsAMessageNotACrash()
    {
        test::DataCopy data;
        QVERIFY(data.edit("Textos_pagina_pelgo.xml", "<TIDIOMA ds_texto=\"Language\"", "<TIDIOMA_GONE ds_texto=\"\""));
        test::MessageRecorder recorder;
        mdi = std::make_unique<frmMDI>();
        mdi->start();
        settle();
        QVERIFY(!recorder.messages.isEmpty());
        QVERIFY(recorder.messages[0].contains(QStringLiteral("Textos_pagina_pelgo.xml")));
        QVERIFY(recorder.messages[0].contains(QStringLiteral("TIDIOMA")));
    }

    void helpFollowsTheListLanguageAndHidesOnLeaving()
    {
#ifdef PELGO_SANITIZED
        QSKIP("the embedded browser does not run under the sanitizers");
#endif
        startWizard();
        inicio()->idiomas()->setCurrentIndex(2);
        inicio()->findChild<ImageButton*>(QStringLiteral("imgbtAjuda"))->click();
        QVERIFY(mdi->hasHelp());
        frmHelp& help = mdi->help();
        QVERIFY(help.isVisible());
        QVERIFY(help.page().toLocalFile().endsWith(QStringLiteral("/help/Ajuda_Inicial_ESP.htm")));
        QVERIFY(QFile::exists(help.page().toLocalFile()));

        // Working on the screen behind hides the help; it stays loaded.
        QApplication::setActiveWindow(mdi.get());
        inicio()->mercados()->setFocus();
        settle();
        QTRY_VERIFY(!help.isVisible());

        inicio()->idiomas()->setCurrentIndex(0);
        inicio()->findChild<ImageButton*>(QStringLiteral("imgbtAjuda"))->click();
        QVERIFY(help.isVisible());
        QVERIFY(help.page().toLocalFile().endsWith(QStringLiteral("/help/Ajuda_Inicial_POR.htm")));
    }

    void dialogShowsTheMessageUntilOk()
    {
        frmDialog dialog;
        dialog.setMessage(QStringLiteral("Pelgo"), QStringLiteral("No soft-starter fits this start."));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pelgo"));
        QCOMPARE(dialog.message()->toPlainText(), QStringLiteral("No soft-starter fits this start."));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.okButton()->click(); });
        QCOMPARE(dialog.exec(), static_cast<int>(QDialog::Accepted));
    }
};

PELGO_SHELL_TEST_MAIN(InicioTest)
#include "inicio_test.moc"
