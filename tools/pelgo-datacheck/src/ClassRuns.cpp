#include "Checks.h"
#include "Reader.h"

#include "pelgo/DataError.h"
#include "pelgo/Numbers.h"
#include "pelgo/ProgramFolder.h"
#include "pelgo/clsAbertura.h"
#include "pelgo/clsCalculoEconomia.h"
#include "pelgo/clsEtapa1.h"
#include "pelgo/clsEtapa10.h"
#include "pelgo/clsEtapa11.h"
#include "pelgo/clsEtapa12.h"
#include "pelgo/clsEtapa13.h"
#include "pelgo/clsEtapa14.h"
#include "pelgo/clsEtapa2.h"
#include "pelgo/clsEtapa3.h"
#include "pelgo/clsEtapa4.h"
#include "pelgo/clsEtapa5.h"
#include "pelgo/clsEtapa6.h"
#include "pelgo/clsEtapa7.h"
#include "pelgo/clsEtapa8.h"
#include "pelgo/clsEtapa9.h"
#include "pelgo/clsInicio.h"
#include "pelgo/clsPelgo.h"

#include "SizingCase.h"

#include <nlohmann/json.hpp>

#include <exception>
#include <functional>
#include <set>
#include <stdexcept>
#include <utility>

namespace pelgo::datacheck {

namespace {

// Points the library at the checked folder for the length of the runs.
class FolderSwitch {
public:
    explicit FolderSwitch(const std::string& folder)
        : previous_(programFolder())
    {
        setProgramFolder(folder);
    }
    ~FolderSwitch() { setProgramFolder(previous_); }
    FolderSwitch(const FolderSwitch&) = delete;
    FolderSwitch& operator=(const FolderSwitch&) = delete;

private:
    std::string previous_;
};

// Runs library calls the way the screens make them and turns whatever they
// raise into a problem line that says which call, in which language and market.
class Runner {
public:
    explicit Runner(Report& report)
        : report_(report)
    {
    }

    void setContext(std::string context) { context_ = std::move(context); }

    // False when the call raised (and was reported).
    bool run(const std::string& call, const std::function<void()>& body)
    {
        try {
            body();
            return true;
        } catch (const DataError& error) {
            fault(Installation::xmlPath(error.file()), error.detail(), call);
        } catch (const std::exception& error) {
            fault("XML", std::string("the data set makes the call fail: ") + error.what(), call);
        }
        return false;
    }

    // Runs an Inicia, which must also answer 0.
    void inicia(const std::string& call, const std::function<std::int16_t()>& body)
    {
        run(call, [&] { code(call, body()); });
    }

    void code(const std::string& call, std::int16_t result)
    {
        if (result != 0)
            fault("XML", "returned error code " + std::to_string(result), call);
    }

    // The same fault met again in another market is reported once, with the
    // first language and market that met it.
    void fault(const std::string& file, const std::string& what, const std::string& call)
    {
        if (seen_.insert(file + '\n' + what + '\n' + call).second)
            report_.problem(file, "", what + " (" + call + ", " + context_ + ")");
    }

    Report& report_;
    std::string context_;
    std::set<std::string> seen_;
};

// The classes whose Inicia needs only the language.
void runLanguageClasses(Runner& runner, const std::string& language)
{
    runner.run("clsPelgo.SetTitulo", [&] { clsPelgo().SetTitulo(language); });
    runner.run("clsAbertura.Inicia", [&] { clsAbertura().Inicia(language); });
    runner.run("clsInicio", [&] {
        clsInicio start;
        start.Inicia();
        start.CarregaMercado(language);
        start.MercadoPadraoIdioma(language);
        for (std::int16_t index = 0; !start.EOFMercado(); start.NextMercado(), ++index)
            start.Norma(index);
    });
    runner.run("clsEtapa4.Inicia/CarregaComplement", [&] {
        clsEtapa4 load;
        runner.code("clsEtapa4.Inicia", load.Inicia(language, 10.0));
        for (std::int16_t index = 0; !load.EOFCarga(); load.NextCarga(), ++index)
            load.CarregaComplement(language, index, 0.1);
    });
    runner.inicia("clsEtapa6.Inicia", [&] { return clsEtapa6().Inicia(language); });
    runner.inicia("clsEtapa7.Inicia", [&] { return clsEtapa7().Inicia(language); });
    runner.inicia("clsEtapa8.Inicia", [&] { return clsEtapa8().Inicia(language); });
    // A typical result of step 6: both methods found a model.
    runner.inicia("clsEtapa9.Inicia", [&] {
        return clsEtapa9().Inicia(language, true, true, 10.0, 100.0, 120.0, 35.0, 1.0, 1, 12.0, 300.0, 140.0, 3, 250.0);
    });
    runner.inicia("clsEtapa10.Inicia", [&] {
        return clsEtapa10().Inicia(language, true, 3, 1.0, 1, 100.0, 120.0, 280.0, 250.0, 12.0, 10.0, true, 3, 300.0,
                                   140);
    });
    runner.inicia("clsEtapa11.Inicia", [&] { return clsEtapa11().Inicia(language); });
    runner.inicia("clsEtapa12.Inicia", [&] { return clsEtapa12().Inicia(language); });
    runner.inicia("clsEtapa13.Inicia", [&] { return clsEtapa13().Inicia(language); });
    runner.inicia("clsEtapa14.Inicia", [&] { return clsEtapa14().Inicia(language); });
    runner.inicia("clsCalculoEconomia.Inicia", [&] { return clsCalculoEconomia().Inicia(language); });
}

// The motor chosen with the market's defaults, as step 1 offers it.
struct DefaultMotor {
    std::int16_t frequency = 0;
    std::int16_t line = 0;
    std::int16_t poles = 0;
    std::string category;
    std::int16_t voltage = 0;
    double kilowatts = 0;
    double cv = 0;
    std::vector<double> powersInDefaultUnit; // the powers list the screen shows first
};

// Step 1 with the market's defaults: texts, lists and the power list of the
// default line in every unit.
bool runStep1(Runner& runner, const std::string& language, const std::string& market, const std::string& standard,
              DefaultMotor& motor)
{
    return runner.run("clsEtapa1.Inicia/CarregaPotenciaNominal", [&] {
        clsEtapa1 step;
        const std::int16_t code = step.Inicia(language, standard, market);
        runner.code("clsEtapa1.Inicia", code);
        if (code != 0)
            return;
        motor.line = step.CDMotorPadrao();
        motor.poles = step.PoloPadrao();
        motor.category = step.CategoriaPadrao();
        motor.voltage = step.TensaoPadrao();
        motor.frequency = step.frequenciaByIndex(0);
        for (std::int16_t index = 0; !step.EOFProdutos(); step.NextProduto(), ++index)
            if (step.cd_Produto() == std::to_string(motor.line))
                motor.frequency = step.Frequencia();
        const auto firstPower = [&](const std::string& type) {
            if (!step.CarregaPotenciaNominal(standard, motor.frequency, motor.line, motor.poles, type))
                runner.fault("XML/Potencia_Nominal.xml", "no powers for the market's default line and poles",
                             "clsEtapa1.CarregaPotenciaNominal(" + type + ")");
            return parseRegional(step.PotenciaByIndex(0)).value_or(0);
        };
        for (std::int16_t index = 0; !step.EOFUnidades(); step.NextUnidades(), ++index) {
            firstPower(step.TipoUnidadeByIndex(index));
            if (step.Unidade() != step.UnidadePadrao())
                continue;
            for (std::int16_t power = 0; !step.EOFPotencias(); step.NextPotencias(), ++power)
                motor.powersInDefaultUnit.push_back(parseRegional(step.Potencia()).value_or(0));
        }
        motor.kilowatts = firstPower("vl_potencia_kw");
        motor.cv = firstPower("vl_potencia_cv");
    });
}

void runStep5(Runner& runner, const std::string& language, const std::string& market)
{
    // Below 120 A the connection list is the standard one; from 120 A it comes from Ligacao_Motor.xml.
    for (const double current : {119.0, 120.0}) {
        runner.run("clsEtapa5.Inicia/CarregaAltitude/CarregaTemperatura", [&] {
            clsEtapa5 step;
            runner.code("clsEtapa5.Inicia", step.Inicia(language, current, market));
            for (std::int16_t index = 0; !step.EOFUnidadeAltitude(); step.NextUnidadeAltitude(), ++index)
                step.CarregaAltitude(index);
            for (std::int16_t index = 0; !step.EOFUnidadeTemperatura(); step.NextUnidadeTemperatura(), ++index)
                step.CarregaTemperatura(index);
        });
    }
}

// Steps 2 and 3 for the default motor, as their screens start them.
void runMotorSteps(Runner& runner, const std::string& language, const std::string& market,
                   const std::string& standard, const DefaultMotor& motor)
{
    std::string frame;
    runner.run("clsEtapa2.Inicia", [&] {
        clsEtapa2 step;
        const std::int16_t code = step.Inicia(language, market, motor.frequency, motor.category, motor.line,
                                              motor.poles, motor.kilowatts, motor.voltage);
        if (code != 1) // 1: the motor is not in the table and its data are estimated
            runner.code("clsEtapa2.Inicia", code);
        frame = step.Carcaca();
    });
    runner.inicia("clsEtapa3.Inicia", [&] {
        return clsEtapa3().Inicia(language, motor.frequency, motor.category, motor.line, motor.poles, motor.kilowatts,
                                  market, standard, motor.cv, frame);
    });
}

// A sizing case that did not end in a sizing, as the error the runner reports:
// a data fault names its file ("File.xml: what").
[[noreturn]] void throwFault(const size::CaseResult& result)
{
    const auto colon = result.message.find(": ");
    if (result.outcome == size::Outcome::DataFault && colon != std::string::npos && colon >= 4 &&
        result.message.compare(colon - 4, 4, ".xml") == 0)
        throw DataError(result.message.substr(0, colon), result.message.substr(colon + 2));
    throw std::runtime_error((result.field.empty() ? "" : result.field + ": ") + result.message);
}

// Which methods found a model of the catalogue in a sizing.
struct Availability {
    bool ramp = true;
    bool currentLimit = true;
};

// A whole sizing through the wizard's steps with the defaults the screens
// show and the given power (in the market's default unit): the default motor
// must start the default load.
Availability runDefaultSizing(Runner& runner, const std::string& language, const std::string& market, double power)
{
    Availability availability;
    runner.run("a sizing with the defaults of market " + market + " and power " + show(power), [&] {
        const size::CaseResult result =
            size::runCase({{"language", language}, {"market", market}, {"motor", {{"power", power}}}});
        if (result.outcome != size::Outcome::Sized)
            throwFault(result);
        availability = {result.ramp.available, result.currentLimit.available};
    });
    return availability;
}

// Sizes every power of the default list; the powers for which the catalogue
// has no model are noted (small motors legitimately get none).
void sizeEveryPower(Runner& runner, Report& report, const std::string& language, const std::string& market,
                    const std::vector<double>& powers)
{
    std::string noRampModel;
    std::string noCurrentLimitModel;
    for (const double power : powers) {
        const Availability availability = runDefaultSizing(runner, language, market, power);
        if (!availability.ramp)
            noRampModel += (noRampModel.empty() ? "" : ", ") + show(power);
        if (!availability.currentLimit)
            noCurrentLimitModel += (noCurrentLimitModel.empty() ? "" : ", ") + show(power);
    }
    const std::string sizing = "market " + market + ", default motor and load";
    if (!noRampModel.empty())
        report.note("XML/Tarvo.xml", sizing, "no voltage-ramp model for the powers " + noRampModel);
    if (!noCurrentLimitModel.empty())
        report.note("XML/Tarvo.xml", sizing, "no current-limit model for the powers " + noCurrentLimitModel);
}

// Every message of the validation sections a screen can show for a typed
// field: each field of the sizing case in turn is left empty, not a number,
// far too large and far too small, for a motor of the given power in the
// market's default unit.
void runValidationMessages(Runner& runner, const std::string& language, const std::string& market, double power)
{
    static const char* const kTypedFields[] = {
        "motor.power_factor", "motor.efficiency", "motor.rated_current", "motor.locked_rotor_time",
        "motor.inertia",      "motor.cp_cn",      "motor.cmax_cn",       "motor.ip_in",
        "load.inertia",       "load.interval",    "load.duty_factor",    "pedestal",
        "current_limit",
    };
    static const char* const kBadValues[] = {"", "x", "1000000", "-1000000"};
    for (const char* field : kTypedFields) {
        for (const char* value : kBadValues) {
            nlohmann::json sizingCase = {{"language", language}, {"market", market}, {"motor", {{"power", power}}}};
            const std::string key = field;
            const auto dot = key.find('.');
            if (dot == std::string::npos)
                sizingCase[key] = value;
            else
                sizingCase[key.substr(0, dot)][key.substr(dot + 1)] = value;
            runner.run(std::string("the check of ") + field + " = \"" + value + "\"", [&] {
                const size::CaseResult result = size::runCase(sizingCase);
                if (result.outcome == size::Outcome::DataFault || result.outcome == size::Outcome::BadCase)
                    throwFault(result);
            });
        }
    }
}

// The classes and sizings of one market; the middle power of its default list
// (0 when there is none).
double runMarketClasses(Runner& runner, Report& report, const Installation& installation, const std::string& language,
                        const std::string& market, bool everyPower)
{
    const auto standard = installation.standardOf(market);
    if (!standard)
        return 0; // reported by the markets check
    DefaultMotor motor;
    if (runStep1(runner, language, market, *standard, motor) && motor.kilowatts > 0)
        runMotorSteps(runner, language, market, *standard, motor);
    runStep5(runner, language, market);
    const std::vector<double>& powers = motor.powersInDefaultUnit;
    if (powers.empty())
        return 0;
    if (everyPower)
        sizeEveryPower(runner, report, language, market, powers);
    else
        runDefaultSizing(runner, language, market, powers[powers.size() / 2]);
    return powers[powers.size() / 2];
}

} // namespace

void checkClassRuns(const Installation& installation, Report& report)
{
    const FolderSwitch folder(installation.folder());
    Runner runner(report);
    std::set<std::string> sizedEveryPower;
    for (const std::string& language : installation.languages()) {
        runner.setContext("language " + language);
        runLanguageClasses(runner, language);
        bool messagesChecked = false;
        for (const std::string& market : installation.marketsOf(language)) {
            runner.setContext("language " + language + ", market " + market);
            // Every power of a market is sized once, in the first language that offers it.
            const double power =
                runMarketClasses(runner, report, installation, language, market, sizedEveryPower.insert(market).second);
            if (power > 0 && !messagesChecked) {
                runValidationMessages(runner, language, market, power);
                messagesChecked = true;
            }
        }
    }
}

} // namespace pelgo::datacheck
