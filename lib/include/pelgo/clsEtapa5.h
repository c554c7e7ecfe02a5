#pragma once

#include "pelgo/ListCursor.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 5, the installation: the texts of the screen and the lists the user
// chooses from (altitudes and temperatures per unit, supply and command
// voltages, permitted voltage drops, motor connections) with the market's
// defaults. Altitudes and temperatures in other units come as parallel lists
// from the data files; nothing is converted here.
class clsEtapa5 {
public:
    double QuedaTensaoPadrao() const { return quedaTensaoPadrao_; }
    std::int16_t AltitudePadrao() const { return altitudePadrao_; }
    std::int16_t TemperaturaPadrao() const { return temperaturaPadrao_; }
    std::string UnidadeAltitudePadrao() const { return unidadeAltitudePadrao_; }
    std::string UnidadeTemperaturaPadrao() const { return unidadeTemperaturaPadrao_; }

    std::string Nao() const { return nao_; }
    std::string Sim() const { return sim_; }
    std::string DadosGerais() const { return dadosGerais_; }
    std::string CondicoesAmbiente() const { return condicoesAmbiente_; }
    std::string TAltitude() const { return tAltitude_; }
    std::string TTemperaturaAmbiente() const { return tTemperaturaAmbiente_; }
    std::string CaracteristicasSistema() const { return caracteristicasSistema_; }
    std::string TTensaoRedeTrifasica() const { return tTensaoRedeTrifasica_; }
    std::string TQuedaTensaoPartida() const { return tQuedaTensaoPartida_; }
    std::string TTencaoComando() const { return tTencaoComando_; }
    std::string TLigacaoMotor() const { return tLigacaoMotor_; }
    std::string TOMotor() const { return tOMotor_; }
    std::string TMensagem() const { return tMensagem_; }
    std::string btVoltar() const { return btVoltar_; }
    std::string btAjuda() const { return btAjuda_; }
    std::string btAvancar() const { return btAvancar_; }

    std::string DsUnidadeAltitude() const { return altitudeUnits_.current(); }
    bool EOFUnidadeAltitude() const { return altitudeUnits_.eof(); }
    bool NextUnidadeAltitude() { return altitudeUnits_.next(); }

    std::string DsUnidadeTemperatura() const { return temperatureUnits_.current(); }
    bool EOFUnidadeTemperatura() const { return temperatureUnits_.eof(); }
    bool NextUnidadeTemperatura() { return temperatureUnits_.next(); }

    std::int16_t VlTensaoRedeTrifasica() const { return supplyVoltages_.current(); }
    bool EOFTensaoRedeTrifasica() const { return supplyVoltages_.eof(); }
    bool NextTensaoRedeTrifasica() { return supplyVoltages_.next(); }

    double VlQuedaTensaoPartida() const { return voltageDrops_.current().torqueFactor; }
    std::string DsQuedaTensaoPartida() const { return voltageDrops_.current().text; }
    bool EOFQuedaTensaoPartida() const { return voltageDrops_.eof(); }
    bool NextQuedaTensaoPartida() { return voltageDrops_.next(); }
    double VlQuedaTensaoPartidaByIndex(std::int16_t index) const { return voltageDrops_.byIndex(index).torqueFactor; }

    std::int16_t VlTensaoComando() const { return commandVoltages_.current(); }
    bool EOFTensaoComando() const { return commandVoltages_.eof(); }
    bool NextTensaoComando() { return commandVoltages_.next(); }

    double VlLigacaoMotor() const { return connections_.current().factor; }
    std::string DsLigacaoMotor() const { return connections_.current().name; }
    bool EOFLigacaoMotor() const { return connections_.eof(); }
    bool NextLigacaoMotor() { return connections_.next(); }

    // Fills the altitude value list with the values of altitude unit number
    // index; DataError when there is no such unit.
    void CarregaAltitude(std::int16_t index);
    std::int16_t VlAltitude() const { return altitudes_.current(); }
    bool EOFAltitude() const { return altitudes_.eof(); }
    bool NextAltitude() { return altitudes_.next(); }

    // The same for the temperature units.
    void CarregaTemperatura(std::int16_t index);
    std::int16_t VlTemperatura() const { return temperatures_.current(); }
    bool EOFTemperatura() const { return temperatures_.eof(); }
    bool NextTemperatura() { return temperatures_.next(); }

    // Reads the texts, the lists and the defaults of market Mercado; always 0.
    std::int16_t Inicia(const std::string& strIdioma, double dblCorrenteNominal, const std::string& Mercado);

private:
    struct VoltageDrop {
        double torqueFactor = 0;
        std::string text;
    };
    struct Connection {
        std::string name;
        double factor = 0;
    };

    void readTexts(const std::string& language);
    void readUnitNames(const std::string& fileName, const std::string& prefix, ListCursor<std::string>& units);
    void readSupplyVoltages();
    void readVoltageDrops();
    void readCommandVoltages();
    void readConnections(const std::string& language, double currentA);
    void readMarketDefaults(const std::string& market);
    static void readUnitValues(const std::string& fileName, const char* attribute, std::int16_t unitIndex,
                               ListCursor<std::int16_t>& values);

    double quedaTensaoPadrao_ = 0;
    std::int16_t altitudePadrao_ = 0;
    std::int16_t temperaturaPadrao_ = 0;
    std::string unidadeAltitudePadrao_;
    std::string unidadeTemperaturaPadrao_;

    std::string nao_;
    std::string sim_;
    std::string dadosGerais_;
    std::string condicoesAmbiente_;
    std::string tAltitude_;
    std::string tTemperaturaAmbiente_;
    std::string caracteristicasSistema_;
    std::string tTensaoRedeTrifasica_;
    std::string tQuedaTensaoPartida_;
    std::string tTencaoComando_;
    std::string tLigacaoMotor_;
    std::string tOMotor_;
    std::string tMensagem_;
    std::string btVoltar_;
    std::string btAjuda_;
    std::string btAvancar_;

    ListCursor<std::string> altitudeUnits_;
    ListCursor<std::string> temperatureUnits_;
    ListCursor<std::int16_t> supplyVoltages_;
    ListCursor<VoltageDrop> voltageDrops_;
    ListCursor<std::int16_t> commandVoltages_;
    ListCursor<Connection> connections_;
    ListCursor<std::int16_t> altitudes_;
    ListCursor<std::int16_t> temperatures_;
};

} // namespace pelgo
