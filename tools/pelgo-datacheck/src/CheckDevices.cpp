#include "Checks.h"
#include "Reader.h"

#include "pelgo/Numbers.h"

#include <set>

namespace pelgo::datacheck {

namespace {

const int kFamilies[] = {3, 4, 5, 6}; // 6 is the Tarvo06 line

// Name of a model's entry in Potencia_Dissipada.xml: family, "_" and the rated
// current as a whole number of four digits.
std::string dissipationName(int family, double current)
{
    std::string amps = std::to_string(toInt16(current));
    if (amps.size() < 4)
        amps.insert(0, 4 - amps.size(), '0');
    return "tarvo0" + std::to_string(family) + "_" + amps;
}

class DeviceCheck {
public:
    DeviceCheck(const Installation& installation, Report& report)
        : devices_(installation, "Tarvo.xml", report), dissipation_(installation, "Potencia_Dissipada.xml", report),
          controlVoltages_(wholeList(installation, "Tensao_Comando.xml", "vl_tensao")),
          supplyVoltages_(wholeList(installation, "Tensao_Nominal.xml", "vl_tensao"))
    {
    }

    void run()
    {
        if (!devices_.loaded())
            return;
        for (const long control : controlVoltages_) {
            const pugi::xml_node voltage = devices_.require(devices_.root(), "vltc" + std::to_string(control),
                                                            "command voltage of Tensao_Comando.xml");
            if (!voltage)
                continue;
            for (const int family : kFamilies)
                if (const pugi::xml_node models = devices_.require(voltage, "nr" + std::to_string(family), "device family"))
                    supplies(family, models);
        }
    }

private:
    void supplies(int family, pugi::xml_node familyElement)
    {
        // Family 3 is where every search ends, and the Tarvo06 lookup has no
        // fallback: both need every supply voltage.
        if (family == 3 || family == 6)
            for (const long supply : supplyVoltages_)
                devices_.require(familyElement, "vlta" + std::to_string(supply),
                                 "supply voltage of Tensao_Nominal.xml");
        for (const pugi::xml_node supply : DataFile::children(familyElement))
            models(family, supply);
    }

    void models(int family, pugi::xml_node supply)
    {
        double previous = 0;
        for (const pugi::xml_node model : DataFile::children(supply)) {
            const std::string_view name = model.name();
            const std::string amps(name.size() > 3 ? name.substr(3) : std::string_view());
            if (!isPlainNumber(amps) || parseLeadingReal(amps) <= 0 || parseLeadingReal(amps) > 10000) {
                devices_.problem(model, "the rated current (the name from its fourth character on) is not a "
                                        "current in A");
                continue;
            }
            const double current = parseLeadingReal(amps);
            if (current <= previous)
                devices_.problem(model, "models are not in ascending current (" + show(current) + " A after " +
                                            show(previous) + " A)");
            previous = current;
            attributes(model);
            dissipated(family, model, current);
        }
    }

    void attributes(pugi::xml_node model)
    {
        if (const auto designation = devices_.text(model, "ds_modelo"); designation && designation->empty())
            devices_.problem(model, "is empty", "ds_modelo");
        for (const char* size : {"vl_altura", "vl_largura", "vl_profundidade"})
            if (const auto mm = devices_.real(model, size); mm && (*mm < 10 || *mm > 5000))
                devices_.problem(model, show(*mm) + " mm is not a plausible size (10 to 5000 mm)", size);
        if (const auto kg = devices_.real(model, "vl_peso"); kg && (*kg <= 0 || *kg > 2000))
            devices_.problem(model, show(*kg) + " kg is not a plausible weight (above 0, at most 2000 kg)", "vl_peso");
    }

    void dissipated(int family, pugi::xml_node model, double current)
    {
        if (!dissipation_.loaded())
            return;
        const std::string name = dissipationName(family, current);
        if (!reported_.insert(name).second)
            return;
        const pugi::xml_node entry =
            dissipation_.require(dissipation_.root(), name, "model of Tarvo.xml " + pathOf(model));
        if (!entry)
            return;
        const auto watts = dissipation_.real(entry, "potencia_dissipada");
        if (watts && (*watts <= 0 || *watts > 30 * current + 500))
            dissipation_.problem(entry, show(*watts) + " W is not plausible for a " + show(current) + " A model",
                                 "potencia_dissipada");
    }

    Reader devices_;
    Reader dissipation_;
    std::vector<long> controlVoltages_;
    std::vector<long> supplyVoltages_;
    std::set<std::string> reported_;
};

} // namespace

void checkDeviceCatalogue(const Installation& installation, Report& report)
{
    DeviceCheck(installation, report).run();
}

} // namespace pelgo::datacheck
