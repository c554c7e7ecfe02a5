#include "Checks.h"
#include "Reader.h"

#include "pelgo/Numbers.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace pelgo::datacheck {

namespace {

// A motor line as the markets offer it: the standard, its rated frequency and
// its product code.
struct OfferedLine {
    std::string standard;
    long frequency = 0;
    long code = 0;
    bool operator<(const OfferedLine& other) const
    {
        return std::tie(standard, frequency, code) < std::tie(other.standard, other.frequency, other.code);
    }
    std::string name() const
    {
        return "line " + std::to_string(code) + " (" + standard + ", " + std::to_string(frequency) + " Hz)";
    }
};

// The lines every language and market offers, checked on the way.
std::set<OfferedLine> offeredLines(const Installation& installation, Report& report)
{
    std::set<OfferedLine> lines;
    const Reader products(installation, "Produto_Idioma.xml", report);
    if (!products.loaded())
        return lines;
    for (const std::string& language : installation.languages()) {
        for (const std::string& market : installation.marketsOf(language)) {
            const auto standard = installation.standardOf(market);
            if (!standard)
                continue; // reported by the markets check
            const pugi::xml_node standardElement = DataFile::find(products.root(), *standard);
            if (!standardElement)
                continue; // reported by the markets check
            const pugi::xml_node languageElement =
                products.require(standardElement, language, "a language of Idioma_Mercado.xml");
            const pugi::xml_node marketElement =
                products.require(languageElement, market, "market " + market + " offered to " + language);
            for (const pugi::xml_node line : products.list(marketElement, "motor lines")) {
                const auto code = lineCode(line);
                if (!code || *code < 0 || *code > 32767)
                    products.problem(line, "the product code (the name from its third character on) is not a "
                                           "whole number");
                products.text(line, "ds_produto_idioma");
                const auto frequency = products.whole(line, "cd_frequencia", 1, 32767);
                if (frequency && *frequency != 50 && *frequency != 60)
                    products.problem(line, std::to_string(*frequency) + " Hz is not a mains frequency",
                                     "cd_frequencia");
                if (code && frequency)
                    lines.insert({*standard, *frequency, *code});
            }
        }
    }
    return lines;
}

// Powers of a line for one number of poles, in kW; reports what the step-1
// powers list cannot show.
std::vector<double> offeredPowers(const Reader& powers, pugi::xml_node line, long poles,
                                  const std::vector<std::string>& unitTypes, const OfferedLine& offered)
{
    std::vector<double> kilowatts;
    const pugi::xml_node list = DataFile::find(line, "VL" + std::to_string(poles));
    if (!list) {
        powers.problem(line, "missing element VL" + std::to_string(poles) + ": " + offered.name() +
                                 " offers no power for " + std::to_string(poles) + " poles");
        return kilowatts;
    }
    double previous = 0;
    for (const pugi::xml_node power : powers.list(list, "powers")) {
        for (const std::string& type : unitTypes)
            if (const auto value = powers.real(power, type); value && *value <= 0)
                powers.problem(power, "must be above 0", type);
        const auto kw = powers.real(power, "vl_potencia_kw");
        powers.real(power, "vl_potencia_cv");
        if (!kw || *kw <= 0)
            continue;
        if (*kw <= previous)
            powers.problem(power, "powers are not in ascending order (" + show(*kw) + " kW after " +
                                      show(previous) + " kW)", "vl_potencia_kw");
        previous = *kw;
        kilowatts.push_back(*kw);
    }
    return kilowatts;
}

void checkNode(const Reader& table, pugi::xml_node node)
{
    auto inRange = [&](const char* attribute, double low, double high, bool lowIncluded) {
        const auto value = table.real(node, attribute);
        if (value && (*value > high || *value < low || (!lowIncluded && *value == low)))
            table.problem(node, show(*value) + " is outside " + (lowIncluded ? "" : "above ") + show(low) + " to " +
                                    show(high), attribute);
    };
    inRange("fa_potencia_100_carga", 0, 1, false);
    inRange("vl_rendimento_100_carga", 0, 100, false);
    inRange("vl_tempo_rotor_bloq_quente", 0, 300, false);
    inRange("vl_momento_inercia", 0, 1000, false);
    inRange("vl_cmax_cn", 0, 10, false);
    inRange("vl_cp_cn", 0, 10, false);
    inRange("vl_ipin", 1, 20, false);
    if (const auto frame = table.text(node, "ds_carcaca"); frame && frame->empty())
        table.problem(node, "is empty", "ds_carcaca");
    table.whole(node, "vl_rotacao_nominal", 1, 32767);
}

class MotorTableWalk {
public:
    MotorTableWalk(const Installation& installation, Report& report)
        : powers_(installation, "Potencia_Nominal.xml", report),
          table_(installation, "Dados_Motor.xml", report),
          frames_(installation, "Carcaca_Complement.xml", report),
          installation_(installation)
    {
        for (const pugi::xml_node unit : DataFile::children(installation.xml("Unidade_Potencia.xml").root()))
            if (const pugi::xml_attribute type = unit.attribute("tipo"))
                unitTypes_.emplace_back(type.value());
        poles_ = wholeList(installation, "Nr_Polos.xml", "nr_polos");
    }

    void line(const OfferedLine& offered)
    {
        const pugi::xml_node standard = DataFile::find(powers_.root(), offered.standard);
        if (!powers_.loaded() || !standard)
            return;
        const pugi::xml_node frequency =
            powers_.require(standard, "vlFrequencia" + std::to_string(offered.frequency), offered.name());
        const pugi::xml_node line = powers_.require(frequency, "CD" + std::to_string(offered.code), offered.name());
        if (!line)
            return;
        for (const long poles : poles_)
            motorTable(offered, poles, offeredPowers(powers_, line, poles, unitTypes_, offered));
    }

private:
    void motorTable(const OfferedLine& offered, long poles, const std::vector<double>& kilowatts)
    {
        if (!table_.loaded())
            return;
        const pugi::xml_node frequency =
            table_.require(table_.root(), "vl" + std::to_string(offered.frequency), offered.name());
        if (!frequency)
            return;
        const pugi::xml_node categories =
            DataFile::find(installation_.xml("Categoria_Norma.xml").root(), offered.standard);
        for (const pugi::xml_node categoryEntry : DataFile::children(categories)) {
            const std::string category = categoryEntry.attribute("cd_categoria").value();
            const pugi::xml_node categoryElement =
                table_.require(frequency, category, "category of " + offered.standard + " in Categoria_Norma.xml");
            if (!categoryElement)
                continue;
            const pugi::xml_node product = DataFile::find(categoryElement, "cd" + std::to_string(offered.code));
            if (!product) {
                if (!kilowatts.empty())
                    table_.note(categoryElement, "no element cd" + std::to_string(offered.code) + ": every power of " +
                                                     offered.name() + " is estimated");
                continue;
            }
            const pugi::xml_node polesElement = table_.require(product, "vl" + std::to_string(poles),
                                                               std::to_string(poles) + " poles of Nr_Polos.xml");
            if (polesElement)
                motors(offered, poles, polesElement, kilowatts);
        }
    }

    void motors(const OfferedLine& offered, long poles, pugi::xml_node polesElement,
                const std::vector<double>& kilowatts)
    {
        std::string estimated;
        for (const double kw : kilowatts) {
            const std::string name = numberElementName("vlPotencia", kw);
            const pugi::xml_node power = DataFile::find(polesElement, name);
            if (!power) {
                estimated += (estimated.empty() ? "" : ", ") + show(kw);
                continue;
            }
            const pugi::xml_node node = table_.require(power, "node");
            if (!node)
                continue;
            const auto speed = plainWhole(node.attribute("vl_rotacao_nominal").value());
            const long synchronous = 120 * offered.frequency / std::max(poles, 1L);
            if (speed && *speed >= synchronous)
                table_.problem(node, std::to_string(*speed) + " rpm is not below the synchronous speed " +
                                         std::to_string(synchronous) + " rpm", "vl_rotacao_nominal");
            frame(offered.standard, node);
        }
        if (!estimated.empty())
            table_.note(polesElement, "powers estimated (no vlPotencia element): " + estimated + " kW");
    }

    void frame(const std::string& standard, pugi::xml_node node)
    {
        const std::string frame = node.attribute("ds_carcaca").value();
        if (frame.empty() || !frames_.loaded() || !reportedFrames_.insert(standard + "/" + frame).second)
            return;
        if (const pugi::xml_node standardElement = DataFile::find(frames_.root(), standard))
            frames_.require(standardElement, "ds" + frame, "frame of Dados_Motor.xml " + pathOf(node));
    }

    Reader powers_;
    Reader table_;
    Reader frames_;
    const Installation& installation_;
    std::vector<std::string> unitTypes_;
    std::vector<long> poles_;
    std::set<std::string> reportedFrames_;
};

void checkFallbackLists(const Installation& installation, Report& report)
{
    const Reader factors(installation, "Fator_Potencia_Rendimento.xml", report);
    if (factors.loaded()) {
        factors.require(factors.root(), "senao", "values for every other number of poles");
        for (const pugi::xml_node poles : DataFile::children(factors.root())) {
            for (const char* band : {"val1", "val2", "val3"}) {
                const std::string pf = std::string("fator_potencia_") + band;
                const std::string eff = std::string("rendimento_") + band;
                if (const auto value = factors.real(poles, pf); value && (*value <= 0 || *value > 1))
                    factors.problem(poles, show(*value) + " is not a power factor", pf);
                if (const auto value = factors.real(poles, eff); value && (*value <= 0 || *value > 100))
                    factors.problem(poles, show(*value) + " is not an efficiency in %", eff);
            }
        }
    }

    const Reader service(installation, "Fator_Servico.xml", report);
    if (service.loaded()) {
        for (const pugi::xml_node factor : service.list(service.root(), "service factors")) {
            if (const auto value = service.real(factor, "fator"); value && (*value < 1 || *value > 2))
                service.problem(factor, show(*value) + " is not a service factor (1 to 2)", "fator");
            service.text(factor, "eu");
        }
    }

    const Reader frames(installation, "Carcaca_Complement.xml", report);
    for (const pugi::xml_node standard : DataFile::children(frames.root()))
        for (const pugi::xml_node frame : DataFile::children(standard))
            frames.whole(frame, "ds_carcaca_relativa_iec", 1, 32767);
}

} // namespace

std::optional<long> lineCode(pugi::xml_node line)
{
    const std::string_view name = line.name();
    if (name.size() <= 2)
        return std::nullopt;
    return plainWhole(name.substr(2));
}

void checkMotorCatalogue(const Installation& installation, Report& report)
{
    checkWholeList(Reader(installation, "Nr_Polos.xml", report), "nr_polos", "numbers of poles", 2, 64);
    checkWholeList(Reader(installation, "Tensao_Nominal.xml", report), "vl_tensao", "rated voltages", 1, 32767);

    const Reader units(installation, "Unidade_Potencia.xml", report);
    if (units.loaded()) {
        checkTextList(units, units.root(), "cd_unidade", "power units");
        checkTextList(units, units.root(), "tipo", "power units");
    }
    const Reader categories(installation, "Categoria_Norma.xml", report);
    for (const pugi::xml_node standard : DataFile::children(categories.root()))
        checkTextList(categories, standard, "cd_categoria", "design categories");

    MotorTableWalk walk(installation, report);
    for (const OfferedLine& line : offeredLines(installation, report))
        walk.line(line);

    const Reader table(installation, "Dados_Motor.xml", report);
    if (table.loaded())
        for (const pugi::xpath_node node : table.root().select_nodes("//node"))
            checkNode(table, node.node());

    checkFallbackLists(installation, report);
}

} // namespace pelgo::datacheck
