#include "pelgo/clsEtapa9.h"

#include "pelgo/DataError.h"
#include "pelgo/Parametrizacao.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pelgo {
namespace {

using test::fixture;
using test::ProgramFolderGuard;

const double kTrianguloInterno = std::sqrt(3.0);

// A sizing with both methods available; each test changes what it looks at.
struct Dimensionamento {
    std::string idioma = "POR";
    bool rampaDisponivel = true;
    bool limitacaoDisponivel = true;
    double tempoRampa = 10;
    double correnteNominal = 100;
    double correnteModeloRampa = 170;
    double pedestal = 40;
    double ligacao = 1;
    std::int16_t byPass = 0;
    double tempoLimitacao = 15;
    double limitacao = 300;
    double correnteModeloLimitacao = 170;
    std::int16_t referenciaLimitacao = 3;
    double correnteEficazLimitacao = 250;

    clsEtapa9 inicia() const
    {
        clsEtapa9 etapa;
        EXPECT_EQ(etapa.Inicia(idioma, rampaDisponivel, limitacaoDisponivel, tempoRampa, correnteNominal,
                               correnteModeloRampa, pedestal, ligacao, byPass, tempoLimitacao, limitacao,
                               correnteModeloLimitacao, referenciaLimitacao, correnteEficazLimitacao),
                  0);
        return etapa;
    }
};

class Etapa9 : public ::testing::Test {
protected:
    ProgramFolderGuard folder_{fixture("settings/base")};
};

TEST_F(Etapa9, ReadsEveryTextOfItsLanguage)
{
    Dimensionamento dados;
    dados.idioma = "ENG";
    const clsEtapa9 etapa = dados.inicia();
    EXPECT_EQ(etapa.PartidaRampaTencao(), "ENG PARTIDARAMPATENCAO");
    EXPECT_EQ(etapa.Imprimir(), "ENG TIMPRIMIR");
    EXPECT_EQ(etapa.ParametrosMotor(), "ENG PARAMETROSMOTOR");
    EXPECT_EQ(etapa.ParametrosRegulacao(), "ENG PARAMETROSREGULACAO");
    EXPECT_EQ(etapa.ParametrosConfigura(), "ENG PARAMETROSCONFIGURA");
    EXPECT_EQ(etapa.PartidaLimitacaoCorrente(), "ENG PARTIDALIMITACAOCORRENTE");
    EXPECT_EQ(etapa.TParametrizacao(), "ENG TPARAMETRIZACAO");
    EXPECT_EQ(etapa.TModelo(), "ENG TMODELO");
    EXPECT_EQ(etapa.TTrimpotAccelTime(), "ENG TTRIMPOTACCELTIME");
    EXPECT_EQ(etapa.TTrimpotMotorCurrent(), "ENG TTRIMPOTMOTORCURRENT");
    EXPECT_EQ(etapa.TTrimpotPedestalVoltage(), "ENG TTRIMPOTPEDESTALVOLTAGE");
    EXPECT_EQ(etapa.TModoOperacao(), "ENG TMODOOPERACAO");
    EXPECT_EQ(etapa.TReleByPass(), "ENG TRELEBYPASS");
    EXPECT_EQ(etapa.TTensaoInicialP01(), "ENG TTENSAOINICIALP01");
    EXPECT_EQ(etapa.TTempoRampaAcel(), "ENG TTEMPORAMPAACEL");
    EXPECT_EQ(etapa.TLimitacaoCorrenteP11(), "ENG TLIMITACAOCORRENTEP11");
    EXPECT_EQ(etapa.TAjusteCorrenteP21(), "ENG TAJUSTECORRENTEP21");
    EXPECT_EQ(etapa.TClasseTermica(), "ENG TCLASSETERMICA");
    EXPECT_EQ(etapa.TFatorServisso(), "ENG TFATORSERVISSO");
    EXPECT_EQ(etapa.btVoltar(), "btvoltar_eng.png");
    EXPECT_EQ(etapa.btImprimir(), "btimprimir_eng.png");
}

TEST_F(Etapa9, AccelTimeTrimpotAtItsThresholds)
{
    const struct {
        double tempo;
        std::int16_t posicao;
    } casos[] = {
        {0.8, 1},   // 0.92 s with the margin: below 1
        {0.9, 1},   // Round(1.26)
        {2.5, 4},   // Round(3.5): half to even
        {10, 14},
        {14.3, 20}, // Round(20.02)
        {16, 20},   // Round(22.4) is beyond the trimpot's 20
        {-3, 1},
    };
    for (const auto& caso : casos) {
        Dimensionamento dados;
        dados.tempoRampa = caso.tempo;
        EXPECT_EQ(dados.inicia().AccelTime(), caso.posicao) << "t = " << caso.tempo;
    }
}

TEST_F(Etapa9, MotorCurrentTrimpotIgnoresTheConnection)
{
    const struct {
        double correnteNominal;
        double correnteModelo;
        double ligacao;
        std::int16_t posicao;
    } casos[] = {
        {40, 170, 1, 24},  // Round(23.53)
        {100, 170, 1, 59},
        {100, 170, kTrianguloInterno, 59},
        {17, 200, 1, 8},   // Round(8.5): half to even
        {100, 0, 1, 0},    // no model current: not set
    };
    for (const auto& caso : casos) {
        Dimensionamento dados;
        dados.correnteNominal = caso.correnteNominal;
        dados.correnteModeloRampa = caso.correnteModelo;
        dados.ligacao = caso.ligacao;
        EXPECT_EQ(dados.inicia().MotorCurrent(), caso.posicao)
            << "In = " << caso.correnteNominal << " A, model " << caso.correnteModelo << " A";
    }
}

TEST_F(Etapa9, PedestalVoltageTrimpotStartsAt30)
{
    for (const auto& [pedestal, posicao] : {std::pair{25.0, 30.0}, {30.0, 30.0}, {35.0, 35.0}, {35.5, 35.5}}) {
        Dimensionamento dados;
        dados.pedestal = pedestal;
        EXPECT_EQ(dados.inicia().PedestalVoltage(), posicao) << pedestal;
    }
}

TEST_F(Etapa9, CurrentLimitationNeverBelow150)
{
    const struct {
        double limitacao;
        double correnteNominal;
        double ligacao;
        double correnteModelo;
        const char* p11;
    } casos[] = {
        {300, 40, 1, 170, "150"},                // Round(70.59) = 71
        {255, 100, 1, 170, "150"},               // exactly 150
        {256.7, 100, 1, 170, "151"},
        {400, 100, 1, 170, "235"},
        {300, 100, kTrianguloInterno, 100, "173"}, // the device carries the line current / √3
        {300, 100, 1, 0, ""},                    // no model current
    };
    for (const auto& caso : casos) {
        Dimensionamento dados;
        dados.limitacao = caso.limitacao;
        dados.correnteNominal = caso.correnteNominal;
        dados.ligacao = caso.ligacao;
        dados.correnteModeloLimitacao = caso.correnteModelo;
        EXPECT_EQ(dados.inicia().LimitacaoCorrente(), caso.p11) << caso.limitacao << " % of " << caso.correnteNominal;
    }
}

TEST_F(Etapa9, CurrentLimitationSettingsOfTheDevice)
{
    Dimensionamento dados; // In 100 A, model 170 A, 15 s, 250 A rms
    const clsEtapa9 etapa = dados.inicia();
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "59");
    EXPECT_EQ(etapa.TempoRampaAceleracaoLimitacaoCorrente(), "17"); // Round(17.25)
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "OFF");
    EXPECT_EQ(etapa.ReleByPass(), "ON");
    EXPECT_EQ(etapa.ClasseTermicaLimitacaoCorrente(), "B20"); // 10 < 15 <= 20, ratio 2.5
}

TEST_F(Etapa9, InsideDeltaConnectionSetsTheDeviceForTheDeltaCurrent)
{
    Dimensionamento dados;
    dados.ligacao = kTrianguloInterno;
    dados.correnteModeloLimitacao = 50;
    const clsEtapa9 etapa = dados.inicia();
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "ON");
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "115"); // 100 / (√3 × 50)
    EXPECT_EQ(etapa.LimitacaoCorrente(), "346");                     // 300 × 100 / (√3 × 50)
}

TEST_F(Etapa9, ReferenceFourHasNoOperatingMode)
{
    for (const double ligacao : {1.0, kTrianguloInterno}) {
        Dimensionamento dados;
        dados.referenciaLimitacao = 4;
        dados.ligacao = ligacao;
        EXPECT_EQ(dados.inicia().ModoOperacaoLimitacaoCorrente(), "POR NAODISPONIVEL");
    }
}

TEST_F(Etapa9, NotAvailableTextIsOnlyReadWhenNeeded)
{
    Dimensionamento dados;
    dados.idioma = "FALTA"; // lacks NAODISPONIVEL
    EXPECT_EQ(dados.inicia().ModoOperacaoLimitacaoCorrente(), "OFF");
    dados.referenciaLimitacao = 4;
    clsEtapa9 etapa;
    EXPECT_THROW(etapa.Inicia(dados.idioma, true, true, 10, 100, 170, 40, 1, 0, 15, 300, 170, 4, 250), DataError);
}

TEST_F(Etapa9, MethodNotAvailableLeavesItsValuesEmpty)
{
    Dimensionamento dados;
    dados.rampaDisponivel = false;
    dados.limitacaoDisponivel = false;
    const clsEtapa9 etapa = dados.inicia();
    EXPECT_EQ(etapa.AccelTime(), 0);
    EXPECT_EQ(etapa.MotorCurrent(), 0);
    EXPECT_EQ(etapa.PedestalVoltage(), 0);
    EXPECT_EQ(etapa.ClasseTermicaLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.LimitacaoCorrente(), "");
    EXPECT_EQ(etapa.TempoRampaAceleracaoLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.ReleByPass(), "");
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.TParametrizacao(), "POR TPARAMETRIZACAO"); // the texts are there all the same
}

// The settings both parametrization steps share.
TEST(Parametrizacao, AccelerationRampTimeP02)
{
    const struct {
        double tempo;
        const char* p02;
    } casos[] = {{20, "23"}, {0.5, "1"}, {0.87, "1"}, {0.86, "1"}, {15, "17"}, {10, "12"}};
    for (const auto& caso : casos)
        EXPECT_EQ(parametrizacao::tempoRampaP02(caso.tempo), caso.p02) << caso.tempo;
}

TEST(Parametrizacao, MotorCurrentAdjustmentP21OnlyInsideTheDeviceRange)
{
    const struct {
        double correnteNominal;
        double ligacao;
        double correnteModelo;
        const char* p21;
    } casos[] = {
        {100, 1, 30, "OFF"},  // 333
        {100, 1, 400, "OFF"}, // 25
        {100, 1, 170, "59"},
        {30, 1, 100, "OFF"},
        {31, 1, 100, "31"},
        {199, 1, 100, "199"},
        {200, 1, 100, "OFF"},
        {100, kTrianguloInterno, 50, "115"},
        {100, 0, 50, ""},
    };
    for (const auto& caso : casos) {
        const parametrizacao::Instalacao instalacao{"POR", caso.correnteNominal, caso.ligacao, 0};
        EXPECT_EQ(parametrizacao::ajusteCorrenteP21(instalacao, caso.correnteModelo), caso.p21)
            << caso.correnteNominal << " A on " << caso.correnteModelo << " A";
    }
}

TEST(Parametrizacao, BypassRelay)
{
    EXPECT_EQ(parametrizacao::releByPass(0), "ON");
    EXPECT_EQ(parametrizacao::releByPass(1), "OFF");
    EXPECT_EQ(parametrizacao::releByPass(2), "ON");
}

TEST(Parametrizacao, WholeNumberText)
{
    EXPECT_EQ(parametrizacao::textoInteiro(71), "71");
    EXPECT_EQ(parametrizacao::textoInteiro(-3), "-3");
    EXPECT_EQ(parametrizacao::textoInteiro(-0.0), "0");
    EXPECT_EQ(parametrizacao::textoInteiro(123456789), "123456789");
    EXPECT_EQ(parametrizacao::textoInteiro(INFINITY), "");
}

} // namespace
} // namespace pelgo
