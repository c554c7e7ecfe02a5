#include "SizingCase.h"

#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/clsInicio.h"
#include "pelgo/wizard/Adjustment.h"
#include "pelgo/wizard/Conversions.h"
#include "pelgo/wizard/Etapa1.h"
#include "pelgo/wizard/Etapa2.h"
#include "pelgo/wizard/Etapa3.h"
#include "pelgo/wizard/Etapa4.h"
#include "pelgo/wizard/Etapa5.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>

namespace pelgo::size {

namespace {

using nlohmann::json;
using namespace pelgo::wizard;

// A case that stops: the outcome, the case's key and the message.
struct Stop {
    Outcome outcome;
    std::string field;
    std::string message;
};

// Where each screen control is given in the case.
std::string caseKey(const std::string& control)
{
    static const std::map<std::string, std::string> keys = {
        {"cmbPotenciaNominal", "motor.power"},
        {"cmbCategoria", "motor.category"},
        {"cmbTensaoNominal", "motor.voltage"},
        {"txtFatorPotencia", "motor.power_factor"},
        {"txtRendimento", "motor.efficiency"},
        {"txtCorrenteNominal", "motor.rated_current"},
        {"txtTempoRotorBloqueado", "motor.locked_rotor_time"},
        {"txtMomentoInerciaJ", "motor.inertia"},
        {"cmbeu", "motor.use_service_factor"},
        {"txtConjugadoRotorBloqueado", "motor.cp_cn"},
        {"txtConjugadoMaximo", "motor.cmax_cn"},
        {"txtCorrenteRotorBloqueado", "motor.ip_in"},
        {"cmbUnidadeInercia", "load.inertia_unit"},
        {"txtInerciaEixoMotor", "load.inertia"},
        {"cmbNumeroPartidasHora", "load.starts_per_hour"},
        {"cmbUnidadeIntervaloPartidas", "load.interval_unit"},
        {"txtIntervaloPartidas", "load.interval"},
        {"txtFatorUtilizacao", "load.duty_factor"},
        {"cmbAltitude", "installation.altitude"},
        {"cmbTemperatura", "installation.temperature"},
        {"cmbTensaoRedeTrifasica", "installation.supply_voltage"},
        {"cmbQuedaTensaoPartida", "installation.voltage_drop"},
        {"cmbTensaoComando", "installation.control_voltage"},
        {"txtNovoPedestalTensao", "pedestal"},
        {"txtNovaLimitacaoCorrente", "current_limit"},
    };
    if (const auto found = keys.find(control); found != keys.end())
        return found->second;
    // Grid controls: "txtCCN(3)" -> "motor.torque_curve[3]".
    const auto open = control.find('(');
    if (open != std::string::npos) {
        const std::string index = control.substr(open + 1, control.size() - open - 2);
        const std::string name = control.substr(0, open);
        if (name == "txtCCN")
            return "motor.torque_curve[" + index + "]";
        if (name == "txtIIN")
            return "motor.current_curve[" + index + "]";
        if (name == "fltCCN")
            return "load.torque_curve[" + index + "]";
    }
    return control;
}

// Lower case without blanks and degree signs, so "°F", "° F" and "f" meet.
std::string normalized(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xB0) {
            ++i; // "°"
            continue;
        }
        if (std::isspace(c))
            continue;
        out += static_cast<char>(std::tolower(c));
    }
    return out;
}

bool sameNumber(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

std::string describe(const json& value)
{
    return value.is_string() ? value.get<std::string>() : value.dump();
}

// A value typed into a text box: a JSON number is written as the screen
// would show it (regional form), a string is taken exactly as typed.
std::string typed(const json& value, const std::string& key)
{
    if (value.is_number())
        return shown(value.get<double>());
    if (value.is_string())
        return value.get<std::string>();
    throw Stop{Outcome::BadCase, key, "expected a number or a text"};
}

// The entry of a list that a case names: by its text (blanks, case and
// degree signs aside) or, for a number, by the number the entry shows.
template <class Value>
int entryOf(const ChoiceField<Value>& list, const json& wanted, const std::string& key)
{
    int found = -1;
    if (wanted.is_number()) {
        const double number = wanted.get<double>();
        found = list.findLast([&](const std::string& text, const Value&) {
            const auto value = parseRegional(text);
            return value && sameNumber(*value, number);
        });
    } else if (wanted.is_string()) {
        const std::string name = normalized(wanted.get<std::string>());
        found = list.findLast([&](const std::string& text, const Value&) { return normalized(text) == name; });
        if (found < 0) {
            if (const auto number = parseRegional(wanted.get<std::string>())) {
                found = list.findLast([&](const std::string& text, const Value&) {
                    const auto value = parseRegional(text);
                    return value && sameNumber(*value, *number);
                });
            }
        }
    } else {
        throw Stop{Outcome::BadCase, key, "expected a number or a text"};
    }
    if (found < 0) {
        std::string offered;
        for (const auto& text : list.texts())
            offered += (offered.empty() ? "" : ", ") + text;
        throw Stop{Outcome::Invalid, key, "\"" + describe(wanted) + "\" is not offered; offered: " + offered};
    }
    return found;
}

// A list position given as a 0-based number, or an entry named by its text.
template <class Value>
int positionOrEntry(const ChoiceField<Value>& list, const json& wanted, const std::string& key)
{
    if (wanted.is_number_integer()) {
        const int index = wanted.get<int>();
        if (index < 0 || index >= list.size())
            throw Stop{Outcome::Invalid, key, "position " + std::to_string(index) + " is outside the list"};
        return index;
    }
    return entryOf(list, wanted, key);
}

const json* member(const json& object, const char* name)
{
    if (!object.is_object())
        return nullptr;
    const auto found = object.find(name);
    return found == object.end() || found->is_null() ? nullptr : &*found;
}

template <std::size_t N>
void typedPoints(const json& section, const char* name, const std::string& prefix, std::array<std::string, N>& points)
{
    const json* given = member(section, name);
    if (!given)
        return;
    const std::string key = prefix + name;
    if (!given->is_array() || given->size() != N)
        throw Stop{Outcome::BadCase, key, "expected a list of " + std::to_string(N) + " values"};
    for (std::size_t i = 0; i < N; ++i)
        points[i] = typed((*given)[i], key + "[" + std::to_string(i) + "]");
}

// A list already showing the wanted entry is left alone, as a user would:
// choosing it again would rerun its handler (refill lists, reload defaults).
template <class Value, class Choose>
void chooseOnce(const ChoiceField<Value>& list, int index, Choose choose)
{
    if (list.selected() != index)
        choose(index);
}

void forward(StepBase& step, clsPelgo& record)
{
    const FieldMessage result = step.forward(record);
    if (!result.ok())
        throw Stop{Outcome::Invalid, caseKey(result.field), result.message};
}

template <class Step>
void requireStarted(const Step& step)
{
    if (!step.started())
        throw Stop{Outcome::DataFault, "", "step " + std::to_string(step.step()) + ": " + step.startError()};
}

class CaseRunner {
public:
    explicit CaseRunner(const json& sizingCase) : case_(sizingCase)
    {
        if (!case_.is_object())
            throw Stop{Outcome::BadCase, "", "a sizing case is a JSON object"};
        motor_ = section("motor");
        load_ = section("load");
        installation_ = section("installation");
    }

    void run(CaseResult& result)
    {
        chooseLanguageAndMarket(result.record);
        motorSelection(result.record);
        motorData(result.record);
        motorCurves(result.record);
        loadData(result.record);
        installation(result.record);
        auto results = sizeAndAdjust(result.record);
        result.ramp = results->ramp();
        result.currentLimit = results->currentLimit();
        result.summary = results->summary(result.record);
        result.texts = captions(results->texts());
    }

private:
    const json& section(const char* name)
    {
        static const json none = json::object();
        const json* found = member(case_, name);
        if (found && !found->is_object())
            throw Stop{Outcome::BadCase, name, "expected an object"};
        return found ? *found : none;
    }

    void chooseLanguageAndMarket(clsPelgo& record)
    {
        clsInicio languages;
        languages.Inicia();
        std::vector<std::string> codes;
        for (; !languages.EOFIdioma(); languages.NextIdiomaDisp())
            codes.push_back(languages.GetCDIdiomaDisp());
        // The language screen starts on the second language of the list.
        std::string language = codes.size() > 1 ? codes[1] : (codes.empty() ? "" : codes[0]);
        if (const json* given = member(case_, "language")) {
            language = given->is_string() ? given->get<std::string>() : "";
            if (std::find(codes.begin(), codes.end(), language) == codes.end())
                throw Stop{Outcome::Invalid, "language", "\"" + describe(*given) + "\" is not an offered language"};
        }
        if (language.empty())
            throw Stop{Outcome::DataFault, "", "Idioma_Mercado.xml: no language is offered"};

        languages.CarregaMercado(language);
        std::string market = languages.MercadoPadraoIdioma(language);
        if (const json* given = member(case_, "market"))
            market = given->is_string() ? given->get<std::string>() : "";
        std::int16_t index = -1;
        std::int16_t i = 0;
        for (; !languages.EOFMercado(); languages.NextMercado(), ++i)
            if (languages.GetCDMercado() == market)
                index = i;
        if (index < 0)
            throw Stop{Outcome::Invalid, "market", "\"" + market + "\" is not a market of language " + language};
        const std::string standard = languages.Norma(index);
        if (standard.empty())
            throw Stop{Outcome::DataFault, "", "err 1"};
        record.SetTitulo(language);
        record.setMercado(market);
        record.setNorma(standard);
        record.SetIdioma(language);
    }

    void motorSelection(clsPelgo& record)
    {
        Etapa1 step(record);
        requireStarted(step);
        if (const json* line = member(motor_, "line")) {
            int index = -1;
            if (line->is_number()) {
                const double code = line->get<double>();
                index = step.lines().findLast([&](const std::string&, const MotorLine& l) {
                    const auto value = parseRegional(l.code);
                    return value && sameNumber(*value, code);
                });
                if (index < 0)
                    index = entryOf(step.lines(), *line, "motor.line");
            } else {
                index = entryOf(step.lines(), *line, "motor.line");
            }
            chooseOnce(step.lines(), index, [&](int i) { step.chooseLine(i); });
        }
        if (const json* poles = member(motor_, "poles"))
            chooseOnce(step.poles(), entryOf(step.poles(), *poles, "motor.poles"), [&](int i) { step.choosePoles(i); });
        if (const json* category = member(motor_, "category"))
            chooseOnce(step.categories(), entryOf(step.categories(), *category, "motor.category"), [&](int i) { step.chooseCategory(i); });
        if (const json* voltage = member(motor_, "voltage"))
            chooseOnce(step.voltages(), entryOf(step.voltages(), *voltage, "motor.voltage"), [&](int i) { step.chooseVoltage(i); });
        if (const json* unit = member(motor_, "unit"))
            chooseOnce(step.units(), entryOf(step.units(), *unit, "motor.unit"), [&](int i) { step.chooseUnit(i); });
        if (const json* power = member(motor_, "power"))
            chooseOnce(step.powers(), entryOf(step.powers(), *power, "motor.power"), [&](int i) { step.choosePower(i); });
        forward(step, record);
    }

    void motorData(clsPelgo& record)
    {
        Etapa2 step(record);
        requireStarted(step);
        if (const json* value = member(motor_, "power_factor")) {
            step.powerFactor = typed(*value, "motor.power_factor");
            step.leavePowerFactor();
        }
        if (const json* value = member(motor_, "efficiency")) {
            step.efficiency = typed(*value, "motor.efficiency");
            step.leaveEfficiency();
        }
        if (const json* value = member(motor_, "rated_current"))
            step.ratedCurrent = typed(*value, "motor.rated_current");
        if (const json* value = member(motor_, "service_factor"))
            chooseOnce(step.serviceFactors(), entryOf(step.serviceFactors(), *value, "motor.service_factor"), [&](int i) { step.chooseServiceFactor(i); });
        if (const json* value = member(motor_, "use_service_factor")) {
            if (!value->is_boolean())
                throw Stop{Outcome::BadCase, "motor.use_service_factor", "expected true or false"};
            if (step.answerVisible())
                step.chooseAnswer(value->get<bool>() ? Etapa2::kAnswerYes : Etapa2::kAnswerNo);
        }
        if (const json* value = member(motor_, "locked_rotor_time"))
            step.lockedRotorTime = typed(*value, "motor.locked_rotor_time");
        if (const json* value = member(motor_, "inertia"))
            step.inertia = typed(*value, "motor.inertia");
        forward(step, record);
    }

    void motorCurves(clsPelgo& record)
    {
        Etapa3 step(record);
        requireStarted(step);
        bool newValues = false;
        if (const json* value = member(motor_, "cp_cn")) {
            step.lockedRotorTorque = typed(*value, "motor.cp_cn");
            newValues = true;
        }
        if (const json* value = member(motor_, "cmax_cn")) {
            step.breakdownTorque = typed(*value, "motor.cmax_cn");
            newValues = true;
        }
        if (const json* value = member(motor_, "ip_in")) {
            step.lockedRotorCurrent = typed(*value, "motor.ip_in");
            newValues = true;
        }
        if (newValues)
            step.estimate();
        typedPoints(motor_, "torque_curve", "motor.", step.torquePoints);
        typedPoints(motor_, "current_curve", "motor.", step.currentPoints);
        forward(step, record);
    }

    void loadData(clsPelgo& record)
    {
        Etapa4 step(record);
        requireStarted(step);
        if (const json* value = member(load_, "type"))
            chooseOnce(step.loadTypes(), positionOrEntry(step.loadTypes(), *value, "load.type"), [&](int i) { step.chooseLoadType(i); });
        if (const json* value = member(load_, "reference"))
            step.reference = typed(*value, "load.reference");
        if (const json* value = member(load_, "inertia_unit"))
            chooseOnce(step.inertiaUnits(), entryOf(step.inertiaUnits(), *value, "load.inertia_unit"), [&](int i) { step.chooseInertiaUnit(i); });
        if (const json* value = member(load_, "inertia"))
            step.inertia = typed(*value, "load.inertia");
        if (const json* value = member(load_, "starts_per_hour"))
            chooseOnce(step.startsPerHour(), entryOf(step.startsPerHour(), *value, "load.starts_per_hour"), [&](int i) { step.chooseStartsPerHour(i); });
        if (const json* value = member(load_, "interval_unit"))
            chooseOnce(step.intervalUnits(), entryOf(step.intervalUnits(), *value, "load.interval_unit"), [&](int i) { step.chooseIntervalUnit(i); });
        if (const json* value = member(load_, "interval"))
            step.interval = typed(*value, "load.interval");
        if (const json* value = member(load_, "duty_factor"))
            step.dutyFactor = typed(*value, "load.duty_factor");
        typedPoints(load_, "torque_curve", "load.", step.torquePoints);
        forward(step, record);
    }

    void installation(clsPelgo& record)
    {
        Etapa5 step(record);
        requireStarted(step);
        const json& in = installation_;
        if (const json* value = member(in, "altitude_unit"))
            chooseOnce(step.altitudeUnits(), entryOf(step.altitudeUnits(), *value, "installation.altitude_unit"), [&](int i) { step.chooseAltitudeUnit(i); });
        if (const json* value = member(in, "altitude"))
            chooseOnce(step.altitudes(), entryOf(step.altitudes(), *value, "installation.altitude"), [&](int i) { step.chooseAltitude(i); });
        if (const json* value = member(in, "temperature_unit"))
            chooseOnce(step.temperatureUnits(), entryOf(step.temperatureUnits(), *value, "installation.temperature_unit"), [&](int i) { step.chooseTemperatureUnit(i); });
        if (const json* value = member(in, "temperature"))
            chooseOnce(step.temperatures(), entryOf(step.temperatures(), *value, "installation.temperature"), [&](int i) { step.chooseTemperature(i); });
        if (const json* value = member(in, "supply_voltage"))
            chooseOnce(step.supplyVoltages(), entryOf(step.supplyVoltages(), *value, "installation.supply_voltage"), [&](int i) { step.chooseSupplyVoltage(i); });
        if (const json* value = member(in, "voltage_drop"))
            chooseOnce(step.voltageDrops(), entryOf(step.voltageDrops(), *value, "installation.voltage_drop"), [&](int i) { step.chooseVoltageDrop(i); });
        if (const json* value = member(in, "control_voltage"))
            chooseOnce(step.controlVoltages(), entryOf(step.controlVoltages(), *value, "installation.control_voltage"), [&](int i) { step.chooseControlVoltage(i); });
        if (const json* value = member(in, "connection"))
            chooseOnce(step.connections(), positionOrEntry(step.connections(), *value, "installation.connection"), [&](int i) { step.chooseConnection(i); });
        if (const json* value = member(in, "bypass")) {
            if (value->is_boolean())
                step.chooseByPass(value->get<bool>() ? 1 : 0); // the list is "no", then "yes"
            else
                chooseOnce(step.byPass(), entryOf(step.byPass(), *value, "installation.bypass"), [&](int i) { step.chooseByPass(i); });
        }
        forward(step, record);
    }

    // Step 6, then a pedestal (step 7) and a current limit (step 8) of the
    // user's own, each sized again by a new step 6 as the router does.
    std::unique_ptr<Etapa6> sizeAndAdjust(clsPelgo& record)
    {
        auto results = size(record);
        if (const json* value = member(case_, "pedestal")) {
            Etapa7 step(record);
            requireStarted(step);
            step.value = typed(*value, "pedestal");
            forward(step, record);
            results = size(record);
        }
        if (const json* value = member(case_, "current_limit")) {
            Etapa8 step(record);
            requireStarted(step);
            step.value = typed(*value, "current_limit");
            forward(step, record);
            results = size(record);
        }
        return results;
    }

    static std::unique_ptr<Etapa6> size(clsPelgo& record)
    {
        auto results = std::make_unique<Etapa6>(record);
        if (!results->sized())
            throw Stop{Outcome::SizingFailed, "", results->failureTitle() + ": " + results->failureMessage()};
        return results;
    }

    static ResultTexts captions(const clsEtapa6& t)
    {
        return {t.Data(), t.Resultado(), t.PartidaRampaTencao(), t.PartidaLimitacaoCorrente(), t.TModelo(),
                t.TPedestalTencao(), t.TLimitacaoCorrente(), t.TTempoAceleracao(), t.TCorrenteEficazPartida(),
                t.ResumoDados(), t.Motor(), t.Gerais(), t.Carga()};
    }

    const json& case_;
    json motor_, load_, installation_;
};

} // namespace

CaseResult runCase(const nlohmann::json& sizingCase)
{
    CaseResult result;
    try {
        CaseRunner(sizingCase).run(result);
    } catch (const Stop& stop) {
        result.outcome = stop.outcome;
        result.field = stop.field;
        result.message = stop.message;
    } catch (const DataError& error) {
        result.outcome = Outcome::DataFault;
        result.message = error.what();
    } catch (const nlohmann::json::exception& error) {
        result.outcome = Outcome::BadCase;
        result.message = error.what();
    }
    return result;
}

int exitStatus(Outcome outcome)
{
    return static_cast<int>(outcome);
}

} // namespace pelgo::size
