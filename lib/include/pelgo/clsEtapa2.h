#pragma once

#include "pelgo/ListCursor.h"

#include <array>
#include <cstdint>
#include <string>

namespace pelgo {

struct MotorKey;

// Step 2, motor electrical data: the motor's nameplate data from the motor
// table (or estimated when the motor is not there), its rated current and
// torque, the service factors offered and the captions of the step.
class clsEtapa2 {
public:
    double InerciaMultiplicador() const { return inerciaMultiplicador_; }
    std::string UnidadeInercia() const { return unidadeInercia_; }
    std::string Carcaca() const { return carcaca_; }
    double ConjugadoNominalMotorTela() const { return conjugadoNominalMotorTela_; }
    double MomentoInercia() const { return momentoInercia_; }
    double TempoRotorBloqueado() const { return tempoRotorBloqueado_; }
    double CorrenteNominal() const { return correnteNominal_; }
    double Rendimento() const { return rendimento_; }
    double FatorPotencia() const { return fatorPotencia_; }

    std::string TDadosdoMotor() const { return tDadosdoMotor_; }
    std::string TFatorPotencia() const { return tFatorPotencia_; }
    std::string TRendimento() const { return tRendimento_; }
    std::string TCorrenteNominal() const { return tCorrenteNominal_; }
    std::string tFatorServico() const { return tFatorServico_; }
    std::string TTempoRotorBloqueado() const { return tTempoRotorBloqueado_; }
    std::string TMomentoInerciaJ() const { return tMomentoInerciaJ_; }
    std::string TMensagem() const { return tMensagem_; }
    std::string btVoltar() const { return btVoltar_; }
    std::string btAjuda() const { return btAjuda_; }
    std::string btAvancar() const { return btAvancar_; }

    // Rated current in A of P kW at V volts, power factor FP and efficiency n %,
    // rounded to 2 decimals (halves to even). 0 when V, FP or n is not above 0.
    double CalculoCorrenteNominal(double P, std::int16_t V, double FP, double n) const;

    double VlFatorServico() const { return serviceFactors_.current().factor; }
    double VlFatorServicoByIndex(std::int16_t index) const { return serviceFactors_.byIndex(index).factor; }
    std::string euByIndex(std::int16_t index) const { return serviceFactors_.byIndex(index).ask; }
    // The service-factor question: 0 the prompt, 1 yes, 2 no; "" otherwise.
    std::string strEU(std::int16_t index) const;
    bool EOFFatorServico() const { return serviceFactors_.eof(); }
    bool NextFatorServico() { return serviceFactors_.next(); }

    double ConjugadoNominalMotor() const { return conjugadoNominalMotor_; }

    // 0 = the motor was found in the motor table; 1 = its data were estimated.
    std::int16_t Inicia(const std::string& strIdioma, const std::string& strMercado, std::int16_t intFrequencia,
                        const std::string& strCategoria, std::int16_t intCdProduto, std::int16_t intPolaridade,
                        double dblPotenciaKw, std::int16_t intTensaoNominal);

private:
    struct ServiceFactor {
        double factor = 0;
        std::string ask;
    };

    void loadTexts(const std::string& language);
    bool loadFromMotorTable(const MotorKey& key);
    void estimate(const MotorKey& key);
    void loadServiceFactors();
    void loadMarketUnits(const std::string& market);

    double inerciaMultiplicador_ = 0;
    std::string unidadeInercia_;
    std::string carcaca_;
    double conjugadoNominalMotorTela_ = 0;
    double momentoInercia_ = 0;
    double tempoRotorBloqueado_ = 0;
    double correnteNominal_ = 0;
    double rendimento_ = 0;
    double fatorPotencia_ = 0;
    double conjugadoNominalMotor_ = 0;

    std::string tDadosdoMotor_, tFatorPotencia_, tRendimento_, tCorrenteNominal_, tFatorServico_,
        tTempoRotorBloqueado_, tMomentoInerciaJ_, tMensagem_;
    std::string btVoltar_, btAjuda_, btAvancar_;
    std::array<std::string, 3> yesNo_;

    ListCursor<ServiceFactor> serviceFactors_;
};

} // namespace pelgo
