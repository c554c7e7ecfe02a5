#include "pelgo/wizard/Etapa5.h"

#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/wizard/Conversions.h"

namespace pelgo::wizard {

namespace {
constexpr std::int16_t kWithoutByPass = 1;
constexpr std::int16_t kWithByPass = 0;

// Refills a value list for a new unit, keeping the chosen position of the
// parallel lists; on the first fill the market default is chosen.
template <class Walk>
void refillValues(ChoiceField<std::int16_t>& values, std::int16_t marketDefault, Walk walk)
{
    const int kept = values.selected();
    values.clear();
    walk([&](std::int16_t value) { values.add(std::to_string(value), value); });
    if (kept < 0)
        values.select(values.findLast([&](const std::string&, std::int16_t v) { return v == marketDefault; }));
    if (!values.hasSelection())
        values.select(kept);
}
} // namespace

Etapa5::Etapa5(const clsPelgo& record)
    : StepBase(5, record.Idioma()), ratedVoltage_(record.TensaoNominal())
{
    status_ = logic_.Inicia(record.Idioma(), record.CorrenteNominal(), record.Mercado());
    if (!started())
        return;

    for (; !logic_.EOFUnidadeAltitude(); logic_.NextUnidadeAltitude())
        altitudeUnits_.add(logic_.DsUnidadeAltitude());
    chooseAltitudeUnit(altitudeUnits_.findText(logic_.UnidadeAltitudePadrao()));

    for (; !logic_.EOFUnidadeTemperatura(); logic_.NextUnidadeTemperatura())
        temperatureUnits_.add(logic_.DsUnidadeTemperatura());
    chooseTemperatureUnit(temperatureUnits_.findText(logic_.UnidadeTemperaturaPadrao()));

    for (; !logic_.EOFTensaoRedeTrifasica(); logic_.NextTensaoRedeTrifasica())
        supplyVoltages_.add(std::to_string(logic_.VlTensaoRedeTrifasica()), logic_.VlTensaoRedeTrifasica());
    supplyVoltages_.select(
        supplyVoltages_.findLast([&](const std::string&, std::int16_t v) { return v == ratedVoltage_; }));

    const double defaultDrop = logic_.QuedaTensaoPadrao();
    for (; !logic_.EOFQuedaTensaoPartida(); logic_.NextQuedaTensaoPartida())
        voltageDrops_.add(logic_.DsQuedaTensaoPartida());
    voltageDrops_.select(voltageDrops_.findLast([&](const std::string& text, const NoValue&) {
        const auto value = parseRegional(text);
        return value && *value == defaultDrop;
    }));

    for (; !logic_.EOFTensaoComando(); logic_.NextTensaoComando())
        controlVoltages_.add(std::to_string(logic_.VlTensaoComando()), logic_.VlTensaoComando());
    for (; !logic_.EOFLigacaoMotor(); logic_.NextLigacaoMotor())
        connections_.add(logic_.DsLigacaoMotor(), logic_.VlLigacaoMotor());
    byPass_.add(logic_.Nao(), kWithoutByPass);
    byPass_.add(logic_.Sim(), kWithByPass);

    controlVoltages_.select(0);
    connections_.select(0);
    byPass_.select(0);
}

void Etapa5::chooseAltitudeUnit(int index)
{
    altitudeUnits_.select(index);
    if (!altitudeUnits_.hasSelection())
        return;
    logic_.CarregaAltitude(static_cast<std::int16_t>(index));
    refillValues(altitudes_, logic_.AltitudePadrao(), [&](auto add) {
        for (; !logic_.EOFAltitude(); logic_.NextAltitude())
            add(logic_.VlAltitude());
    });
}

void Etapa5::chooseTemperatureUnit(int index)
{
    temperatureUnits_.select(index);
    if (!temperatureUnits_.hasSelection())
        return;
    logic_.CarregaTemperatura(static_cast<std::int16_t>(index));
    refillValues(temperatures_, logic_.TemperaturaPadrao(), [&](auto add) {
        for (; !logic_.EOFTemperatura(); logic_.NextTemperatura())
            add(logic_.VlTemperatura());
    });
}

void Etapa5::chooseAltitude(int index) { altitudes_.select(index); }
void Etapa5::chooseTemperature(int index) { temperatures_.select(index); }
void Etapa5::chooseSupplyVoltage(int index) { supplyVoltages_.select(index); }
void Etapa5::chooseVoltageDrop(int index) { voltageDrops_.select(index); }
void Etapa5::chooseControlVoltage(int index) { controlVoltages_.select(index); }
void Etapa5::chooseConnection(int index) { connections_.select(index); }
void Etapa5::chooseByPass(int index) { byPass_.select(index); }

FieldMessage Etapa5::validate()
{
    Checks checks(language_, "CONSISTEETAPA5");
    // Every list but the connections needs a choice; a default missing from its
    // list would otherwise store an undefined value.
    checks.rule("cmbAltitude", !altitudes_.hasSelection(), "MP_ALTITUDE")
        .rule("cmbTemperatura", !temperatures_.hasSelection(), "MP_TEMPERATURA")
        .rule("cmbTensaoRedeTrifasica", !supplyVoltages_.hasSelection(), "MP_TENSAOREDETRIFASICA")
        .rule("cmbTensaoRedeTrifasica", supplyVoltages_.value() < ratedVoltage_, "MV_TENSAOSELECIONADA")
        .rule("cmbQuedaTensaoPartida", !voltageDrops_.hasSelection(), "MP_QUEDATENSAOPARTIDA")
        .rule("cmbTensaoComando", !controlVoltages_.hasSelection(), "MP_TENSAOCOMANDO");
    return checks.result();
}

void Etapa5::commit(clsPelgo& record)
{
    record.setAltitudem(altitudeInMetres(altitudes_.value(), altitudeUnits_.text()));
    record.setAltitude(altitudes_.text() + " " + altitudeUnits_.text());
    record.setTemperaturaC(temperatureInCelsius(temperatures_.value(), temperatureUnits_.text()));
    record.setTemperatura(temperatures_.text() + " " + temperatureUnits_.text());
    record.setQuedaTensao(logic_.VlQuedaTensaoPartidaByIndex(static_cast<std::int16_t>(voltageDrops_.selected())));
    record.setQuedaTensaoPartida(voltageDrops_.text() + " %");
    record.setByPass(byPass_.value());
    record.setDescByPass(byPass_.text());
    if (connections_.empty()) {
        record.setLigacaoMotor(1);
    } else {
        record.setLigacaoMotor(connections_.value());
        record.setDescLigacaoMotor(connections_.text());
    }
    record.setTensaoComando(controlVoltages_.value());
    record.setTensaoRedeTrifasica(supplyVoltages_.value());
}

} // namespace pelgo::wizard
