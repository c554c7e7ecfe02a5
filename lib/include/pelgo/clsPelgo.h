#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace pelgo {

// A readable and writable property of the sizing record: getter Name(),
// setter setName(value), stored unchanged.
#define PELGO_PROPERTY(Type, Name, Setter)              \
public:                                                 \
    Type Name() const { return m_##Name; }              \
    void Setter(Type value) { m_##Name = std::move(value); } \
                                                        \
private:                                                \
    Type m_##Name{};

// The sizing record: carries one sizing from screen to screen. A plain
// property bag; it validates, converts and derives nothing. A new record holds
// 0, "" and false.
class clsPelgo {
    PELGO_PROPERTY(std::string, ObservacoesImportantes, setObservacoesImportantes)
    PELGO_PROPERTY(double, LimitacaoCorrente, setLimitacaoCorrente)
    PELGO_PROPERTY(double, TempoAceleracaoRampaTensao, setTempoAceleracaoRampaTensao)
    PELGO_PROPERTY(double, TempoAceleracaoLimitacaoCorrente, setTempoAceleracaoLimitacaoCorrente)
    PELGO_PROPERTY(double, CorrenteEficazLimitacaoCorrente, setCorrenteEficazLimitacaoCorrente)
    PELGO_PROPERTY(double, CorrenteEficazRampaTensao, setCorrenteEficazRampaTensao)
    PELGO_PROPERTY(double, PedestalTensao, setPedestalTensao)
    PELGO_PROPERTY(std::string, NrReferenciaLimitacaoCorrente, setNrReferenciaLimitacaoCorrente)
    PELGO_PROPERTY(std::string, NrReferenciaRampaTensao, setNrReferenciaRampaTensao)
    PELGO_PROPERTY(bool, DisponivelRampaTensao, setDisponivelRampaTensao)
    PELGO_PROPERTY(bool, DisponivelLimitacaoCorrente, setDisponivelLimitacaoCorrente)
    PELGO_PROPERTY(std::string, SessionTempoAceleracaoLimitacaoCorrente, setSessionTempoAceleracaoLimitacaoCorrente)
    PELGO_PROPERTY(std::int32_t, ConjugadoEscalaLimitacaoCorrente, setConjugadoEscalaLimitacaoCorrente)
    PELGO_PROPERTY(std::string, ConjugadoTarvoLimitacaoCorrente, setConjugadoTarvoLimitacaoCorrente)
    PELGO_PROPERTY(std::string, TensaoLimitacaoCorrente, setTensaoLimitacaoCorrente)
    PELGO_PROPERTY(std::string, CorrenteTensaoReduzidaLimitacaoCorrente, setCorrenteTensaoReduzidaLimitacaoCorrente)
    PELGO_PROPERTY(std::int32_t, ConjugadoEscalaRampaTensao, setConjugadoEscalaRampaTensao)
    PELGO_PROPERTY(std::string, SessionTempoAceleracaoRampaTensao, setSessionTempoAceleracaoRampaTensao)
    PELGO_PROPERTY(std::string, ConjugadoTarvoRampaTensao, setConjugadoTarvoRampaTensao)
    PELGO_PROPERTY(std::string, TensaoRampaTensao, setTensaoRampaTensao)
    PELGO_PROPERTY(std::string, CorrenteTensaoReduzidaRampaTensao, setCorrenteTensaoReduzidaRampaTensao)
    PELGO_PROPERTY(double, LimitacaoCorrenteMinima, setLimitacaoCorrenteMinima)
    PELGO_PROPERTY(double, NovaLimitacaoCorrente, setNovaLimitacaoCorrente)
    PELGO_PROPERTY(double, NovoPedestalTensao, setNovoPedestalTensao)
    PELGO_PROPERTY(double, PedestalMinimo, setPedestalMinimo)
    PELGO_PROPERTY(double, PesoTarvoLimitacaoCorrente, setPesoTarvoLimitacaoCorrente)
    PELGO_PROPERTY(std::int16_t, ProfundidadeTarvoLimitacaoCorrente, setProfundidadeTarvoLimitacaoCorrente)
    PELGO_PROPERTY(std::int16_t, LarguraTarvoLimitacaoCorrente, setLarguraTarvoLimitacaoCorrente)
    PELGO_PROPERTY(std::int16_t, AlturaTarvoLimitacaoCorrente, setAlturaTarvoLimitacaoCorrente)
    PELGO_PROPERTY(double, CorrenteSaidaTarvoLimitacaoCorrente, setCorrenteSaidaTarvoLimitacaoCorrente)
    PELGO_PROPERTY(std::string, ModeloLimitacaoCorrenteTarvo, setModeloLimitacaoCorrenteTarvo)
    PELGO_PROPERTY(std::string, ModeloLimitacaoCorrenteTarvo06, setModeloLimitacaoCorrenteTarvo06)
    PELGO_PROPERTY(double, PesoTarvoRampaTensao, setPesoTarvoRampaTensao)
    PELGO_PROPERTY(std::int16_t, ProfundidadeTarvoRampaTensao, setProfundidadeTarvoRampaTensao)
    PELGO_PROPERTY(std::int16_t, LarguraTarvoRampaTensao, setLarguraTarvoRampaTensao)
    PELGO_PROPERTY(std::int16_t, AlturaTarvoRampaTensao, setAlturaTarvoRampaTensao)
    PELGO_PROPERTY(double, CorrenteSaidaTarvoRampaTensao, setCorrenteSaidaTarvoRampaTensao)
    PELGO_PROPERTY(std::string, ModeloRampaTensaoTarvo, setModeloRampaTensaoTarvo)
    PELGO_PROPERTY(std::string, ModeloRampaTensaoTarvo06, setModeloRampaTensaoTarvo06)
    PELGO_PROPERTY(std::string, TA_Cmax, setTA_Cmax)
    PELGO_PROPERTY(std::string, ReferenciaAplicacao, setReferenciaAplicacao)
    PELGO_PROPERTY(std::string, TipoMotor, setTipoMotor)
    PELGO_PROPERTY(std::string, descIntervaloPartidas, setDescIntervaloPartidas)
    PELGO_PROPERTY(std::string, MomentoInerciaCarga, setMomentoInerciaCarga)
    PELGO_PROPERTY(std::string, Aplicacao, setAplicacao)
    PELGO_PROPERTY(std::string, CorrenteRotorBloqueado, setCorrenteRotorBloqueado)
    PELGO_PROPERTY(std::string, ConjugadoMaximo, setConjugadoMaximo)
    PELGO_PROPERTY(std::string, ConjugadoRotorBloqueado, setConjugadoRotorBloqueado)
    PELGO_PROPERTY(std::string, descMomentoInercia, setDescMomentoInercia)
    PELGO_PROPERTY(std::string, QuedaTensaoPartida, setQuedaTensaoPartida)
    PELGO_PROPERTY(std::string, PotenciaNominal, setPotenciaNominal)
    PELGO_PROPERTY(std::string, Altitude, setAltitude)
    PELGO_PROPERTY(std::string, Temperatura, setTemperatura)
    PELGO_PROPERTY(std::string, descLigacaoMotor, setDescLigacaoMotor)
    PELGO_PROPERTY(std::string, descByPass, setDescByPass)
    PELGO_PROPERTY(std::int16_t, TensaoRedeTrifasica, setTensaoRedeTrifasica)
    PELGO_PROPERTY(std::int16_t, TensaoComando, setTensaoComando)
    PELGO_PROPERTY(std::int16_t, PartidasHora, setPartidasHora)
    PELGO_PROPERTY(double, LigacaoMotor, setLigacaoMotor)
    PELGO_PROPERTY(double, FatorServico, setFatorServico)
    PELGO_PROPERTY(std::int16_t, ByPass, setByPass)
    PELGO_PROPERTY(double, FatorUtilizacao, setFatorUtilizacao)
    PELGO_PROPERTY(double, IntervaloParttidaSeg, setIntervaloParttidaSeg)
    PELGO_PROPERTY(double, TempoRotorBloqueado, setTempoRotorBloqueado)
    PELGO_PROPERTY(double, CorrenteNominal, setCorrenteNominal)
    PELGO_PROPERTY(double, ConjugadoNominalMotor, setConjugadoNominalMotor)
    PELGO_PROPERTY(double, InerciaCargaEixoMotor, setInerciaCargaEixoMotor)
    PELGO_PROPERTY(std::string, IIn, setIIn)
    PELGO_PROPERTY(std::string, C, setC)
    PELGO_PROPERTY(double, QuedaTensao, setQuedaTensao)
    PELGO_PROPERTY(std::string, CCn, setCCn)
    PELGO_PROPERTY(std::int16_t, Altitudem, setAltitudem)
    PELGO_PROPERTY(std::int16_t, TemperaturaC, setTemperaturaC)
    PELGO_PROPERTY(double, MomentoInercia, setMomentoInercia)
    PELGO_PROPERTY(std::string, Carcaca, setCarcaca)
    PELGO_PROPERTY(double, ConjugadoNominalMotorTela, setConjugadoNominalMotorTela)
    PELGO_PROPERTY(std::int16_t, TensaoNominal, setTensaoNominal)
    PELGO_PROPERTY(double, PotenciaKw, setPotenciaKw)
    PELGO_PROPERTY(double, PotenciaCV, setPotenciaCV)
    PELGO_PROPERTY(std::int16_t, Polaridade, setPolaridade)
    PELGO_PROPERTY(std::int16_t, CdProduto, setCdProduto)
    PELGO_PROPERTY(std::string, Categoria, setCategoria)
    PELGO_PROPERTY(std::int16_t, Frequencia, setFrequencia)
    PELGO_PROPERTY(std::string, Mercado, setMercado)
    PELGO_PROPERTY(std::string, Norma, setNorma)

public:
    // The product title in the current title language (read-only).
    std::string Titulo() const { return m_Titulo; }
    // The chosen language code (read-only).
    std::string Idioma() const { return m_Idioma; }

    // Loads the product title (tag PELGO of section ETAPA1) of a language.
    void SetTitulo(const std::string& cd_idioma);
    void SetIdioma(const std::string& cd_idioma);

private:
    std::string m_Titulo;
    std::string m_Idioma;
};

#undef PELGO_PROPERTY

} // namespace pelgo
