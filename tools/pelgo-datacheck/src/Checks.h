#pragma once

// The checks of an installation's data set, one per data area. Each reads the
// folder through an Installation and adds one line per problem to the Report;
// none of them stops at the first problem.

#include "Installation.h"
#include "Report.h"

#include <optional>
#include <string>
#include <vector>

namespace pelgo::datacheck {

// Every data file the library reads exists and is well formed; no list holds
// text between its entries.
void checkDataFiles(const Installation& installation, Report& report);

// Idioma_Mercado.xml, Padrao_Idioma.xml and Padrao_Mercado.xml: every market has
// its defaults, a known standard, and defaults that its lists offer.
void checkMarkets(const Installation& installation, Report& report);

// The text catalogue has every language, and every text of one language exists
// in the others.
void checkTextCatalogue(const Installation& installation, Report& report);

// Motor lines, powers, motor table, frames and the fallback motor lists.
void checkMotorCatalogue(const Installation& installation, Report& report);

// Load types and the lists of step 4.
void checkLoadTypes(const Installation& installation, Report& report);

// Altitude and temperature lists, their derating elements, voltage drops,
// command voltages and motor connections.
void checkAmbient(const Installation& installation, Report& report);

// The device catalogue Tarvo.xml and its dissipated powers.
void checkDeviceCatalogue(const Installation& installation, Report& report);

// Classe_Termica.xml.
void checkThermalClasses(const Installation& installation, Report& report);

// Help pages for every language, and the pictures the texts and the report name.
void checkHelpPages(const Installation& installation, Report& report);
void checkPictures(const Installation& installation, Report& report);

// Runs every library class's Inicia for every language and market against the
// folder and reports each data error it raises.
void checkClassRuns(const Installation& installation, Report& report);

// All of the above, in that order.
void checkAll(const Installation& installation, Report& report);

// --- Shared readings of the lists (invalid entries are skipped here; their own
// check reports them).

// The whole-number attribute of every child of the document element.
std::vector<long> wholeList(const Installation& installation, const std::string& file,
                            const std::string& attribute);

// The product code of a motor line element of Produto_Idioma.xml (its name from
// the third character on); nullopt when that is not a whole number.
std::optional<long> lineCode(pugi::xml_node line);

// Altitude in metres as step 5 stores it from a value of the given unit
// element of Altitude.xml; nullopt on 16-bit overflow.
std::optional<long> storedAltitude(long value, const std::string& unit);
// Temperature in degrees Celsius as step 5 stores it from a value of the given
// unit element ("F" is Fahrenheit, any other Celsius); nullopt on 16-bit overflow.
std::optional<long> storedTemperature(long value, const std::string& unit);

// Every altitude (m) and temperature (°C) step 5 can store from the lists.
std::vector<long> storableAltitudes(const Installation& installation);
std::vector<long> storableTemperatures(const Installation& installation);

} // namespace pelgo::datacheck
