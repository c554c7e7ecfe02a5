#include "Checks.h"
#include "Reader.h"

#include "pelgo/Numbers.h"
#include "pelgo/wizard/Conversions.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>

namespace pelgo::datacheck {

namespace {

// Altitude.xml and Temperatura.xml: units whose value lists are parallel.
void checkParallelUnits(const Reader& reader, const char* attribute, const std::string& what,
                        std::optional<long> (*stored)(long, const std::string&))
{
    if (!reader.loaded())
        return;
    const auto units = reader.list(reader.root(), what + " units");
    std::set<std::string> names;
    for (const pugi::xml_node unit : units) {
        if (!names.insert(unit.name()).second)
            reader.problem(unit, "unit listed twice");
        for (const pugi::xml_node entry : reader.list(unit, what + "s"))
            if (const auto value = reader.whole(entry, attribute); value && !stored(*value, unit.name()))
                reader.problem(entry, std::to_string(*value) + " overflows the conversion of step 5", attribute);
        if (DataFile::children(unit).size() != DataFile::children(units.front()).size())
            reader.problem(unit, "holds " + std::to_string(DataFile::children(unit).size()) + " values, " +
                                     units.front().name() + " holds " +
                                     std::to_string(DataFile::children(units.front()).size()) +
                                     "; the lists must be parallel");
    }
}

std::vector<long> storable(const Installation& installation, const char* file, const char* attribute,
                           std::optional<long> (*stored)(long, const std::string&))
{
    std::set<long> values;
    for (const pugi::xml_node unit : DataFile::children(installation.xml(file).root()))
        for (const pugi::xml_node entry : DataFile::children(unit))
            if (const auto value = plainWhole(entry.attribute(attribute).value()))
                if (const auto converted = stored(*value, unit.name()))
                    values.insert(*converted);
    return {values.begin(), values.end()};
}

void checkDerating(const Installation& installation, Report& report)
{
    const std::vector<long> altitudes = storableAltitudes(installation);
    const std::vector<long> temperatures = storableTemperatures(installation);

    const Reader derating(installation, "Altitude_Temperatura.xml", report);
    if (derating.loaded()) {
        for (const long metres : altitudes) {
            const std::string name = "vl" + std::to_string(metres);
            const pugi::xml_node altitude = derating.require(
                derating.root(), name, "altitude of " + std::to_string(metres) + " m that step 5 can store");
            if (!altitude)
                continue;
            if (altitude.parent() != derating.root()) {
                derating.problem(altitude, "the altitude " + name + " is found here, inside another altitude");
                continue;
            }
            for (const long celsius : temperatures) {
                const pugi::xml_node factor = derating.require(
                    altitude, "vl" + std::to_string(celsius),
                    "temperature of " + std::to_string(celsius) + " °C that step 5 can store");
                if (!factor)
                    continue;
                if (const auto value = derating.real(factor, "vl_temp_alt"); value && (*value <= 0 || *value > 1.5))
                    derating.problem(factor, show(*value) + " is not a derating factor (above 0, at most 1.5)",
                                     "vl_temp_alt");
            }
        }
    }

    const Reader hot(installation, "Fator_Temperatura.xml", report);
    if (hot.loaded()) {
        for (const long celsius : temperatures) {
            if (celsius < 41)
                continue;
            const pugi::xml_node factor = hot.require(
                hot.root(), "temp" + std::to_string(celsius),
                "temperature of " + std::to_string(celsius) + " °C that step 5 can store");
            if (!factor)
                continue;
            if (const auto value = hot.real(factor, "fator"); value && *value <= 0)
                hot.problem(factor, "must be above 0", "fator");
        }
    }
}

void checkSupplyLists(const Installation& installation, Report& report)
{
    const Reader drops(installation, "Queda_Tensao_Partida.xml", report);
    if (drops.loaded()) {
        static const std::regex leadingNumber(R"(\s*[+-]?(\d+(\.\d*)?|\.\d+).*)");
        std::set<std::string> shown;
        for (const pugi::xml_node drop : drops.list(drops.root(), "voltage drops")) {
            if (const auto factor = drops.real(drop, "vl_queda_tensao"); factor && (*factor <= 0 || *factor > 1))
                drops.problem(drop, show(*factor) + " is not a torque factor (above 0, at most 1)", "vl_queda_tensao");
            if (const auto text = drops.text(drop, "ds_queda_tensao")) {
                if (!std::regex_match(*text, leadingNumber))
                    drops.problem(drop, "\"" + *text + "\" does not start with a number", "ds_queda_tensao");
                else if (!shown.insert(show(parseLeadingReal(*text))).second)
                    drops.problem(drop, "the voltage drop " + show(parseLeadingReal(*text)) + " is listed twice",
                                  "ds_queda_tensao");
            }
        }
    }

    checkWholeList(Reader(installation, "Tensao_Comando.xml", report), "vl_tensao", "command voltages", 1, 32767);

    const Reader connections(installation, "Ligacao_Motor.xml", report);
    if (!connections.loaded())
        return;
    std::vector<std::string> tags{"STANDARD"};
    for (const pugi::xml_node connection : connections.list(connections.root(), "motor connections")) {
        if (const auto factor = connections.real(connection, "vl_ligacao"); factor && *factor <= 0)
            connections.problem(connection, "must be above 0", "vl_ligacao");
        std::string tag = connection.name();
        std::transform(tag.begin(), tag.end(), tag.begin(), [](unsigned char c) { return std::toupper(c); });
        tags.push_back(tag);
    }
    // The connection names are texts of section ETAPA5 named after the elements.
    const Reader catalogue(installation, "Textos_pagina_pelgo.xml", report);
    for (const std::string& language : installation.languages()) {
        const pugi::xml_node section = DataFile::find(DataFile::find(catalogue.root(), language), "ETAPA5");
        for (const std::string& tag : tags)
            if (section)
                catalogue.require(section, tag, "name of a motor connection of Ligacao_Motor.xml");
    }
}

} // namespace

std::optional<long> storedAltitude(long value, const std::string& unit)
{
    try {
        return wizard::altitudeInMetres(toInt16(value), unit);
    } catch (const OverflowError&) {
        return std::nullopt;
    }
}

std::optional<long> storedTemperature(long value, const std::string& unit)
{
    // The screen offers a temperature unit element as "° " and its name.
    try {
        return wizard::temperatureInCelsius(toInt16(value), "\u00B0 " + unit);
    } catch (const OverflowError&) {
        return std::nullopt;
    }
}

std::vector<long> storableAltitudes(const Installation& installation)
{
    return storable(installation, "Altitude.xml", "vl_altitude", storedAltitude);
}

std::vector<long> storableTemperatures(const Installation& installation)
{
    return storable(installation, "Temperatura.xml", "vl_temperatura", storedTemperature);
}

void checkAmbient(const Installation& installation, Report& report)
{
    checkParallelUnits(Reader(installation, "Altitude.xml", report), "vl_altitude", "altitude", storedAltitude);
    checkParallelUnits(Reader(installation, "Temperatura.xml", report), "vl_temperatura", "temperature",
                       storedTemperature);
    checkDerating(installation, report);
    checkSupplyLists(installation, report);
}

} // namespace pelgo::datacheck
