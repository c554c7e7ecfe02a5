#include "Checks.h"
#include "Reader.h"

#include <algorithm>
#include <set>

namespace pelgo::datacheck {

namespace {

constexpr int kSpeedPoints = 11; // 0, 10, ... 100 % of speed

// One load type: its texts, inertia rules, starts per hour and torque curve
// inside its band.
void checkLoad(const Reader& loads, pugi::xml_node load, const std::vector<long>& startsPerHour)
{
    loads.text(load, "ds_carga");
    loads.text(load, "obs");
    loads.text(load, "ds_caminho_desenho");

    const auto normal = loads.real(load, "ta_inercia_padrao");
    const auto least = loads.real(load, "ta_inercia_minima");
    const auto most = loads.real(load, "ta_inercia_maxima");
    if (least && *least < 0)
        loads.problem(load, "is below 0", "ta_inercia_minima");
    if (normal && least && most && !(*least <= *normal && *normal <= *most))
        loads.problem(load, "inertia default " + show(*normal) + " is not within minimum " + show(*least) +
                                " and maximum " + show(*most));

    const auto starts = loads.whole(load, "nr_partidashora", 1, 32767);
    if (starts && !startsPerHour.empty() &&
        std::find(startsPerHour.begin(), startsPerHour.end(), *starts) == startsPerHour.end())
        loads.problem(load, std::to_string(*starts) + " is not in Numero_Partidas_Hora.xml", "nr_partidashora");

    for (int k = 0; k < kSpeedPoints; ++k) {
        const std::string speed = std::to_string(10 * k);
        const auto torque = loads.whole(load, "TA_C" + speed);
        const auto low = loads.whole(load, "TA_Cmin" + speed);
        const auto high = loads.whole(load, "TA_Cmax" + speed);
        if (low && high && *low > *high)
            loads.problem(load, "band at " + speed + " % speed is empty (Cmin " + std::to_string(*low) +
                                    " above Cmax " + std::to_string(*high) + ")");
        else if (torque && low && high && (*torque < *low || *torque > *high))
            loads.problem(load, "torque " + std::to_string(*torque) + " at " + speed + " % speed is outside its band " +
                                    std::to_string(*low) + " to " + std::to_string(*high));
    }
}

void checkLoadList(const Installation& installation, Report& report)
{
    const Reader loads(installation, "Carga.xml", report);
    if (!loads.loaded())
        return;
    const std::vector<long> startsPerHour = wholeList(installation, "Numero_Partidas_Hora.xml", "nr_partidas");
    std::string firstLanguage;
    std::set<long> firstCodes;
    for (const std::string& language : installation.languages()) {
        const pugi::xml_node element = loads.require(loads.root(), language, "a language of Idioma_Mercado.xml");
        if (!element)
            continue;
        const auto entries = loads.list(element, "load types");
        if (entries.size() == 1)
            loads.problem(element, "holds one load type; the load screen selects the second one");
        std::set<long> codes;
        for (const pugi::xml_node load : entries) {
            const auto code = lineCode(load);
            if (!code || *code < -32768 || *code > 32767)
                loads.problem(load, "the load code (the name from its third character on) is not a whole number");
            else if (!codes.insert(*code).second)
                loads.problem(load, "load code " + std::to_string(*code) + " is used twice");
            checkLoad(loads, load, startsPerHour);
        }
        if (firstLanguage.empty()) {
            firstLanguage = language;
            firstCodes = codes;
            continue;
        }
        for (const long code : firstCodes)
            if (!codes.count(code))
                loads.problem(element, "load code " + std::to_string(code) + " of " + firstLanguage + " is missing");
        for (const long code : codes)
            if (!firstCodes.count(code))
                loads.problem(element, "load code " + std::to_string(code) + " is missing in " + firstLanguage);
    }
}

bool fixedInertiaUnit(const std::string& unit)
{
    return unit == "kgm²" || unit == "Lb.ft²";
}

} // namespace

void checkLoadTypes(const Installation& installation, Report& report)
{
    checkLoadList(installation, report);

    const Reader units(installation, "Unidade_Inercia_Eixo_Motor.xml", report);
    if (units.loaded()) {
        for (const std::string& language : installation.languages()) {
            const pugi::xml_node element = units.require(units.root(), language, "a language of Idioma_Mercado.xml");
            checkTextList(units, element, "ds_unidade", "inertia units");
            const auto entries = DataFile::children(element);
            if (!entries.empty() && fixedInertiaUnit(entries.back().attribute("ds_unidade").value()))
                units.problem(entries.back(), "the last unit is selected by default and must be the unit relative "
                                              "to the motor's inertia", "ds_unidade");
        }
    }

    checkWholeList(Reader(installation, "Numero_Partidas_Hora.xml", report), "nr_partidas", "starts per hour", 1,
                   32767);

    const Reader intervals(installation, "Intervalo_Partidas.xml", report);
    if (intervals.loaded()) {
        for (const pugi::xml_node unit : intervals.list(intervals.root(), "interval units")) {
            intervals.text(unit, "ds_intervalo");
            // Converting between the units only works for seconds and minutes.
            if (const auto seconds = intervals.real(unit, "vl_segundos"); seconds && *seconds != 1 && *seconds != 60)
                intervals.problem(unit, show(*seconds) + " s is neither a second nor a minute", "vl_segundos");
        }
    }
}

} // namespace pelgo::datacheck
