#include "Checks.h"
#include "Reader.h"

#include "pelgo/Numbers.h"
#include "pelgo/Text.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace pelgo::datacheck {

namespace {

template <class T>
bool contains(const std::vector<T>& list, const T& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// A list of coded elements (languages, or the markets of a language): each has
// a first attribute (the name shown) and no code appears twice.
void checkCodedList(const Reader& reader, pugi::xml_node parent, const std::string& what)
{
    std::set<std::string> seen;
    for (const pugi::xml_node entry : reader.list(parent, what)) {
        if (!seen.insert(entry.name()).second)
            reader.problem(entry, "listed twice; only the first is used");
        if (!entry.first_attribute())
            reader.problem(entry, "has no attribute; its first attribute is the name shown");
    }
}

// The texts of an attribute over the children of an element.
std::vector<std::string> texts(pugi::xml_node parent, const char* attribute)
{
    std::vector<std::string> values;
    for (const pugi::xml_node entry : DataFile::children(parent))
        values.emplace_back(entry.attribute(attribute).value());
    return values;
}

std::vector<long> wholes(pugi::xml_node parent, const char* attribute)
{
    std::vector<long> values;
    for (const pugi::xml_node entry : DataFile::children(parent))
        if (const auto value = plainWhole(entry.attribute(attribute).value()))
            values.push_back(*value);
    return values;
}

struct MarketDefaults {
    std::string market;
    std::string standard;
    long line = 0;
    long poles = 0;
    std::string category;
    long voltage = 0;
    std::string powerUnit;
    std::string inertiaUnit;
    double inertiaFactor = 0;
    std::string torqueUnit;
    long altitude = 0;
    std::string altitudeUnit;
    long temperature = 0;
    std::string temperatureUnit;
    double voltageDrop = 0;
};

// Reads every attribute of a market's element; nullopt when any is unreadable
// (each such attribute is reported).
std::optional<MarketDefaults> readDefaults(const Reader& reader, pugi::xml_node element)
{
    MarketDefaults d;
    d.market = element.name();
    bool complete = true;
    auto text = [&](const char* name, std::string& into) {
        if (auto value = reader.text(element, name))
            into = *value;
        else
            complete = false;
    };
    auto whole = [&](const char* name, long& into) {
        if (auto value = reader.whole(element, name))
            into = *value;
        else
            complete = false;
    };
    auto real = [&](const char* name, double& into) {
        if (auto value = reader.real(element, name))
            into = *value;
        else
            complete = false;
    };
    text("ds_norma", d.standard);
    whole("cd_linha", d.line);
    whole("polaridade", d.poles);
    text("categoria", d.category);
    whole("vl_tensao", d.voltage);
    text("ds_unidade_potencia", d.powerUnit);
    text("ds_unidade_inercia", d.inertiaUnit);
    real("inercia_multiplicador", d.inertiaFactor);
    text("ds_unidade_conjugado", d.torqueUnit);
    whole("vl_altitude", d.altitude);
    text("ds_unidade_altitude", d.altitudeUnit);
    whole("vl_temperatura_ambiente", d.temperature);
    text("ds_unidade_temperatura", d.temperatureUnit);
    real("queda_tensao", d.voltageDrop);
    if (!complete)
        return std::nullopt;
    return d;
}

void checkStandardKnown(const Installation& installation, Report& report, const MarketDefaults& d)
{
    for (const char* file : {"Produto_Idioma.xml", "Categoria_Norma.xml", "Potencia_Nominal.xml",
                             "Carcaca_Complement.xml"}) {
        const Reader keyed(installation, file, report);
        if (keyed.loaded())
            keyed.require(keyed.root(), d.standard, "standard of market " + d.market + " in Padrao_Mercado.xml");
    }
}

void checkDefaultsInLists(const Installation& installation, const Reader& reader,
                          pugi::xml_node element, const MarketDefaults& d)
{
    auto missing = [&](const char* attribute, const std::string& what) {
        reader.problem(element, what, attribute);
    };

    // The default line must be offered to the market in every language that offers it.
    const DataFile& products = installation.xml("Produto_Idioma.xml");
    const pugi::xml_node standard = DataFile::find(products.root(), d.standard);
    for (const std::string& language : installation.languages()) {
        if (!contains(installation.marketsOf(language), d.market))
            continue;
        const pugi::xml_node lines = DataFile::find(DataFile::find(standard, language), d.market);
        if (!lines)
            continue; // reported by the motor catalogue check
        const auto offered = DataFile::children(lines);
        if (std::none_of(offered.begin(), offered.end(),
                         [&](pugi::xml_node line) { return lineCode(line) == d.line; }))
            missing("cd_linha", "line " + std::to_string(d.line) + " is not among the lines of Produto_Idioma.xml " +
                                    d.standard + "/" + language + "/" + d.market);
    }

    if (installation.xml("Nr_Polos.xml").loaded() &&
        !contains(wholeList(installation, "Nr_Polos.xml", "nr_polos"), d.poles))
        missing("polaridade", std::to_string(d.poles) + " poles are not in Nr_Polos.xml");

    const DataFile& categories = installation.xml("Categoria_Norma.xml");
    if (const pugi::xml_node list = DataFile::find(categories.root(), d.standard))
        if (!contains(texts(list, "cd_categoria"), d.category))
            missing("categoria", "category " + d.category + " is not in Categoria_Norma.xml " + d.standard);

    if (installation.xml("Tensao_Nominal.xml").loaded() &&
        !contains(wholeList(installation, "Tensao_Nominal.xml", "vl_tensao"), d.voltage))
        missing("vl_tensao", std::to_string(d.voltage) + " V is not in Tensao_Nominal.xml");

    const DataFile& units = installation.xml("Unidade_Potencia.xml");
    if (units.loaded() && !contains(texts(units.root(), "cd_unidade"), d.powerUnit))
        missing("ds_unidade_potencia", "unit " + d.powerUnit + " is not in Unidade_Potencia.xml");

    if ((d.inertiaUnit == "kgm²" && d.inertiaFactor != 1) || (d.inertiaUnit == "Lb.ft²" && d.inertiaFactor != 23.73))
        missing("inercia_multiplicador", show(d.inertiaFactor) + " does not convert kgm² to " + d.inertiaUnit);
    if (d.inertiaFactor <= 0)
        missing("inercia_multiplicador", "must be above 0");

    const DataFile& altitudes = installation.xml("Altitude.xml");
    if (altitudes.loaded()) {
        const pugi::xml_node unit = altitudes.root().child(d.altitudeUnit.c_str());
        if (!unit)
            missing("ds_unidade_altitude", "unit " + d.altitudeUnit + " is not a unit of Altitude.xml");
        else if (!contains(wholes(unit, "vl_altitude"), d.altitude))
            missing("vl_altitude", std::to_string(d.altitude) + " is not in the " + d.altitudeUnit +
                                       " list of Altitude.xml");
    }

    // Only the last character of the unit counts: the offered unit is "° " + it.
    const DataFile& temperatures = installation.xml("Temperatura.xml");
    const std::string unitLetter = rightChars(d.temperatureUnit, 1);
    if (temperatures.loaded()) {
        const pugi::xml_node unit = temperatures.root().child(unitLetter.c_str());
        if (unitLetter.empty() || !unit)
            missing("ds_unidade_temperatura", "unit \"" + unitLetter + "\" (its last character) is not a unit of "
                                              "Temperatura.xml");
        else if (!contains(wholes(unit, "vl_temperatura"), d.temperature))
            missing("vl_temperatura_ambiente", std::to_string(d.temperature) + " is not in the " + unitLetter +
                                                   " list of Temperatura.xml");
    }

    const DataFile& drops = installation.xml("Queda_Tensao_Partida.xml");
    if (drops.loaded()) {
        bool offered = false;
        for (const std::string& shown : texts(drops.root(), "ds_queda_tensao"))
            offered = offered || parseLeadingReal(shown) == d.voltageDrop;
        if (!offered)
            missing("queda_tensao", show(d.voltageDrop) + " % is not a ds_queda_tensao of Queda_Tensao_Partida.xml");
    }
}

} // namespace

void checkMarkets(const Installation& installation, Report& report)
{
    const Reader languages(installation, "Idioma_Mercado.xml", report);
    if (!languages.loaded())
        return; // nothing else can be checked per language; reported by checkDataFiles
    checkCodedList(languages, languages.root(), "languages");
    for (const pugi::xml_node language : DataFile::children(languages.root()))
        checkCodedList(languages, language, "markets");

    const Reader preferred(installation, "Padrao_Idioma.xml", report);
    if (preferred.loaded()) {
        for (const std::string& language : installation.languages()) {
            const pugi::xml_node element = preferred.require(preferred.root(), language, "default market");
            if (!element)
                continue;
            const auto market = preferred.text(element, "cd_mercado");
            if (market && !contains(installation.marketsOf(language), *market))
                preferred.problem(element, "market " + *market + " is not offered to " + language +
                                               " in Idioma_Mercado.xml", "cd_mercado");
        }
    }

    const Reader defaults(installation, "Padrao_Mercado.xml", report);
    if (!defaults.loaded())
        return;
    for (const std::string& market : installation.allMarkets()) {
        const pugi::xml_node element = defaults.require(defaults.root(), market, "a market of Idioma_Mercado.xml");
        if (!element)
            continue;
        if (const auto d = readDefaults(defaults, element)) {
            checkStandardKnown(installation, report, *d);
            checkDefaultsInLists(installation, defaults, element, *d);
        }
    }
}

} // namespace pelgo::datacheck
