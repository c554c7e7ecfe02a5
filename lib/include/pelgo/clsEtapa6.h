#pragma once

#include "pelgo/DeviceRules.h"
#include "pelgo/StartSimulation.h"
#include "pelgo/StepTexts.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 6: sizes the soft-starter for a voltage-ramp start and for a
// current-limit start, and holds the results screen's texts. A new object is
// made for each visit of the results screen: Inicia, then
// DimensionamentoRampaTensao and, when it succeeded, DimensionamentoTensaoCorrente.
// Missing or broken data files throw DataError.
class clsEtapa6 {
public:
    std::string ReferenciaRampaTensaoTarvo06() const { return rampa_.device.referenceText06; }
    std::string ReferenciaLimitacaoCorrenteTarvo06() const { return limitacao_.device.referenceText06; }
    double DiferencaPotenciaDissipadaRampaTensao() const { return rampa_.device.powerDifference; }
    double DiferencaPotenciaDissipadaLimitacaoCorrente() const { return limitacao_.device.powerDifference; }
    bool DisponivelCalculoEconomiaRampaTensao() const { return rampa_.device.economyAvailable; }
    bool DisponivelCalculoEconomiaLimitacaoCorrente() const { return limitacao_.device.economyAvailable; }
    std::string Economia() const;
    bool DisponivelLimitacaoCorrenteTarvo06() const { return limitacao_.device.available06; }
    std::string ModeloLimitacaoCorrenteTarvo06() const { return limitacao_.device.model06; }
    bool DisponivelRampaTensaoTarvo06() const { return rampa_.device.available06; }
    std::string ModeloRampaTensaoTarvo06() const { return rampa_.device.model06; }
    std::string Data() const { return data_; }
    std::string TituloMensagem() const;
    std::string Mensagem() const { return mensagem_; }
    bool DisponivelRampaTensao() const { return rampa_.device.available; }
    bool DisponivelLimitacaoCorrente() const { return limitacao_.device.available; }
    std::int16_t NrReferenciaRampaTensao() const { return rampa_.device.number; }
    std::int16_t NrReferenciaLimitacaoCorrente() const { return limitacao_.device.number; }
    std::string ReferenciaLimitacaoCorrente() const { return limitacao_.device.referenceText; }
    std::string ReferenciaRampaTensao() const { return rampa_.device.referenceText; }
    std::string SessionTempoAceleracaoLimitacaoCorrente() const { return limitacao_.start.times; }
    std::int32_t ConjugadoEscalaLimitacaoCorrente() const { return limitacao_.start.torqueScale; }
    std::string ConjugadoTarvoLimitacaoCorrente() const { return limitacao_.start.torques; }
    std::string TensaoLimitacaoCorrente() const { return limitacao_.start.voltages; }
    std::string CorrenteTensaoReduzidaLimitacaoCorrente() const { return limitacao_.start.currents; }
    std::int32_t ConjugadoEscalaRampaTensao() const { return rampa_.start.torqueScale; }
    std::string TempoAceleracaoRampaTensaoN() const { return rampa_.start.times; }
    std::string ConjugadoTarvoRampaTensao() const { return rampa_.start.torques; }
    std::string TensaoRampaTensao() const { return rampa_.start.voltages; }
    std::string CorrenteTensaoReduzidaRampaTensao() const { return rampa_.start.currents; }
    std::string TLimitacaoCorrente() const;
    double LimitacaoCorrenteMinimo() const { return limitacao_.start.minimumSetting; }
    double PedestalMinimo() const { return rampa_.start.minimumSetting; }
    double PesoTarvoLimitacaoCorrente() const { return limitacao_.device.weight; }
    std::int16_t ProfundidadeTarvoLimitacaoCorrente() const { return limitacao_.device.depth; }
    std::int16_t LarguraTarvoLimitacaoCorrente() const { return limitacao_.device.width; }
    std::int16_t AlturaTarvoLimitacaoCorrente() const { return limitacao_.device.height; }
    double CorrenteSaidaTarvoLimitacaoCorrente() const { return limitacao_.device.current; }
    std::string ModeloTarvoLimitacaoCorrente() const { return limitacao_.device.model; }
    double CorrenteEficazPartidaLimitacaoCorrente() const { return limitacao_.start.rmsCurrent; }
    double TempoAceleracaoLimitacaoCorrente() const { return limitacao_.start.time; }
    double LimitacaoCorrente() const { return limitacao_.start.setting; }
    double PesoTarvoRampaTensao() const { return rampa_.device.weight; }
    std::int16_t ProfundidadeTarvoRampaTensao() const { return rampa_.device.depth; }
    std::int16_t LarguraTarvoRampaTensao() const { return rampa_.device.width; }
    std::int16_t AlturaTarvoRampaTensao() const { return rampa_.device.height; }
    double CorrenteSaidaTarvoRampaTensao() const { return rampa_.device.current; }
    std::string ModeloTarvoRampaTensao() const { return rampa_.device.model; }
    double CorrenteEficazPartidaRampaTensao() const { return rampa_.start.rmsCurrent; }
    double TempoAceleracaoRampaTensao() const { return rampa_.start.time; }
    double PedestalTensao() const { return rampa_.start.setting; }

    std::string Resultado() const;
    std::string PartidaRampaTencao() const;
    std::string TModelo() const;
    std::string RespostaMotor() const;
    std::string TPedestalTencao() const;
    std::string TTempoAceleracao() const;
    std::string TCorrenteEficazPartida() const;
    std::string btRed() const;
    std::string GraficoRampaTensao() const;
    std::string PartidaLimitacaoCorrente() const;
    std::string GraficoLimitacaoCorrente() const;
    std::string ResumoDados() const;
    std::string Motor() const;
    std::string Gerais() const;
    std::string TPotenciaNominal() const;
    std::string TTensaoRede() const;
    std::string TNumeroPolos() const;
    std::string TQuedaTensaoPartida() const;
    std::string TTensaoNominal() const;
    std::string TByPass() const;
    std::string TCorrenteNominal() const;
    std::string TLigacaoMotor() const;
    std::string TTempoRotorBloqueado() const;
    std::string TTemperatura() const;
    std::string TMomentoInercia() const;
    std::string TAltitude() const;
    std::string TCategoria() const;
    std::string Carga() const;
    std::string TAplicacao() const;
    std::string TConjugadoNominal() const;
    std::string TNumeroPartidasHora() const;
    std::string TIntervaloEntrePartidas() const;
    std::string btVoltar() const;
    std::string btAjuda() const;
    std::string btPara() const;
    std::string btImprimir() const;

    // Voltage ramp from the pedestal dblTensao0 (pu). False, with Mensagem
    // set, when the motor cannot start the load.
    bool DimensionamentoRampaTensao(bool bolNovoPedestal, const std::string& strIdioma, std::int16_t intTemperaturaC,
                                    std::int16_t intAltitudem, double dblTensao0, const std::string& strCCn,
                                    double dblQuedaTensao, const std::string& strC, double dblConjugadoNominalMotor,
                                    const std::string& strIIn, std::int16_t intFrequenciaNominal, std::int16_t intPolo,
                                    double dblMomentoInercia, double dblInerciaCargaEixoMotor,
                                    double dblCorrenteNominal, double dblTempoRotorBloqueado,
                                    double dblIntervaloParttidaSeg, double dblFatorUtilizacao, std::int16_t intByPass,
                                    double dblFatorServico, double dblLigacaoMotor, std::int16_t intPartidasHora,
                                    std::int16_t intTensaoComando, std::int16_t intTensaoRedeTrifasica);

    // Current limitation from the limit dblICorrenteLimiteInicial (pu of In).
    // False, with Mensagem set, when the motor cannot start the load.
    bool DimensionamentoTensaoCorrente(bool bolNovaLimitacaoCorrente, const std::string& strIdioma,
                                       double dblICorrenteLimiteInicial, const std::string& strCCn,
                                       const std::string& strC, const std::string& strIIn, double dblQuedaTensao,
                                       double dblConjugadoNominalMotor, std::int16_t intFrequenciaNominal,
                                       std::int16_t intPolo, double dblMomentoInercia,
                                       double dblInerciaCargaEixoMotor, double dblTempoRotorBloqueado,
                                       double dblCorrenteNominal, double dblIntervaloPartidaSeg,
                                       double dblFatorUtilizacao, std::int16_t intByPass, double dblFatorServico,
                                       double dblLigacaoMotor, std::int16_t intPartidasHora,
                                       std::int16_t intTemperaturaC, std::int16_t intAltitudem,
                                       std::int16_t intTensaoComando, std::int16_t intTensaoRedeTrifasica);

    // Texts of the screen, the date and the default message; always 0.
    std::int16_t Inicia(const std::string& strIdioma);

    // The dissipated-power comparison of one method's models (family
    // `number`, rated currents Ic and I6; 0 for a model not found).
    void CalculaPotenciaDissipadaRampaTensao(std::int16_t number, std::int16_t Ic, std::int16_t I6);
    void CalculaPotenciaDissipadaLimitacaoCorrente(std::int16_t number, std::int16_t Ic, std::int16_t I6);

private:
    struct MethodResults {
        StartResult start;
        DeviceSelection device;
    };

    bool size(StartMethod method, MethodResults& results, bool userSetting, double initialSetting,
              const std::string& language, const MotorAndLoad& motor, DutyInputs duty, std::int16_t altitude);
    const std::string& text(std::size_t row) const { return texts_[row]; }

    StepTexts texts_;
    std::string data_;
    std::string mensagem_;
    MethodResults rampa_;
    MethodResults limitacao_;
};

} // namespace pelgo
