#pragma once

// The device data files read by the dimensioning engine:
// - Tarvo.xml, the soft-starter catalogue: control voltage ("vltc" + V) >
//   family ("nr3", "nr4", "nr5" and the Tarvo06 line "nr6") > supply voltage
//   ("vlta" + V) > models in ascending order of rated current, each named by a
//   three-character prefix followed by its current in A;
// - Altitude_Temperatura.xml, the derating factor by altitude and temperature;
// - Fator_Temperatura.xml, the Tarvo06 reference-current multiplier above 40 C;
// - Potencia_Dissipada.xml, the power each model dissipates.
// Every missing element the rules need is a DataError naming the file and the
// element; a catalogue that does not load is a DataError too.

#include "pelgo/DataFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelgo {

struct DeviceModel {
    std::string designation; // ds_modelo
    double current = 0;      // rated current, A (from the element name)
    std::int16_t height = 0;
    std::int16_t width = 0;
    std::int16_t depth = 0;
    double weight = 0;
};

// The first model rated at least `current`, in catalogue order; none when no
// model qualifies.
std::optional<DeviceModel> firstRatedAtLeast(const std::vector<DeviceModel>& models, double current);

// Tarvo.xml for one control voltage and one supply voltage.
class DeviceCatalogue {
public:
    static constexpr const char* kFile = "Tarvo.xml";
    static constexpr std::int16_t kTarvo06 = 6;

    // Loads the catalogue and takes the control-voltage element; DataError
    // when the file does not load or the control voltage is missing.
    DeviceCatalogue(std::int16_t controlVoltage, std::int16_t supplyVoltage);

    // The models of family `number` (3, 4 or 5) for the supply voltage; none
    // when the family element is empty or holds no element for that voltage.
    // DataError when the family element itself is missing.
    std::optional<std::vector<DeviceModel>> family(std::int16_t number) const;

    // The models of the Tarvo06 line for the supply voltage; DataError when the
    // line or its supply-voltage element is missing.
    std::vector<DeviceModel> tarvo06() const;

private:
    pugi::xml_node familyElement(std::int16_t number) const;
    std::vector<DeviceModel> models(pugi::xml_node supplyElement) const;
    std::string supplyName() const;

    DataFile file_;
    pugi::xml_node controlVoltage_;
    std::int16_t supplyVoltage_;
};

// Derating factor Fat for an altitude (m) and an ambient temperature (C) from
// Altitude_Temperatura.xml. Reference currents are divided by it, so a factor
// that is not above 0 is a DataError as well as a missing element.
double deratingFactor(std::int16_t altitudeMetres, std::int16_t temperatureC);

// Multiplier of the Tarvo06 reference current for a temperature (C) from
// Fator_Temperatura.xml; none when the file does not load, DataError when it
// loads without an element for the temperature.
std::optional<double> temperatureFactor(std::int16_t temperatureC);

// Power dissipated by a model, W, from Potencia_Dissipada.xml, keyed by the
// element name ("tarvo03_0085", "tarvo06_0110"); none when the file does not
// load or holds no such element.
class DissipatedPowerTable {
public:
    DissipatedPowerTable();
    bool loaded() const { return file_.loaded(); }
    std::optional<double> watts(const std::string& elementName) const;

private:
    DataFile file_;
};

// The element name of a model in Potencia_Dissipada.xml: "tarvo0" + family +
// "_" + the rated current in four digits.
std::string dissipatedPowerName(std::int16_t number, std::int16_t current);

// The text with "0" added in front until it is `width` characters long; a
// longer text is returned unchanged.
std::string CompletaZeros(const std::string& texto, std::int16_t width);

} // namespace pelgo
