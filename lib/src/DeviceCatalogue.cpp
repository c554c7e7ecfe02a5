#include "pelgo/DeviceCatalogue.h"

#include "pelgo/Numbers.h"
#include "pelgo/Text.h"

namespace pelgo {

namespace {

// A whole-number data value (dimensions, currents used as keys); a value out
// of the 16-bit range is a fault of the file, not of the caller.
std::int16_t wholeNumber(const DataFile& file, double value, const std::string& what)
{
    try {
        return toInt16(value);
    } catch (const OverflowError&) {
        throw file.error(what + " is out of the 16-bit range");
    }
}

std::string withNumber(const char* prefix, std::int16_t value)
{
    return prefix + std::to_string(value);
}

} // namespace

std::optional<DeviceModel> firstRatedAtLeast(const std::vector<DeviceModel>& models, double current)
{
    for (const DeviceModel& model : models)
        if (model.current >= current)
            return model;
    return std::nullopt;
}

DeviceCatalogue::DeviceCatalogue(std::int16_t controlVoltage, std::int16_t supplyVoltage)
    : file_(kFile)
    , supplyVoltage_(supplyVoltage)
{
    controlVoltage_ = file_.require(withNumber("vltc", controlVoltage));
}

std::string DeviceCatalogue::supplyName() const
{
    return withNumber("vlta", supplyVoltage_);
}

pugi::xml_node DeviceCatalogue::familyElement(std::int16_t number) const
{
    return file_.require(controlVoltage_, withNumber("nr", number));
}

std::optional<std::vector<DeviceModel>> DeviceCatalogue::family(std::int16_t number) const
{
    const pugi::xml_node family = familyElement(number);
    if (DataFile::children(family).empty())
        return std::nullopt;
    const pugi::xml_node supply = DataFile::find(family, supplyName());
    if (!supply)
        return std::nullopt;
    return models(supply);
}

std::vector<DeviceModel> DeviceCatalogue::tarvo06() const
{
    const pugi::xml_node line = familyElement(kTarvo06);
    return models(file_.require(line, supplyName()));
}

std::vector<DeviceModel> DeviceCatalogue::models(pugi::xml_node supplyElement) const
{
    std::vector<DeviceModel> list;
    for (pugi::xml_node element : DataFile::children(supplyElement)) {
        const std::string name = element.name();
        const std::string where = std::string("element ") + name;
        DeviceModel model;
        model.current = parseLeadingReal(name.size() > 3 ? std::string_view(name).substr(3) : std::string_view());
        wholeNumber(file_, model.current, "the rated current in the name of " + where); // a key of the power table
        model.designation = file_.text(element, "ds_modelo");
        model.height = wholeNumber(file_, file_.real(element, "vl_altura"), "vl_altura of " + where);
        model.width = wholeNumber(file_, file_.real(element, "vl_largura"), "vl_largura of " + where);
        model.depth = wholeNumber(file_, file_.real(element, "vl_profundidade"), "vl_profundidade of " + where);
        model.weight = file_.real(element, "vl_peso");
        list.push_back(std::move(model));
    }
    return list;
}

double deratingFactor(std::int16_t altitudeMetres, std::int16_t temperatureC)
{
    const DataFile file("Altitude_Temperatura.xml");
    const pugi::xml_node altitude = file.require(withNumber("vl", altitudeMetres));
    const pugi::xml_node temperature = file.require(altitude, withNumber("vl", temperatureC));
    const double factor = file.real(temperature, "vl_temp_alt");
    if (!(factor > 0))
        throw file.error(std::string("attribute vl_temp_alt of element ") + temperature.name() + " below element "
                         + altitude.name() + " must be above 0");
    return factor;
}

std::optional<double> temperatureFactor(std::int16_t temperatureC)
{
    const DataFile file("Fator_Temperatura.xml");
    if (!file.loaded())
        return std::nullopt;
    return file.real(file.require(withNumber("temp", temperatureC)), "fator");
}

DissipatedPowerTable::DissipatedPowerTable()
    : file_("Potencia_Dissipada.xml")
{
}

std::optional<double> DissipatedPowerTable::watts(const std::string& elementName) const
{
    if (!file_.loaded())
        return std::nullopt;
    const pugi::xml_node element = file_.find(elementName);
    if (!element)
        return std::nullopt;
    return file_.real(element, "potencia_dissipada");
}

std::string dissipatedPowerName(std::int16_t number, std::int16_t current)
{
    return withNumber("tarvo0", number) + "_" + CompletaZeros(std::to_string(current), 4);
}

std::string CompletaZeros(const std::string& texto, std::int16_t width)
{
    const std::size_t length = charCount(texto);
    if (width <= 0 || length >= static_cast<std::size_t>(width))
        return texto;
    return std::string(static_cast<std::size_t>(width) - length, '0') + texto;
}

} // namespace pelgo
