#include "pelgo/clsEtapa10.h"

#include "pelgo/DataError.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include <unistd.h>

namespace pelgo {
namespace {

using test::fixture;
using test::ProgramFolderGuard;

const double kTrianguloInterno = std::sqrt(3.0);

// A sizing with both methods available; each test changes what it looks at.
struct Dimensionamento {
    std::string idioma = "POR";
    bool rampaDisponivel = true;
    std::int16_t referenciaRampa = 3;
    double ligacao = 1;
    std::int16_t byPass = 0;
    double correnteNominal = 100;
    double correnteModeloRampa = 170;
    double correnteEficazRampa = 350;
    double correnteEficazLimitacao = 250;
    double tempoLimitacao = 15;
    double tempoRampa = 8;
    bool limitacaoDisponivel = true;
    std::int16_t referenciaLimitacao = 3;
    double limitacao = 300;
    std::int16_t correnteModeloLimitacao = 170;

    clsEtapa10 inicia() const
    {
        clsEtapa10 etapa;
        EXPECT_EQ(etapa.Inicia(idioma, rampaDisponivel, referenciaRampa, ligacao, byPass, correnteNominal,
                               correnteModeloRampa, correnteEficazRampa, correnteEficazLimitacao, tempoLimitacao,
                               tempoRampa, limitacaoDisponivel, referenciaLimitacao, limitacao,
                               correnteModeloLimitacao),
                  0);
        return etapa;
    }
};

class Etapa10 : public ::testing::Test {
protected:
    ProgramFolderGuard folder_{fixture("settings/base")};
};

TEST_F(Etapa10, ReadsEveryTextOfItsLanguage)
{
    const clsEtapa10 etapa = Dimensionamento{}.inicia();
    EXPECT_EQ(etapa.Imprimir(), "POR TIMPRIMIR");
    EXPECT_EQ(etapa.PartidaLimitacaoCorrente(), "POR PARTIDALIMITACAOCORRENTE");
    EXPECT_EQ(etapa.ParametrosMotor(), "POR PARAMETROSMOTOR");
    EXPECT_EQ(etapa.ParametrosRegulacao(), "POR PARAMETROSREGULACAO");
    EXPECT_EQ(etapa.ParametrosConfigura(), "POR PARAMETROSCONFIGURA");
    EXPECT_EQ(etapa.PartidaRampaTencao(), "POR PARTIDARAMPATENCAO");
    EXPECT_EQ(etapa.TParametrizacao(), "POR TPARAMETRIZACAO");
    EXPECT_EQ(etapa.TModelo(), "POR TMODELO");
    EXPECT_EQ(etapa.TModoOperacao(), "POR TMODOOPERACAO");
    EXPECT_EQ(etapa.TReleByPass(), "POR TRELEBYPASS");
    EXPECT_EQ(etapa.TTensaoInicialP01(), "POR TTENSAOINICIALP01");
    EXPECT_EQ(etapa.TTempoRampaAcel(), "POR TTEMPORAMPAACEL");
    EXPECT_EQ(etapa.TAjusteCorrenteP21(), "POR TAJUSTECORRENTEP21");
    EXPECT_EQ(etapa.TClasseTermica(), "POR TCLASSETERMICA");
    EXPECT_EQ(etapa.TFatorServisso(), "POR TFATORSERVISSO");
    EXPECT_EQ(etapa.TLimitacaoCorrenteP11(), "POR TLIMITACAOCORRENTEP11");
    EXPECT_EQ(etapa.btVoltar(), "btvoltar_por.png");
    EXPECT_EQ(etapa.btImprimir(), "btimprimir_por.png");
}

TEST_F(Etapa10, SettingsOfBothMethods)
{
    const clsEtapa10 etapa = Dimensionamento{}.inicia();
    // Voltage ramp: 8 s, 350 A rms on 100 A, model 170 A.
    EXPECT_EQ(etapa.TempoAceleracaoRampaTensao(), "9"); // Round(9.2)
    EXPECT_EQ(etapa.ClasseTermicaRampaTensao(), "A20"); // t <= 10, ratio 3.5 above 3, within 5
    EXPECT_EQ(etapa.AjusteCorrenteMotorRampaTensao(), "59");
    EXPECT_EQ(etapa.ModoOperacaoRampaTensao(), "OFF");
    // Current limitation: 15 s, 250 A rms, 300 %.
    EXPECT_EQ(etapa.TempoRampaAceleracaoLimitacaoCorrente(), "17");
    EXPECT_EQ(etapa.ClasseTermicaLimitacaoCorrente(), "B20");
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "59");
    EXPECT_EQ(etapa.LimitacaoCorrente(), "176");
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "OFF");
    EXPECT_EQ(etapa.ReleByPass(), "ON");
}

TEST_F(Etapa10, CurrentLimitationHasNoFloor)
{
    Dimensionamento dados;
    dados.correnteNominal = 40;
    dados.limitacao = 300;
    dados.correnteModeloLimitacao = 170;
    EXPECT_EQ(dados.inicia().LimitacaoCorrente(), "71"); // step 9 shows 150 for the same sizing
}

TEST_F(Etapa10, InsideDeltaConnectionSetsBothDevicesForTheDeltaCurrent)
{
    Dimensionamento dados;
    dados.ligacao = kTrianguloInterno;
    dados.correnteModeloRampa = 50;
    dados.correnteModeloLimitacao = 50;
    const clsEtapa10 etapa = dados.inicia();
    EXPECT_EQ(etapa.ModoOperacaoRampaTensao(), "ON");
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "ON");
    EXPECT_EQ(etapa.AjusteCorrenteMotorRampaTensao(), "115");      // 100 / (√3 × 50), not 100 / (2 × 50)
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "115");
    EXPECT_EQ(etapa.LimitacaoCorrente(), "346");                    // 300 × 100 / (√3 × 50)
}

TEST_F(Etapa10, LargestModelCurrentDoesNotOverflow)
{
    Dimensionamento dados;
    dados.ligacao = 2;
    dados.correnteNominal = 30000;
    dados.correnteModeloLimitacao = std::numeric_limits<std::int16_t>::max();
    const clsEtapa10 etapa = dados.inicia();
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "46"); // 30000 / 65534 × 100
    EXPECT_EQ(etapa.LimitacaoCorrente(), "137");
}

TEST_F(Etapa10, ReferenceFourHasNoOperatingModeForThatMethodOnly)
{
    Dimensionamento dados;
    dados.referenciaRampa = 4;
    dados.ligacao = kTrianguloInterno;
    const clsEtapa10 etapa = dados.inicia();
    EXPECT_EQ(etapa.ModoOperacaoRampaTensao(), "POR NAODISPONIVEL");
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "ON");
}

TEST_F(Etapa10, BypassRelayWithOneMethodAvailable)
{
    for (const bool rampa : {true, false}) {
        Dimensionamento dados;
        dados.byPass = 1;
        dados.rampaDisponivel = rampa;
        dados.limitacaoDisponivel = !rampa;
        EXPECT_EQ(dados.inicia().ReleByPass(), "OFF") << (rampa ? "voltage ramp" : "current limitation");
    }
}

TEST_F(Etapa10, MethodNotAvailableLeavesItsValuesEmpty)
{
    Dimensionamento dados;
    dados.rampaDisponivel = false;
    clsEtapa10 etapa = dados.inicia();
    EXPECT_EQ(etapa.TempoAceleracaoRampaTensao(), "");
    EXPECT_EQ(etapa.ClasseTermicaRampaTensao(), "");
    EXPECT_EQ(etapa.AjusteCorrenteMotorRampaTensao(), "");
    EXPECT_EQ(etapa.ModoOperacaoRampaTensao(), "");
    EXPECT_EQ(etapa.LimitacaoCorrente(), "176");

    dados.rampaDisponivel = true;
    dados.limitacaoDisponivel = false;
    etapa = dados.inicia();
    EXPECT_EQ(etapa.TempoRampaAceleracaoLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.ClasseTermicaLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.LimitacaoCorrente(), "");
    EXPECT_EQ(etapa.ModoOperacaoLimitacaoCorrente(), "");
    EXPECT_EQ(etapa.TempoAceleracaoRampaTensao(), "9");

    dados.rampaDisponivel = false;
    EXPECT_EQ(dados.inicia().ReleByPass(), "");
}

TEST(Etapa10SemClasses, MissingThermalClassFileOnlyEmptiesTheClasses)
{
    namespace fs = std::filesystem;
    const fs::path pasta = fs::temp_directory_path() / ("pelgo-settings-" + std::to_string(::getpid()));
    fs::create_directories(pasta / "XML");
    fs::copy_file(fs::path(fixture("settings/base")) / "XML" / "Textos_pagina_pelgo.xml",
                  pasta / "XML" / "Textos_pagina_pelgo.xml", fs::copy_options::overwrite_existing);
    {
        ProgramFolderGuard folder(pasta.string());
        const clsEtapa10 etapa = Dimensionamento{}.inicia();
        EXPECT_EQ(etapa.ClasseTermicaRampaTensao(), "");
        EXPECT_EQ(etapa.ClasseTermicaLimitacaoCorrente(), "");
        EXPECT_EQ(etapa.AjusteCorrenteMotorLimitacaoCorrente(), "59");
        EXPECT_EQ(etapa.LimitacaoCorrente(), "176");
    }
    fs::remove_all(pasta);
}

TEST(Etapa10SemTextos, MissingTextIsADataError)
{
    ProgramFolderGuard folder(fixture("settings/base"));
    Dimensionamento dados;
    dados.idioma = "XXX";
    clsEtapa10 etapa;
    EXPECT_THROW(etapa.Inicia(dados.idioma, true, 3, 1, 0, 100, 170, 350, 250, 15, 8, true, 3, 300, 170), DataError);
}

} // namespace
} // namespace pelgo
