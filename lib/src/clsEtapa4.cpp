#include "pelgo/clsEtapa4.h"

#include "pelgo/DataFile.h"
#include "pelgo/Numbers.h"
#include "pelgo/StepTexts.h"
#include "pelgo/clsPelgo_Geral.h"

#include <stdexcept>

namespace pelgo {

namespace {

const char* const kLoadFile = "Carga.xml";
const char* const kInertiaUnitFile = "Unidade_Inercia_Eixo_Motor.xml";
const char* const kStartsFile = "Numero_Partidas_Hora.xml";
const char* const kIntervalFile = "Intervalo_Partidas.xml";

// The two inertia units with a fixed meaning; every other name is the
// relative unit (multiples of the motor's own moment of inertia).
const std::string kKilogramSquareMetre = "kgm\u00B2";
const std::string kPoundSquareFoot = "Lb.ft\u00B2";
constexpr double kPoundSquareFootPerKilogramSquareMetre = 23.73;

// The load type that starts with 10 × the motor inertia on small motors.
constexpr std::int16_t kHighInertiaLoadCode = 24;
constexpr double kHighInertiaMaximumKw = 30;
constexpr double kHighInertiaMultiple = 10;

constexpr std::int16_t kDefaultDutyFactor = 90;

// Load elements are named by two letters and the load code (cd24).
constexpr std::size_t kLoadCodePrefixLength = 2;

// An attribute that must hold a number written in the user's regional form.
double regionalReal(const DataFile& file, pugi::xml_node element, const std::string& attribute)
{
    const std::string value = file.text(element, attribute);
    if (const auto number = parseRegional(value))
        return *number;
    throw file.error("attribute " + attribute + " of element " + element.name() + ": \"" + value +
                     "\" is not a number");
}

std::int16_t loadCode(const DataFile& file, pugi::xml_node load)
{
    const std::string name = load.name();
    const auto code = name.size() > kLoadCodePrefixLength
                          ? parseRegionalInt16(std::string_view(name).substr(kLoadCodePrefixLength))
                          : std::nullopt;
    if (!code)
        throw file.error("element " + name + ": a load element is named by two letters and the load code");
    return *code;
}

// The name of the relative inertia unit of a language: the last unit that is
// neither kgm² nor Lb.ft² ("" when there is none or the file does not load).
std::string relativeInertiaUnit(const std::string& language)
{
    DataFile units(kInertiaUnitFile);
    if (!units.loaded())
        return "";
    std::string relative;
    for (pugi::xml_node unit : DataFile::children(units.require(language))) {
        std::string name = units.text(unit, "ds_unidade");
        if (name != kKilogramSquareMetre && name != kPoundSquareFoot)
            relative = std::move(name);
    }
    return relative;
}

std::string speedPointAttribute(const char* prefix, std::size_t step)
{
    return prefix + std::to_string(10 * step);
}

} // namespace

double clsEtapa4::CMin(std::int16_t index) const { return cMin_[curveIndex(index)]; }
double clsEtapa4::CMax(std::int16_t index) const { return cMax_[curveIndex(index)]; }
double clsEtapa4::VlC(std::int32_t index) const { return c_[curveIndex(index)]; }

std::size_t clsEtapa4::curveIndex(std::int32_t index)
{
    if (index < 0 || index >= kCurvePoints)
        throw std::out_of_range("speed step " + std::to_string(index) + " of a load curve (0 to 10)");
    return static_cast<std::size_t>(index);
}

double clsEtapa4::VlIntervalo(std::int16_t Intervalo, std::int16_t IntervaloSeg) const
{
    // (3661 - 61 s) is 3600 for seconds and 1 for minutes; it is a 16-bit
    // whole number, so a unit length far outside that range overflows.
    const std::int16_t product = toInt16(61.0 * IntervaloSeg);
    const std::int16_t unitFactor = toInt16(3661.0 - product);
    return Intervalo * static_cast<double>(unitFactor) / 60;
}

double clsEtapa4::VlIntervaloPartidas(std::int16_t NrPartidasHora, std::int16_t IntervaloSeg) const
{
    if (NrPartidasHora == 0 || IntervaloSeg == 0)
        throw std::domain_error("interval between starts: division by zero (starts per hour " +
                                std::to_string(NrPartidasHora) + ", unit of " + std::to_string(IntervaloSeg) +
                                " s)");
    return 3600.0 / NrPartidasHora / IntervaloSeg;
}

std::string clsEtapa4::SetInerciaCargaEixoMotor(const std::string& strIdioma, double /*InerciaCargaEixoMotor*/,
                                                const std::string& strUnidadeInerciaEixoMotor,
                                                double dblMomentoInercia, double dblJCMI, double dblJCMA,
                                                double dblJC)
{
    clsPelgo_Geral messages;
    messages.CarregaXML(strIdioma, "CONSISTEETAPA4");

    bool belowMinimum = false;
    bool aboveMaximum = false;
    if (strUnidadeInerciaEixoMotor == relativeInertiaUnit(strIdioma)) {
        belowMinimum = dblJC < dblJCMI;
        aboveMaximum = dblJC > dblJCMA;
        inerciaCargaEixoMotor_ = dblMomentoInercia * dblJC;
    } else if (strUnidadeInerciaEixoMotor == kKilogramSquareMetre || strUnidadeInerciaEixoMotor == kPoundSquareFoot) {
        const double kilogramSquareMetres = strUnidadeInerciaEixoMotor == kPoundSquareFoot
                                                ? dblJC / kPoundSquareFootPerKilogramSquareMetre
                                                : dblJC;
        belowMinimum = dblMomentoInercia * dblJCMI > kilogramSquareMetres;
        aboveMaximum = dblMomentoInercia * dblJCMA < kilogramSquareMetres;
        inerciaCargaEixoMotor_ = kilogramSquareMetres;
    } else {
        return "";
    }

    if (belowMinimum)
        return messages.GetTextosPelgo("MF_INFERIORMINIMOACEITAVEL");
    if (aboveMaximum)
        return messages.GetTextosPelgo("MF_SUPERIORMAXIMOACEITAVEL");
    return "";
}

void clsEtapa4::CarregaComplement(const std::string& strIdioma, std::int16_t index, double /*dblMomentoInercia*/)
{
    DataFile file(kLoadFile);
    if (!file.loaded())
        return;
    const pugi::xml_node language = file.require(strIdioma);
    const std::vector<pugi::xml_node> loads = DataFile::children(language);
    if (index < 0 || static_cast<std::size_t>(index) >= loads.size())
        throw file.error("there is no load type number " + std::to_string(index) + " below element " + strIdioma);
    const pugi::xml_node load = loads[static_cast<std::size_t>(index)];

    // Everything is read before anything changes, so a faulty element leaves
    // the previous load type whole.
    const std::string remark = file.text(load, "obs");
    const double defaultInertia =
        index == specialLoadIndex_ ? kHighInertiaMultiple : file.real(load, "ta_inercia_padrao");
    const double minimumInertia = file.real(load, "ta_inercia_minima");
    const double maximumInertia = file.real(load, "ta_inercia_maxima");
    const std::int16_t startsPerHour = file.integer(load, "nr_partidashora");
    Curve torque{};
    Curve lower{};
    Curve upper{};
    double largestUpper = 0;
    for (std::size_t k = 0; k < torque.size(); ++k) {
        torque[k] = regionalReal(file, load, speedPointAttribute("TA_C", k));
        lower[k] = regionalReal(file, load, speedPointAttribute("TA_Cmin", k));
        upper[k] = regionalReal(file, load, speedPointAttribute("TA_Cmax", k));
        if (upper[k] > largestUpper)
            largestUpper = upper[k];
    }

    obsCarga_ = remark;
    inerciaEixoMotor_ = defaultInertia;
    inerciaEixoMotorMinima_ = minimumInertia;
    inerciaEixoMotorMaxima_ = maximumInertia;
    nrNumeroPartidasHora_ = startsPerHour;
    nrFatorUtilizacao_ = kDefaultDutyFactor;
    c_ = torque;
    cMin_ = lower;
    cMax_ = upper;
    maiorCMax_ = largestUpper;
}

std::int16_t clsEtapa4::Inicia(const std::string& strIdioma, double dblPotenciaKw)
{
    readTexts(strIdioma);
    readLoadTypes(strIdioma, dblPotenciaKw);
    readInertiaUnits(strIdioma);
    readStartsPerHour();
    readIntervalUnits();
    return 0;
}

void clsEtapa4::readTexts(const std::string& language)
{
    clsPelgo_Geral catalogue;
    pelgo::readTexts(catalogue, language, "ETAPA4",
                     {{"TDADOSAPLICACAO", &tDadosAplicacao_},
                      {"TTIPOCARGA", &tTipoCarga_},
                      {"TREFERENCIAPLICACAO", &tReferenciAplicacao_},
                      {"TINERCIACARGA", &tInerciaCarga_},
                      {"TNUMEROPARTIDASHORA", &tNumeroPartidasHora_},
                      {"TINTERVALOENTREPARTIDAS", &tIntervaloEntrePartidas_},
                      {"TFATORUTILIZACAO", &tFatorUtilizacao_},
                      {"TEXTOETAPA4", &textoEtapa4_},
                      {"TMENSAGEM", &tMensagem_}});
    pelgo::readTexts(catalogue, language, "IMPRESSAO_PELGO",
                     {{"GCONJUGADOCARGA", &tConjugadoCarga_}});
    pelgo::readTexts(catalogue, language, "BOTOES",
                     {{"BTVOLTAR", &btVoltar_},
                      {"BTAJUDA", &btAjuda_},
                      {"BTAVANCAR", &btAvancar_}});
}

void clsEtapa4::readLoadTypes(const std::string& language, double powerKw)
{
    loads_.clear();
    specialLoadIndex_ = -1;
    DataFile file(kLoadFile);
    if (!file.loaded())
        return;
    const bool smallMotor = !(powerKw > kHighInertiaMaximumKw);
    for (pugi::xml_node load : DataFile::children(file.require(language))) {
        const std::int16_t code = loadCode(file, load);
        if (smallMotor && code == kHighInertiaLoadCode)
            specialLoadIndex_ = static_cast<std::int32_t>(loads_.size());
        loads_.add({code, file.text(load, "ds_carga")});
    }
}

void clsEtapa4::readInertiaUnits(const std::string& language)
{
    inertiaUnits_.clear();
    DataFile file(kInertiaUnitFile);
    if (!file.loaded())
        return;
    for (pugi::xml_node unit : DataFile::children(file.require(language)))
        inertiaUnits_.add(file.text(unit, "ds_unidade"));
}

void clsEtapa4::readStartsPerHour()
{
    startsPerHour_.clear();
    DataFile file(kStartsFile);
    if (!file.loaded())
        return;
    for (pugi::xml_node starts : DataFile::children(file.root()))
        startsPerHour_.add(file.integer(starts, "nr_partidas"));
}

void clsEtapa4::readIntervalUnits()
{
    intervalUnits_.clear();
    DataFile file(kIntervalFile);
    if (!file.loaded())
        return;
    for (pugi::xml_node unit : DataFile::children(file.root()))
        intervalUnits_.add({file.text(unit, "ds_intervalo"), file.real(unit, "vl_segundos")});
}

} // namespace pelgo
