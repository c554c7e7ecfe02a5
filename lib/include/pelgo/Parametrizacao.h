#pragma once

// What the two parametrization steps share: their captions and the device
// settings of one starting method (operating mode P28, bypass relay P43,
// acceleration ramp time P02, motor current adjustment P21, current
// limitation P11 and thermal class P25), all as display texts.

#include <cstdint>
#include <optional>
#include <string>

namespace pelgo::parametrizacao {

// Captions, headings and button pictures of the parameter screens.
struct Textos {
    std::string parametrizacao;
    std::string trimpotAccelTime;      // only read for the trimpot step
    std::string trimpotMotorCurrent;   // only read for the trimpot step
    std::string trimpotPedestalVoltage; // only read for the trimpot step
    std::string modoOperacao;
    std::string releByPass;
    std::string tensaoInicialP01;
    std::string tempoRampaAcel;
    std::string limitacaoCorrenteP11;
    std::string ajusteCorrenteP21;
    std::string classeTermica;
    std::string fatorServico;
    std::string parametrosConfigura;
    std::string parametrosRegulacao;
    std::string parametrosMotor;
    std::string modelo;
    std::string partidaRampaTensao;
    std::string partidaLimitacaoCorrente;
    std::string btVoltar;
    std::string btImprimir;
    std::string imprimir;

    // Reads the texts of a language from the catalogue; the trimpot captions
    // only when `comTrimpots`. A missing text is a DataError.
    static Textos carrega(const std::string& idioma, bool comTrimpots);
};

// The motor and installation, common to both methods.
struct Instalacao {
    std::string idioma;        // for the "not available" text
    double correnteNominal;    // motor rated current, A
    double ligacaoMotor;       // connection factor: 1, or √3 for inside delta
    std::int16_t byPass;       // 1: no bypass contactor, otherwise with bypass
};

// One starting method's result from the dimensioning.
struct Metodo {
    std::int16_t referencia;   // device family of the chosen model
    double tempoAceleracao;    // s
    double correnteEficaz;     // rms starting current, A
    double correnteModelo;     // rated current of the chosen model, A
};

// The settings of one available method, as shown.
struct Ajustes {
    std::string modoOperacao;   // P28
    std::string releByPass;     // P43
    std::string tempoRampa;     // P02, s
    std::string ajusteCorrente; // P21, % of the model current
    std::string classeTermica;  // P25
};

Ajustes calculaAjustes(const Instalacao& instalacao, const Metodo& metodo);

// Single settings, each as shown on screen.
std::string modoOperacao(const Instalacao& instalacao, std::int16_t referencia);
std::string releByPass(std::int16_t byPass);
std::string tempoRampaP02(double tempoAceleracao);
// P21 in % of the model current, "OFF" outside the device's range; "" when
// the model current is unknown (0).
std::string ajusteCorrenteP21(const Instalacao& instalacao, double correnteModelo);

// P11 in % of the model current; a value not above `piso` is shown as the
// floor itself. "" when the model current is unknown (0).
std::string limitacaoCorrenteP11(const Instalacao& instalacao, double limitacaoCorrente, double correnteModelo,
                                 std::optional<double> piso);

// numerador / divisor × fator rounded half to even; nullopt when it cannot be
// formed (divisor not positive, result not finite).
std::optional<double> razaoArredondada(double numerador, double divisor, double fator = 1);

// Decimal digits of a whole number, "-" when negative, no separators; "" when
// not finite.
std::string textoInteiro(double inteiro);

} // namespace pelgo::parametrizacao
