#include "pelgo/wizard/Etapa1.h"

#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo.h"

namespace pelgo::wizard {

namespace {
const std::string kPowerInKw = "vl_potencia_kw";
const std::string kPowerInCv = "vl_potencia_cv";
} // namespace

Etapa1::Etapa1(const clsPelgo& record)
    : StepBase(1, record.Idioma()), standard_(record.Norma())
{
    status_ = logic_.Inicia(record.Idioma(), record.Norma(), record.Mercado());
    if (!started())
        return;

    for (; !logic_.EOFProdutos(); logic_.NextProduto())
        lines_.add(logic_.ds_Produto(), {logic_.cd_Produto(), logic_.Frequencia()});
    for (; !logic_.EOFPolos(); logic_.NextPolos())
        poles_.add(std::to_string(logic_.NrPolos()), logic_.NrPolos());
    for (; !logic_.EOFCategorias(); logic_.NextCategorias())
        categories_.add(logic_.Categoria());
    for (; !logic_.EOFTensao(); logic_.NextTensao())
        voltages_.add(std::to_string(logic_.VlTensao()), logic_.VlTensao());
    for (std::int16_t i = 0; !logic_.EOFUnidades(); logic_.NextUnidades(), ++i)
        units_.add(logic_.Unidade(), {logic_.TipoUnidadeByIndex(i)});

    // The market's defaults; when several entries match, the last one stays.
    const double defaultLine = logic_.CDMotorPadrao();
    chooseLine(lines_.findLast([&](const std::string&, const MotorLine& line) {
        const auto code = parseRegional(line.code);
        return code && *code == defaultLine;
    }));
    const std::int16_t defaultPoles = logic_.PoloPadrao();
    choosePoles(poles_.findLast([&](const std::string&, std::int16_t n) { return n == defaultPoles; }));
    chooseCategory(categories_.findText(logic_.CategoriaPadrao()));
    const std::int16_t defaultVoltage = logic_.TensaoPadrao();
    chooseVoltage(voltages_.findLast([&](const std::string&, std::int16_t v) { return v == defaultVoltage; }));
    chooseUnit(units_.findText(logic_.UnidadePadrao()));
}

std::string Etapa1::frequencyText() const
{
    if (!lines_.hasSelection())
        return "";
    return std::to_string(lines_.value().frequency) + " Hz";
}

void Etapa1::chooseLine(int index)
{
    lines_.select(index);
    refreshPowers();
}

void Etapa1::choosePoles(int index)
{
    poles_.select(index);
    refreshPowers();
}

void Etapa1::chooseCategory(int index)
{
    categories_.select(index);
}

void Etapa1::chooseVoltage(int index)
{
    voltages_.select(index);
}

void Etapa1::chooseUnit(int index)
{
    units_.select(index);
    refreshPowers();
}

void Etapa1::choosePower(int index)
{
    powers_.select(index);
}

void Etapa1::refreshPowers()
{
    if (!lines_.hasSelection() || !poles_.hasSelection() || !units_.hasSelection())
        return;
    const bool found = logic_.CarregaPotenciaNominal(standard_, lines_.value().frequency, productCode(),
                                                     poles_.value(), units_.value().type);
    powers_.clear();
    if (!found)
        return;
    for (; !logic_.EOFPotencias(); logic_.NextPotencias())
        powers_.add(logic_.Potencia());
}

std::int16_t Etapa1::productCode() const
{
    const auto code = parseRegionalInt16(lines_.value().code);
    if (!code)
        throw DataError("Produto_Idioma.xml", "product code \"" + lines_.value().code + "\" is not a whole number");
    return *code;
}

FieldMessage Etapa1::validate()
{
    // A category or voltage default missing from its list leaves nothing
    // chosen; the record must not receive an undefined value.
    Checks checks(language_, "CONSISTEETAPA1");
    checks.rule("cmbPotenciaNominal", !powers_.hasSelection(), "MP_POTENCIANOMINAL")
        .rule("cmbCategoria", !categories_.hasSelection(), "MP_CATEGORIA")
        .rule("cmbTensaoNominal", !voltages_.hasSelection(), "MP_TENSAONOMINAL");
    return checks.result();
}

double Etapa1::chosenPowerIn(const std::string& unitType)
{
    if (!logic_.CarregaPotenciaNominal(standard_, lines_.value().frequency, productCode(), poles_.value(), unitType))
        throw DataError("Potencia_Nominal.xml", "no " + unitType + " powers for the chosen motor");
    const std::string entry = logic_.PotenciaByIndex(static_cast<std::int16_t>(powers_.selected()));
    const auto value = parseRegional(entry);
    if (!value)
        throw DataError("Potencia_Nominal.xml", unitType + " of the chosen power is missing");
    return *value;
}

void Etapa1::commit(clsPelgo& record)
{
    record.setFrequencia(lines_.value().frequency);
    record.setCategoria(categories_.text());
    record.setCdProduto(productCode());
    record.setPolaridade(poles_.value());
    record.setTensaoNominal(voltages_.value());
    record.setPotenciaNominal(powers_.text() + " " + units_.text());
    record.setTipoMotor(lines_.text());
    // The power in both units at the chosen position, whatever unit is shown.
    record.setPotenciaCV(chosenPowerIn(kPowerInCv));
    record.setPotenciaKw(chosenPowerIn(kPowerInKw));
}

} // namespace pelgo::wizard
