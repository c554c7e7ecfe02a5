#pragma once

#include "pelgo/ListCursor.h"

#include <array>
#include <cstdint>
#include <string>

namespace pelgo {

// Step 4, the driven load: the load types with their torque curve, the band a
// user may edit it within and their inertia rules; the inertia units, the
// starts-per-hour values and the time units of the interval between starts.
// Converts intervals between time units and checks a typed load inertia
// against the limits of the load type, keeping it in kgm².
class clsEtapa4 {
public:
    // Number of points of a load-torque curve: 0, 10, ..., 100 % of speed.
    static constexpr std::int16_t kCurvePoints = 11;

    std::string TConjugadoCarga() const { return tConjugadoCarga_; }
    std::string ObsCarga() const { return obsCarga_; }
    // Lower and upper band at speed step index (0..10); std::out_of_range beyond.
    double CMin(std::int16_t index) const;
    double CMax(std::int16_t index) const;
    double InerciaCargaEixoMotor() const { return inerciaCargaEixoMotor_; }

    // An interval given in one of the two units seconds (1) and minutes (60),
    // expressed in the other one, the unit of IntervaloSeg seconds.
    // OverflowError when the unit factor leaves the 16-bit range.
    double VlIntervalo(std::int16_t Intervalo, std::int16_t IntervaloSeg) const;
    // Time between equally spaced starts, in units of IntervaloSeg seconds.
    // std::domain_error when either argument is 0.
    double VlIntervaloPartidas(std::int16_t NrPartidasHora, std::int16_t IntervaloSeg) const;

    // Checks the typed inertia dblJC, given in strUnidadeInerciaEixoMotor,
    // against the load type's range dblJCMI..dblJCMA (multiples of the motor
    // inertia dblMomentoInercia, kgm²) and keeps it in kgm². Returns the
    // below-minimum / above-maximum message of the language, or "".
    std::string SetInerciaCargaEixoMotor(const std::string& strIdioma, double InerciaCargaEixoMotor,
                                         const std::string& strUnidadeInerciaEixoMotor, double dblMomentoInercia,
                                         double dblJCMI, double dblJCMA, double dblJC);

    std::string TDadosAplicacao() const { return tDadosAplicacao_; }
    std::string TReferenciAplicacao() const { return tReferenciAplicacao_; }
    std::string TInerciaCarga() const { return tInerciaCarga_; }
    std::string TTipoCarga() const { return tTipoCarga_; }
    std::string TNumeroPartidasHora() const { return tNumeroPartidasHora_; }
    std::string TIntervaloEntrePartidas() const { return tIntervaloEntrePartidas_; }
    std::string TFatorUtilizacao() const { return tFatorUtilizacao_; }
    std::string TextoEtapa4() const { return textoEtapa4_; }
    std::string TMensagem() const { return tMensagem_; }
    std::string btVoltar() const { return btVoltar_; }
    std::string btAjuda() const { return btAjuda_; }
    std::string btAvancar() const { return btAvancar_; }

    // Loads load type number index (position in the load list): its remark,
    // inertia rules, default starts per hour and its curve with the band.
    void CarregaComplement(const std::string& strIdioma, std::int16_t index, double dblMomentoInercia);

    double MaiorCMax() const { return maiorCMax_; }
    // Load torque at speed step index (0..10); std::out_of_range beyond.
    double VlC(std::int32_t index) const;
    double InerciaEixoMotorMinima() const { return inerciaEixoMotorMinima_; }
    double InerciaEixoMotorMaxima() const { return inerciaEixoMotorMaxima_; }
    std::int16_t NrNumeroPartidasHora() const { return nrNumeroPartidasHora_; }
    std::int16_t NrFatorUtilizacao() const { return nrFatorUtilizacao_; }
    double InerciaEixoMotor() const { return inerciaEixoMotor_; }

    std::string DSCarga() const { return loads_.current().name; }
    bool EOFCarga() const { return loads_.eof(); }
    bool NextCarga() { return loads_.next(); }

    std::string DsUnidadeInercia() const { return inertiaUnits_.current(); }
    bool EOFUnidadeInercia() const { return inertiaUnits_.eof(); }
    bool NextUnidadeInercia() { return inertiaUnits_.next(); }

    std::int16_t NrPartidasHora() const { return startsPerHour_.current(); }
    bool EOFPartidasHora() const { return startsPerHour_.eof(); }
    bool NextPartidasHora() { return startsPerHour_.next(); }

    std::string DsIntervaloPartidas() const { return intervalUnits_.current().name; }
    double VlSegundos() const { return intervalUnits_.current().seconds; }
    bool EOFIntervaloPartidas() const { return intervalUnits_.eof(); }
    bool NextIntervaloPartidas() { return intervalUnits_.next(); }

    // Reads the texts and the four lists; always 0.
    std::int16_t Inicia(const std::string& strIdioma, double dblPotenciaKw);

private:
    struct LoadType {
        std::int16_t code = 0;
        std::string name;
    };
    struct IntervalUnit {
        std::string name;
        double seconds = 0;
    };
    using Curve = std::array<double, kCurvePoints>;

    void readTexts(const std::string& language);
    void readLoadTypes(const std::string& language, double powerKw);
    void readInertiaUnits(const std::string& language);
    void readStartsPerHour();
    void readIntervalUnits();
    static std::size_t curveIndex(std::int32_t index);

    std::string tConjugadoCarga_;
    std::string tDadosAplicacao_;
    std::string tReferenciAplicacao_;
    std::string tInerciaCarga_;
    std::string tTipoCarga_;
    std::string tNumeroPartidasHora_;
    std::string tIntervaloEntrePartidas_;
    std::string tFatorUtilizacao_;
    std::string textoEtapa4_;
    std::string tMensagem_;
    std::string btVoltar_;
    std::string btAjuda_;
    std::string btAvancar_;

    ListCursor<LoadType> loads_;
    // Position in the load list of the load that starts with 10 × the motor
    // inertia (code 24, motors up to 30 kW); -1 when there is none.
    std::int32_t specialLoadIndex_ = -1;
    ListCursor<std::string> inertiaUnits_;
    ListCursor<std::int16_t> startsPerHour_;
    ListCursor<IntervalUnit> intervalUnits_;

    std::string obsCarga_;
    double inerciaEixoMotor_ = 0;
    double inerciaEixoMotorMinima_ = 0;
    double inerciaEixoMotorMaxima_ = 0;
    std::int16_t nrNumeroPartidasHora_ = 0;
    std::int16_t nrFatorUtilizacao_ = 0;
    Curve c_{};
    Curve cMin_{};
    Curve cMax_{};
    double maiorCMax_ = 0;
    double inerciaCargaEixoMotor_ = 0;
};

} // namespace pelgo
