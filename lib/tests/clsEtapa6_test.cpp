// Step 6: both sizing methods end to end on the small engine catalogue, the
// screen texts, the failure messages and the data errors.

#include "EngineFixture.h"

#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsEtapa6.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pelgo;
using pelgo::test::EngineFolder;
using pelgo::test::LocaleGuard;

namespace {

// A 37 kW 4-pole 60 Hz motor at 380 V driving a centrifugal pump, as the
// sizing record hands it to step 6 (point decimal lists).
struct Sizing {
    std::string language = "POR";
    std::int16_t temperature = 40;
    std::int16_t altitude = 1000;
    std::string CCn = "2.3|2.2|2.1|2.05|2|2.1|2.3|2.6|2.8|2.2|0";
    std::string IIn = "7|6.9|6.8|6.7|6.5|6.3|6|5.5|4.7|3.2|1";
    std::string C = "30|6|9|14|20|29|39|52|66|82|100";
    double voltageDrop = 0.81;
    double ratedTorque = 200;
    std::int16_t frequency = 60;
    std::int16_t poles = 4;
    double motorInertia = 0.37;
    double loadInertia = 0.74;
    double In = 69;
    double lockedRotorTime = 12;
    double interval = 600;
    double dutyFactor = 90;
    std::int16_t byPass = 1;
    double serviceFactor = 1;
    double connection = 1;
    std::int16_t startsPerHour = 6;
    std::int16_t controlVoltage = 220;
    std::int16_t supplyVoltage = 380;

    bool rampa(clsEtapa6& step, bool userPedestal = false, double pedestal = 0.25) const
    {
        return step.DimensionamentoRampaTensao(userPedestal, language, temperature, altitude, pedestal, CCn,
                                               voltageDrop, C, ratedTorque, IIn, frequency, poles, motorInertia,
                                               loadInertia, In, lockedRotorTime, interval, dutyFactor, byPass,
                                               serviceFactor, connection, startsPerHour, controlVoltage,
                                               supplyVoltage);
    }
    bool limitacao(clsEtapa6& step, bool userLimit = false, double limit = 2.0) const
    {
        return step.DimensionamentoTensaoCorrente(userLimit, language, limit, CCn, C, IIn, voltageDrop, ratedTorque,
                                                  frequency, poles, motorInertia, loadInertia, lockedRotorTime, In,
                                                  interval, dutyFactor, byPass, serviceFactor, connection,
                                                  startsPerHour, temperature, altitude, controlVoltage,
                                                  supplyVoltage);
    }
};

class Etapa6 : public ::testing::Test {
protected:
    EngineFolder folder;
    LocaleGuard locale{pelgo::test::kPointLocale};
    clsEtapa6 step;
};

TEST_F(Etapa6, VoltageRampSearchStepsBackToTheSmallestDevice)
{
    ASSERT_TRUE(Sizing().rampa(step));
    // The search raised the pedestal from 41 % while the device got smaller and
    // reports the pass one step below the first one that no longer improved.
    EXPECT_EQ(step.PedestalMinimo(), 41);
    EXPECT_EQ(step.PedestalTensao(), 43);
    EXPECT_EQ(step.TempoAceleracaoRampaTensao(), 4.01);
    EXPECT_EQ(step.CorrenteEficazPartidaRampaTensao(), 239.26);
    EXPECT_EQ(step.TensaoRampaTensao(), "43,49,54,60,66,72,77,83,89,94");
    EXPECT_EQ(step.ConjugadoTarvoRampaTensao(), "34,42,50,60,70,87,111,145,178,158");
    EXPECT_EQ(step.ConjugadoEscalaRampaTensao(), 179); // from the discarded pass at 44 %
    EXPECT_EQ(step.CorrenteTensaoReduzidaRampaTensao(),
              "3.01,3.3603,3.6992,4.0267,4.277,4.5045,4.632,4.5595,4.1642,3.0176");
    EXPECT_EQ(step.TempoAceleracaoRampaTensaoN(),
              "2.28191045611856,2.57380725989351,2.8350764475012,3.07118549549758,3.29351945250667,"
              "3.48512593632595,3.63997222739305,3.75833230488418,3.85586827861143,4.00627936169835");

    EXPECT_TRUE(step.DisponivelRampaTensao());
    EXPECT_EQ(step.ModeloTarvoRampaTensao(), "F4-130-380");
    EXPECT_EQ(step.NrReferenciaRampaTensao(), 4);
    EXPECT_EQ(step.CorrenteSaidaTarvoRampaTensao(), 130);
    EXPECT_EQ(step.AlturaTarvoRampaTensao(), 230);
    EXPECT_EQ(step.LarguraTarvoRampaTensao(), 115);
    EXPECT_EQ(step.ProfundidadeTarvoRampaTensao(), 112);
    EXPECT_EQ(step.PesoTarvoRampaTensao(), 13);
    EXPECT_EQ(step.ReferenciaRampaTensao(), "Ref: 68.09 A");
    EXPECT_TRUE(step.DisponivelRampaTensaoTarvo06());
    EXPECT_EQ(step.ModeloRampaTensaoTarvo06(), "F6-110-380");
    EXPECT_EQ(step.ReferenciaRampaTensaoTarvo06(), "Ref: 68.09 A");
    EXPECT_TRUE(step.DisponivelCalculoEconomiaRampaTensao());
    EXPECT_NEAR(step.DiferencaPotenciaDissipadaRampaTensao(), 0.443, 1e-12);

    // The other method's members are untouched.
    EXPECT_FALSE(step.DisponivelLimitacaoCorrente());
    EXPECT_EQ(step.TensaoLimitacaoCorrente(), "");
}

TEST_F(Etapa6, CurrentLimitSearchStepsBackToTheSmallestDevice)
{
    ASSERT_TRUE(Sizing().limitacao(step));
    EXPECT_EQ(step.LimitacaoCorrenteMinimo(), 298);
    EXPECT_EQ(step.LimitacaoCorrente(), 303);
    EXPECT_EQ(step.TempoAceleracaoLimitacaoCorrente(), 14.1);
    EXPECT_EQ(step.CorrenteEficazPartidaLimitacaoCorrente(), 209.07);
    EXPECT_EQ(step.TensaoLimitacaoCorrente(), "43,44,45,45,47,48,50,55,64,95");
    EXPECT_EQ(step.ConjugadoTarvoLimitacaoCorrente(), "35,34,34,34,35,39,48,64,94,160");
    EXPECT_EQ(step.ConjugadoEscalaLimitacaoCorrente(), 161);
    // The limit has moved up in steps of 0.01 from 2.0.
    EXPECT_EQ(step.CorrenteTensaoReduzidaLimitacaoCorrente(),
              "3.02999999999998,3.02999999999998,3.02999999999998,3.02999999999998,3.02999999999998,"
              "3.02999999999998,3.02999999999998,3.02999999999998,3.02999999999998,3.02999999999998");
    EXPECT_EQ(step.SessionTempoAceleracaoLimitacaoCorrente(),
              "2.06829094968455,2.44603165138698,2.9016184410156,3.49991081596064,4.44804024579826,"
              "6.34590847060942,11.3914402850016,13.455055012933,13.9558841685563,14.10344095903");
    EXPECT_TRUE(step.DisponivelLimitacaoCorrente());
    EXPECT_EQ(step.ModeloTarvoLimitacaoCorrente(), "F4-130-380");
    EXPECT_EQ(step.NrReferenciaLimitacaoCorrente(), 4);
    EXPECT_EQ(step.ReferenciaLimitacaoCorrente(), "Ref: 72.11 A");
    EXPECT_EQ(step.ModeloLimitacaoCorrenteTarvo06(), "F6-110-380");
    EXPECT_TRUE(step.DisponivelLimitacaoCorrenteTarvo06());
    EXPECT_TRUE(step.DisponivelCalculoEconomiaLimitacaoCorrente());
    EXPECT_FALSE(step.DisponivelRampaTensao());
}

TEST_F(Etapa6, RegionalListsGiveTheSameSizing)
{
    LocaleGuard comma(pelgo::test::kCommaLocale);
    Sizing sizing;
    sizing.CCn = "2,3|2,2|2,1|2,05|2|2,1|2,3|2,6|2,8|2,2|0";
    sizing.IIn = "7|6,9|6,8|6,7|6,5|6,3|6|5,5|4,7|3,2|1";
    ASSERT_TRUE(sizing.rampa(step));
    EXPECT_EQ(step.PedestalTensao(), 43);
    // Result lists keep the point; the reference text follows the regional form.
    EXPECT_EQ(step.CorrenteTensaoReduzidaRampaTensao(),
              "3.01,3.3603,3.6992,4.0267,4.277,4.5045,4.632,4.5595,4.1642,3.0176");
    EXPECT_EQ(step.ReferenciaRampaTensao(), "Ref: 68,09 A");
}

TEST_F(Etapa6, UserPedestalTooLowIsRaisedToTheFirstThatWorks)
{
    ASSERT_TRUE(Sizing().rampa(step, true, 0.30));
    EXPECT_EQ(step.PedestalTensao(), 41);
    EXPECT_EQ(step.PedestalMinimo(), 0); // only the automatic search writes it
    EXPECT_EQ(step.TempoAceleracaoRampaTensao(), 9.53);
    EXPECT_EQ(step.CorrenteEficazPartidaRampaTensao(), 213.71);
    EXPECT_EQ(step.TensaoRampaTensao(), "41,47,53,59,65,70,76,82,88,94");
    EXPECT_EQ(step.ConjugadoTarvoRampaTensao(), "31,39,47,57,68,85,109,143,176,158");
    EXPECT_EQ(step.ConjugadoEscalaRampaTensao(), 176);
    EXPECT_EQ(step.ReferenciaRampaTensao(), "Ref: 70.25 A");
}

TEST_F(Etapa6, UserCurrentLimitTooLowIsRaisedToTheFirstThatWorks)
{
    ASSERT_TRUE(Sizing().limitacao(step, true, 2.5));
    EXPECT_EQ(step.LimitacaoCorrente(), 298);
    EXPECT_EQ(step.LimitacaoCorrenteMinimo(), 0);
    EXPECT_EQ(step.TempoAceleracaoLimitacaoCorrente(), 34.36);
    EXPECT_EQ(step.TensaoLimitacaoCorrente(), "43,43,44,44,46,47,50,54,63,93");
    EXPECT_EQ(step.ReferenciaLimitacaoCorrente(), "Ref: 85.78 A");
    EXPECT_EQ(step.ModeloTarvoLimitacaoCorrente(), "F4-130-380");
}

TEST_F(Etapa6, FullPedestalThatWorksEndsTheSearchAtOnce)
{
    ASSERT_TRUE(Sizing().rampa(step, false, 1.0));
    EXPECT_EQ(step.PedestalMinimo(), 100);
    EXPECT_EQ(step.PedestalTensao(), 100);
    EXPECT_EQ(step.TensaoRampaTensao(), "100,100,100,100,100,100,100,100,100,100");
    EXPECT_EQ(step.CorrenteTensaoReduzidaRampaTensao(), "7,6.9,6.8,6.7,6.5,6.3,6,5.5,4.7,3.2");
    EXPECT_EQ(step.ConjugadoEscalaRampaTensao(), 227);
    EXPECT_EQ(step.TempoAceleracaoRampaTensao(), 0.73);
}

TEST_F(Etapa6, CurrentLimitChartScaleIsAtLeast100)
{
    Sizing light;
    light.C = "10|5|5|5|5|5|5|5|5|5|5";
    light.loadInertia = 0.1;
    ASSERT_TRUE(light.limitacao(step));
    EXPECT_EQ(step.ConjugadoTarvoLimitacaoCorrente(), "20,20,19,19,20,22,27,37,54,91");
    EXPECT_EQ(step.ConjugadoEscalaLimitacaoCorrente(), 100);
    EXPECT_EQ(step.LimitacaoCorrente(), 229);
    EXPECT_EQ(step.LimitacaoCorrenteMinimo(), 200);
}

TEST_F(Etapa6, CompactFamilyForALightShortStart)
{
    Sizing small;
    small.CCn = "3|2.9|2.8|2.7|2.6|2.6|2.7|2.9|3.1|2.5|0";
    small.IIn = "7.5|7.4|7.3|7.2|7|6.8|6.4|5.8|4.8|3|1";
    small.C = "25|4|7|12|19|27|38|51|65|82|100";
    small.ratedTorque = 49;
    small.motorInertia = 0.048;
    small.loadInertia = 0.1;
    small.In = 14.8;
    small.lockedRotorTime = 15;
    small.interval = 1200;
    small.dutyFactor = 50;
    small.startsPerHour = 3;
    ASSERT_TRUE(small.rampa(step));
    EXPECT_EQ(step.PedestalTensao(), 35);
    EXPECT_EQ(step.TempoAceleracaoRampaTensao(), 1.99);
    EXPECT_EQ(step.ConjugadoEscalaRampaTensao(), 191);
    EXPECT_EQ(step.NrReferenciaRampaTensao(), 5);
    EXPECT_EQ(step.ModeloTarvoRampaTensao(), "F5-30-380");
    EXPECT_EQ(step.ReferenciaRampaTensao(), "Ref: 10.63 A");
    // The compact family is never offered beside a Tarvo06 model.
    EXPECT_FALSE(step.DisponivelRampaTensaoTarvo06());
    EXPECT_EQ(step.ReferenciaRampaTensaoTarvo06(), "Ref: 0 A");
    EXPECT_FALSE(step.DisponivelCalculoEconomiaRampaTensao());
}

TEST_F(Etapa6, ThermalWindowIsLongerAbove120A)
{
    Sizing heavyInertia;
    heavyInertia.loadInertia = 76;
    heavyInertia.lockedRotorTime = 100;
    EXPECT_FALSE(heavyInertia.rampa(step, true, 1.0)); // 50 s start, 40 s allowed
    EXPECT_EQ(step.Mensagem(), "POR/DIMENSIONAMENTO/MSGDIMENSIONAMENTO1");

    clsEtapa6 larger;
    heavyInertia.In = 130;
    ASSERT_TRUE(heavyInertia.rampa(larger, true, 1.0)); // 60 s allowed
    EXPECT_EQ(larger.TempoAceleracaoRampaTensao(), 49.99);
}

TEST_F(Etapa6, FailuresLeaveTheirMessage)
{
    Sizing loadAboveMotor;
    loadAboveMotor.C = "30|6|9|14|20|250|39|52|66|82|100";
    Sizing loadEqualToMotor;
    loadEqualToMotor.voltageDrop = 1;
    loadEqualToMotor.C = "30|6|9|205|20|29|39|52|66|82|100";
    Sizing overheats;
    overheats.lockedRotorTime = 0.3;

    struct Case {
        const char* name;
        Sizing sizing;
        const char* rampaTag;
        const char* limitacaoTag;
    };
    const Case cases[] = {
        {"load above the full-voltage torque", loadAboveMotor, "MSGDIMENSIONAMENTO", "MSGDIMENSIONAMENTO"},
        {"load equal to the full-voltage torque", loadEqualToMotor, "MSGDIMENSIONAMENTO", "MSGDIMENSIONAMENTO"},
        {"start too long for the motor", overheats, "MSGDIMENSIONAMENTO1", "MSGDIMENSIONAMENTO1"},
    };
    for (const Case& c : cases) {
        clsEtapa6 rampa;
        EXPECT_FALSE(c.sizing.rampa(rampa)) << c.name;
        EXPECT_EQ(rampa.Mensagem(), std::string("POR/DIMENSIONAMENTO/") + c.rampaTag) << c.name;
        clsEtapa6 limitacao;
        EXPECT_FALSE(c.sizing.limitacao(limitacao)) << c.name;
        EXPECT_EQ(limitacao.Mensagem(), std::string("POR/DIMENSIONAMENTO/") + c.limitacaoTag) << c.name;
    }
}

TEST_F(Etapa6, InputsWithoutPhysicalMeaningGetAMessage)
{
    const auto with = [](auto change) {
        Sizing s;
        change(s);
        return s;
    };
    const Sizing cases[] = {
        with([](Sizing& s) { s.In = 0; }),
        with([](Sizing& s) { s.poles = 0; }),
        with([](Sizing& s) { s.frequency = 0; }),
        with([](Sizing& s) { s.ratedTorque = -1; }),
        with([](Sizing& s) { s.motorInertia = 0, s.loadInertia = 0; }),
        with([](Sizing& s) { s.IIn = "7|6.9|6.8|0|6.5|6.3|6|5.5|4.7|3.2|1"; }),
        with([](Sizing& s) { s.connection = 0; }),
        with([](Sizing& s) { s.interval = -1; }),
        with([](Sizing& s) { s.dutyFactor = -5; }),
    };
    for (const Sizing& sizing : cases) {
        clsEtapa6 rampa;
        EXPECT_FALSE(sizing.rampa(rampa));
        EXPECT_EQ(rampa.Mensagem(), "POR/DIMENSIONAMENTO/MSGDADOSINVALIDOS");
        clsEtapa6 limitacao;
        EXPECT_FALSE(sizing.limitacao(limitacao));
        EXPECT_EQ(limitacao.Mensagem(), "POR/DIMENSIONAMENTO/MSGDADOSINVALIDOS");
    }
    clsEtapa6 zeroPedestal;
    EXPECT_FALSE(Sizing().rampa(zeroPedestal, true, 0));
}

TEST_F(Etapa6, ShortOrBrokenTablesAreDataErrors)
{
    struct Case {
        std::string Sizing::*table;
        const char* text;
        const char* named;
    };
    const Case cases[] = {
        {&Sizing::CCn, "2.3|2.2|2.1|2.05|2|2.1|2.3|2.6|2.8", "CCn"},
        {&Sizing::IIn, "", "IIn"},
        {&Sizing::C, "30|6|9|14|20|29|39|52|66|82", "C"},
        {&Sizing::C, "30|6|9|14|x|29|39|52|66|82|100", "C"},
    };
    for (const Case& c : cases) {
        Sizing sizing;
        sizing.*c.table = c.text;
        try {
            sizing.rampa(step);
            ADD_FAILURE() << "no DataError for " << c.text;
        } catch (const DataError& e) {
            EXPECT_NE(e.file().find(std::string("table ") + c.named), std::string::npos) << e.what();
        }
        EXPECT_THROW(sizing.limitacao(step), DataError);
    }
}

TEST_F(Etapa6, MissingDeratingElementOrCatalogueAreDataErrors)
{
    Sizing unknownAltitude;
    unknownAltitude.altitude = 1500;
    EXPECT_THROW(unknownAltitude.rampa(step), DataError);
    EXPECT_THROW(unknownAltitude.limitacao(step), DataError);

    folder.remove("Tarvo.xml");
    clsEtapa6 noCatalogue;
    EXPECT_THROW(Sizing().rampa(noCatalogue), DataError);
}

TEST_F(Etapa6, NewObjectHoldsNothing)
{
    EXPECT_FALSE(step.DisponivelRampaTensao());
    EXPECT_FALSE(step.DisponivelLimitacaoCorrente());
    EXPECT_EQ(step.ModeloTarvoRampaTensao(), "");
    EXPECT_EQ(step.PedestalTensao(), 0);
    EXPECT_EQ(step.ConjugadoEscalaLimitacaoCorrente(), 0);
    EXPECT_EQ(step.Mensagem(), "");
    EXPECT_EQ(step.Resultado(), "");
}

TEST_F(Etapa6, IniciaReadsEveryScreenText)
{
    EXPECT_EQ(step.Inicia("ENG"), 0);
    EXPECT_EQ(step.Data(), todayText());
    EXPECT_EQ(step.Mensagem(), "Part one. Part two.");
    const std::pair<std::string, std::string> texts[] = {
        {step.Economia(), "ETAPA6/TECONOMIA"},
        {step.TituloMensagem(), "ETAPA6/IMPORTANTE"},
        {step.TLimitacaoCorrente(), "ETAPA6/TLIMITACAOCORRENTE"},
        {step.Resultado(), "ETAPA6/RESULTADO"},
        {step.PartidaRampaTencao(), "ETAPA6/PARTIDARAMPATENCAO"},
        {step.TModelo(), "ETAPA6/TMODELO"},
        {step.RespostaMotor(), "ETAPA6/RESPOSTAMOTOR"},
        {step.TPedestalTencao(), "ETAPA6/TPEDESTALTENCAO"},
        {step.TTempoAceleracao(), "ETAPA6/TTEMPOACELERACAO"},
        {step.TCorrenteEficazPartida(), "ETAPA6/TCORRENTEEFICAZPARTIDA"},
        {step.btRed(), "BOTOES/BTRED"},
        {step.GraficoRampaTensao(), "BOTOES/BTGRAFICOS"},
        {step.PartidaLimitacaoCorrente(), "ETAPA6/PARTIDALIMITACAOCORRENTE"},
        {step.GraficoLimitacaoCorrente(), "BOTOES/BTGRAFICOS"},
        {step.ResumoDados(), "ETAPA6/RESUMODADOS"},
        {step.Motor(), "ETAPA6/MOTOR"},
        {step.Gerais(), "ETAPA6/GERAIS"},
        {step.TPotenciaNominal(), "ETAPA6/TPOTENCIANOMINAL"},
        {step.TTensaoRede(), "ETAPA6/TTENSAOREDE"},
        {step.TNumeroPolos(), "ETAPA6/TNUMEROPOLOS"},
        {step.TQuedaTensaoPartida(), "ETAPA6/TQUEDATENSAOPARTIDA"},
        {step.TTensaoNominal(), "ETAPA6/TTENSAONOMINAL"},
        {step.TByPass(), "ETAPA6/TBYPASS"},
        {step.TCorrenteNominal(), "ETAPA6/TCORRENTENOMINAL"},
        {step.TLigacaoMotor(), "ETAPA6/TLIGACAOMOTOR"},
        {step.TTempoRotorBloqueado(), "ETAPA2/TTEMPOROTORBLOQUEADO"},
        {step.TTemperatura(), "ETAPA6/TTEMPERATURA"},
        {step.TMomentoInercia(), "ETAPA6/TMOMENTOINERCIA"},
        {step.TAltitude(), "ETAPA6/TALTITUDE"},
        {step.TCategoria(), "ETAPA6/TCATEGORIA"},
        {step.Carga(), "ETAPA6/CARGA"},
        {step.TAplicacao(), "ETAPA6/TAPLICACAO"},
        {step.TConjugadoNominal(), "ETAPA3/TCONJUGADONOMINAL"},
        {step.TNumeroPartidasHora(), "ETAPA6/TNUMEROPARTIDASHORA"},
        {step.TIntervaloEntrePartidas(), "ETAPA6/TINTERVALOENTREPARTIDAS"},
        {step.btVoltar(), "BOTOES/BTVOLTAR"},
        {step.btAjuda(), "BOTOES/BTAJUDA"},
        {step.btPara(), "BOTOES/BTPARA"},
        {step.btImprimir(), "BOTOES/BTIMPRIMIR"},
    };
    for (const auto& [text, source] : texts)
        EXPECT_EQ(text, "ENG/" + source);
}

TEST_F(Etapa6, FailureMessageReplacesTheDefault)
{
    // Inicia, then both methods; a failure message replaces the default one.
    ASSERT_EQ(step.Inicia("POR"), 0);
    Sizing overheats;
    overheats.lockedRotorTime = 0.3;
    EXPECT_FALSE(overheats.rampa(step));
    EXPECT_EQ(step.Mensagem(), "POR/DIMENSIONAMENTO/MSGDIMENSIONAMENTO1");
    EXPECT_EQ(step.TituloMensagem(), "POR/ETAPA6/IMPORTANTE");
}

// Every supply and control voltage, altitude and temperature that step 5 can
// store has its data in the shipped files, and a usual motor gets a model for
// both methods and a Tarvo06 model everywhere.
TEST(Etapa6ShippedData, EveryInstallationChoiceSizes)
{
    pelgo::test::ProgramFolderGuard folder(pelgo::test::shippedData());
    LocaleGuard locale(pelgo::test::kPointLocale);
    struct Installation {
        std::int16_t supply, control, altitude, temperature;
    };
    std::vector<Installation> installations;
    for (const std::int16_t supply : {220, 380, 400, 440, 460, 480, 575, 690})
        for (const std::int16_t control : {110, 220}) {
            installations.push_back({supply, control, 1000, 40});
            installations.push_back({supply, control, 4000, 60});
        }
    for (std::int16_t altitude = 0; altitude <= 4000; altitude += 500)
        for (const std::int16_t temperature : {0, 40, 41, 60})
            installations.push_back({380, 220, altitude, temperature});
    for (std::int16_t temperature = 0; temperature <= 60; ++temperature)
        installations.push_back({440, 220, 1000, temperature});

    for (const Installation& at : installations) {
        Sizing sizing;
        sizing.supplyVoltage = at.supply;
        sizing.controlVoltage = at.control;
        sizing.altitude = at.altitude;
        sizing.temperature = at.temperature;
        clsEtapa6 step;
        const std::string where = std::to_string(at.supply) + " V, " + std::to_string(at.control) + " V, "
                                  + std::to_string(at.altitude) + " m, " + std::to_string(at.temperature) + " C";
        ASSERT_TRUE(sizing.rampa(step)) << where;
        ASSERT_TRUE(sizing.limitacao(step)) << where;
        EXPECT_TRUE(step.DisponivelRampaTensao()) << where;
        EXPECT_TRUE(step.DisponivelLimitacaoCorrente()) << where;
        EXPECT_TRUE(step.DisponivelRampaTensaoTarvo06()) << where;
        EXPECT_TRUE(step.DisponivelCalculoEconomiaRampaTensao()) << where;
    }
}

} // namespace
