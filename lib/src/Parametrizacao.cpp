#include "pelgo/Parametrizacao.h"

#include "pelgo/ClasseTermica.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

#include <charconv>
#include <cmath>

namespace pelgo::parametrizacao {

namespace {

// The device family whose models have no operating-mode setting.
constexpr std::int16_t kReferenciaSemModoOperacao = 4;

// P21 is only offered inside the device's adjustment range.
constexpr double kAjusteCorrenteMinimo = 30;
constexpr double kAjusteCorrenteMaximo = 200;

// P02 is the acceleration time with a margin, never below 1 s.
constexpr double kMargemTempoRampa = 1.15;

} // namespace

Textos Textos::carrega(const std::string& idioma, bool comTrimpots)
{
    Textos textos;
    clsPelgo_Geral catalogo;
    catalogo.CarregaXML(idioma, "ETAPA9");
    textos.parametrizacao = catalogo.GetTextosPelgo("TPARAMETRIZACAO");
    if (comTrimpots) {
        textos.trimpotAccelTime = catalogo.GetTextosPelgo("TTRIMPOTACCELTIME");
        textos.trimpotMotorCurrent = catalogo.GetTextosPelgo("TTRIMPOTMOTORCURRENT");
        textos.trimpotPedestalVoltage = catalogo.GetTextosPelgo("TTRIMPOTPEDESTALVOLTAGE");
    }
    textos.modoOperacao = catalogo.GetTextosPelgo("TMODOOPERACAO");
    textos.releByPass = catalogo.GetTextosPelgo("TRELEBYPASS");
    textos.tensaoInicialP01 = catalogo.GetTextosPelgo("TTENSAOINICIALP01");
    textos.tempoRampaAcel = catalogo.GetTextosPelgo("TTEMPORAMPAACEL");
    textos.limitacaoCorrenteP11 = catalogo.GetTextosPelgo("TLIMITACAOCORRENTEP11");
    textos.ajusteCorrenteP21 = catalogo.GetTextosPelgo("TAJUSTECORRENTEP21");
    textos.classeTermica = catalogo.GetTextosPelgo("TCLASSETERMICA");
    textos.fatorServico = catalogo.GetTextosPelgo("TFATORSERVISSO");
    textos.parametrosConfigura = catalogo.GetTextosPelgo("PARAMETROSCONFIGURA");
    textos.parametrosRegulacao = catalogo.GetTextosPelgo("PARAMETROSREGULACAO");
    textos.parametrosMotor = catalogo.GetTextosPelgo("PARAMETROSMOTOR");

    catalogo.CarregaXML(idioma, "ETAPA6");
    textos.modelo = catalogo.GetTextosPelgo("TMODELO");
    textos.partidaRampaTensao = catalogo.GetTextosPelgo("PARTIDARAMPATENCAO");
    textos.partidaLimitacaoCorrente = catalogo.GetTextosPelgo("PARTIDALIMITACAOCORRENTE");

    catalogo.CarregaXML(idioma, "BOTOES");
    textos.btVoltar = catalogo.GetTextosPelgo("BTVOLTAR");
    textos.btImprimir = catalogo.GetTextosPelgo("BTIMPRIMIR");

    catalogo.CarregaXML(idioma, "IMPRESSAO_PELGO");
    textos.imprimir = catalogo.GetTextosPelgo("TIMPRIMIR");
    return textos;
}

Ajustes calculaAjustes(const Instalacao& instalacao, const Metodo& metodo)
{
    Ajustes ajustes;
    ajustes.modoOperacao = modoOperacao(instalacao, metodo.referencia);
    ajustes.releByPass = releByPass(instalacao.byPass);
    ajustes.tempoRampa = tempoRampaP02(metodo.tempoAceleracao);
    ajustes.ajusteCorrente = ajusteCorrenteP21(instalacao, metodo.correnteModelo);
    ajustes.classeTermica =
        ClasseTermica::ObtemClasseTermica(metodo.tempoAceleracao, metodo.correnteEficaz, instalacao.correnteNominal);
    return ajustes;
}

std::string modoOperacao(const Instalacao& instalacao, std::int16_t referencia)
{
    if (referencia == kReferenciaSemModoOperacao) {
        // Only this case needs the text, so only this case reads it.
        clsPelgo_Geral catalogo;
        catalogo.CarregaXML(instalacao.idioma, "ETAPA6");
        return catalogo.GetTextosPelgo("NAODISPONIVEL");
    }
    // The mode switches the device to inside-delta control for any
    // connection other than the plain line connection.
    return instalacao.ligacaoMotor == 1 ? "OFF" : "ON";
}

std::string releByPass(std::int16_t byPass)
{
    return byPass == 1 ? "OFF" : "ON";
}

std::string tempoRampaP02(double tempoAceleracao)
{
    const double tempo = tempoAceleracao * kMargemTempoRampa;
    return tempo >= 1 ? textoInteiro(roundHalfEven(tempo)) : "1";
}

std::string ajusteCorrenteP21(const Instalacao& instalacao, double correnteModelo)
{
    // In % of the current that flows through the device: the line current
    // divided by the connection factor.
    const auto ajuste = razaoArredondada(instalacao.correnteNominal, instalacao.ligacaoMotor * correnteModelo, 100);
    if (!ajuste)
        return "";
    if (*ajuste > kAjusteCorrenteMinimo && *ajuste < kAjusteCorrenteMaximo)
        return textoInteiro(*ajuste);
    return "OFF";
}

std::string limitacaoCorrenteP11(const Instalacao& instalacao, double limitacaoCorrente, double correnteModelo,
                                 std::optional<double> piso)
{
    const auto limite =
        razaoArredondada(limitacaoCorrente * instalacao.correnteNominal, instalacao.ligacaoMotor * correnteModelo);
    if (!limite)
        return "";
    if (piso && !(*limite > *piso))
        return textoInteiro(*piso);
    return textoInteiro(*limite);
}

std::optional<double> razaoArredondada(double numerador, double divisor, double fator)
{
    if (!(divisor > 0))
        return std::nullopt;
    const double razao = roundHalfEven(numerador / divisor * fator);
    if (!std::isfinite(razao))
        return std::nullopt;
    return razao;
}

std::string textoInteiro(double inteiro)
{
    if (!std::isfinite(inteiro))
        return "";
    if (inteiro == 0)
        inteiro = 0; // no "-0"
    char buffer[400];
    const auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, inteiro, std::chars_format::fixed, 0);
    return erro == std::errc() ? std::string(buffer, fim) : "";
}

} // namespace pelgo::parametrizacao
