#include "pelgo/clsEtapa5.h"

#include "pelgo/DataFile.h"
#include "pelgo/Numbers.h"
#include "pelgo/StepTexts.h"
#include "pelgo/Text.h"
#include "pelgo/clsPelgo_Geral.h"

namespace pelgo {

namespace {

const char* const kAltitudeFile = "Altitude.xml";
const char* const kTemperatureFile = "Temperatura.xml";
const char* const kSupplyVoltageFile = "Tensao_Nominal.xml";
const char* const kVoltageDropFile = "Queda_Tensao_Partida.xml";
const char* const kCommandVoltageFile = "Tensao_Comando.xml";
const char* const kConnectionFile = "Ligacao_Motor.xml";
const char* const kMarketFile = "Padrao_Mercado.xml";

// Temperature units are shown as the degree sign, a blank and the unit letter.
const std::string kDegreePrefix = "\u00B0 ";

// Below this motor current only the standard connection is offered.
constexpr double kInsideDeltaMinimumCurrentA = 120;
const char* const kStandardConnectionTag = "STANDARD";
constexpr double kStandardConnectionFactor = 1;

std::string upperCaseAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

void clsEtapa5::CarregaAltitude(std::int16_t index)
{
    readUnitValues(kAltitudeFile, "vl_altitude", index, altitudes_);
}

void clsEtapa5::CarregaTemperatura(std::int16_t index)
{
    readUnitValues(kTemperatureFile, "vl_temperatura", index, temperatures_);
}

void clsEtapa5::readUnitValues(const std::string& fileName, const char* attribute, std::int16_t unitIndex,
                               ListCursor<std::int16_t>& values)
{
    values.rewind();
    DataFile file(fileName);
    if (!file.loaded())
        return;
    const std::vector<pugi::xml_node> units = DataFile::children(file.root());
    if (unitIndex < 0 || static_cast<std::size_t>(unitIndex) >= units.size())
        throw file.error("there is no unit number " + std::to_string(unitIndex) + " (the file has " +
                         std::to_string(units.size()) + ")");
    ListCursor<std::int16_t> read;
    for (pugi::xml_node value : DataFile::children(units[static_cast<std::size_t>(unitIndex)]))
        read.add(file.integer(value, attribute));
    values = std::move(read);
}

std::int16_t clsEtapa5::Inicia(const std::string& strIdioma, double dblCorrenteNominal, const std::string& Mercado)
{
    readTexts(strIdioma);
    readUnitNames(kAltitudeFile, "", altitudeUnits_);
    readUnitNames(kTemperatureFile, kDegreePrefix, temperatureUnits_);
    readSupplyVoltages();
    readVoltageDrops();
    readCommandVoltages();
    readConnections(strIdioma, dblCorrenteNominal);
    readMarketDefaults(Mercado);
    return 0;
}

void clsEtapa5::readTexts(const std::string& language)
{
    clsPelgo_Geral catalogue;
    pelgo::readTexts(catalogue, language, "ETAPA5",
                     {{"DADOSGERAIS", &dadosGerais_},
                      {"CONDICOESAMBIENTE", &condicoesAmbiente_},
                      {"TALTITUDE", &tAltitude_},
                      {"TTEMPERATURAAMBIENTE", &tTemperaturaAmbiente_},
                      {"CARACTERISTICASSISTEMA", &caracteristicasSistema_},
                      {"TTENSAOREDETRIFASICA", &tTensaoRedeTrifasica_},
                      {"TQUEDATENSAOPARTIDA", &tQuedaTensaoPartida_},
                      {"TTENCAOCOMANDO", &tTencaoComando_},
                      {"TLIGACAOMOTOR", &tLigacaoMotor_},
                      {"TOMOTOR", &tOMotor_},
                      {"TMENSAGEM", &tMensagem_},
                      {"SIM", &sim_},
                      {"N\u00C3O", &nao_}});
    pelgo::readTexts(catalogue, language, "BOTOES",
                     {{"BTVOLTAR", &btVoltar_},
                      {"BTAJUDA", &btAjuda_},
                      {"BTAVANCAR", &btAvancar_}});
}

// Unit names are the element names of the children of the root.
void clsEtapa5::readUnitNames(const std::string& fileName, const std::string& prefix, ListCursor<std::string>& units)
{
    units.clear();
    DataFile file(fileName);
    if (!file.loaded())
        return;
    for (pugi::xml_node unit : DataFile::children(file.root()))
        units.add(prefix + unit.name());
}

void clsEtapa5::readSupplyVoltages()
{
    supplyVoltages_.clear();
    DataFile file(kSupplyVoltageFile);
    if (!file.loaded())
        return;
    for (pugi::xml_node voltage : DataFile::children(file.root()))
        supplyVoltages_.add(file.integer(voltage, "vl_tensao"));
}

void clsEtapa5::readVoltageDrops()
{
    voltageDrops_.clear();
    DataFile file(kVoltageDropFile);
    if (!file.loaded())
        return;
    // The text shown is the leading number of the display attribute, in the
    // user's regional form.
    for (pugi::xml_node drop : DataFile::children(file.root()))
        voltageDrops_.add({file.real(drop, "vl_queda_tensao"),
                           formatNumber(parseLeadingReal(file.text(drop, "ds_queda_tensao")))});
}

void clsEtapa5::readCommandVoltages()
{
    commandVoltages_.clear();
    DataFile file(kCommandVoltageFile);
    if (!file.loaded())
        return;
    for (pugi::xml_node voltage : DataFile::children(file.root()))
        commandVoltages_.add(file.integer(voltage, "vl_tensao"));
}

void clsEtapa5::readConnections(const std::string& language, double currentA)
{
    connections_.clear();
    clsPelgo_Geral names;
    names.CarregaXML(language, "ETAPA5");
    if (!(currentA >= kInsideDeltaMinimumCurrentA)) {
        connections_.add({names.GetTextosPelgo(kStandardConnectionTag), kStandardConnectionFactor});
        return;
    }
    DataFile file(kConnectionFile);
    if (!file.loaded())
        return;
    // Each element's upper-cased name is the tag of its display name.
    for (pugi::xml_node connection : DataFile::children(file.root()))
        connections_.add({names.GetTextosPelgo(upperCaseAscii(connection.name())), file.real(connection, "vl_ligacao")});
}

void clsEtapa5::readMarketDefaults(const std::string& market)
{
    DataFile file(kMarketFile);
    if (!file.loaded())
        return;
    const pugi::xml_node defaults = file.require(market);
    altitudePadrao_ = file.integer(defaults, "vl_altitude");
    unidadeAltitudePadrao_ = file.text(defaults, "ds_unidade_altitude");
    temperaturaPadrao_ = file.integer(defaults, "vl_temperatura_ambiente");
    // Only the unit letter counts, shown in the form of the unit list.
    unidadeTemperaturaPadrao_ = kDegreePrefix + rightChars(file.text(defaults, "ds_unidade_temperatura"), 1);
    quedaTensaoPadrao_ = file.real(defaults, "queda_tensao");
}

} // namespace pelgo
