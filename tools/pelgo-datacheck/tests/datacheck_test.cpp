// Each check on the complete fixture finds nothing; on a copy of it with one
// fault, the fault is reported with its file and element.

#include "Checks.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace pelgo::datacheck;

namespace {

const std::string kComplete = std::string(PELGO_FIXTURES_DIR) + "/complete";

// A scratch copy of the complete fixture that a test may break.
class FixtureCopy {
public:
    FixtureCopy()
        : folder_(fs::temp_directory_path() / ("pelgo-datacheck-" + std::to_string(std::random_device()())))
    {
        fs::copy(kComplete, folder_, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }
    ~FixtureCopy()
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    FixtureCopy(const FixtureCopy&) = delete;
    FixtureCopy& operator=(const FixtureCopy&) = delete;

    std::string folder() const { return folder_.string(); }

    void edit(const std::string& xmlFile, const std::function<void(pugi::xml_document&)>& change) const
    {
        const std::string path = (folder_ / "XML" / xmlFile).string();
        pugi::xml_document document;
        ASSERT_TRUE(document.load_file(path.c_str())) << path;
        change(document);
        ASSERT_TRUE(document.save_file(path.c_str()));
    }
    void remove(const std::string& relativePath) const { fs::remove(folder_ / relativePath); }
    void write(const std::string& relativePath, const std::string& text) const
    {
        std::ofstream(folder_ / relativePath) << text;
    }

private:
    fs::path folder_;
};

pugi::xml_node at(pugi::xml_document& document, const char* xpath)
{
    const pugi::xml_node node = document.select_node(xpath).node();
    EXPECT_TRUE(node) << xpath;
    return node;
}

// Mutations of one XML file, written as small table entries.
using Mutation = std::function<void(const FixtureCopy&)>;

Mutation removeElement(const char* file, const char* xpath)
{
    return [=](const FixtureCopy& copy) {
        copy.edit(file, [&](pugi::xml_document& d) {
            const pugi::xml_node node = at(d, xpath);
            node.parent().remove_child(node);
        });
    };
}

Mutation setAttribute(const char* file, const char* xpath, const char* attribute, const char* value)
{
    return [=](const FixtureCopy& copy) {
        copy.edit(file, [&](pugi::xml_document& d) {
            pugi::xml_node node = at(d, xpath);
            (node.attribute(attribute) ? node.attribute(attribute) : node.append_attribute(attribute)).set_value(value);
        });
    };
}

Mutation removeAttribute(const char* file, const char* xpath, const char* attribute)
{
    return [=](const FixtureCopy& copy) {
        copy.edit(file, [&](pugi::xml_document& d) { at(d, xpath).remove_attribute(attribute); });
    };
}

Mutation removeFile(const char* relativePath)
{
    return [=](const FixtureCopy& copy) { copy.remove(relativePath); };
}

using Check = void (*)(const Installation&, Report&);

std::vector<std::string> linesOf(const std::vector<Finding>& findings)
{
    std::vector<std::string> lines;
    for (const Finding& finding : findings)
        lines.push_back(finding.line());
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "  " + line + "\n";
    return text;
}

bool anyLineHas(const std::vector<std::string>& lines, const std::string& expected)
{
    for (const std::string& line : lines)
        if (line.find(expected) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(DataCheck, CompleteFixtureHasNoDataProblem)
{
    const Installation installation(kComplete);
    for (const Check check : {checkDataFiles, checkMarkets, checkTextCatalogue, checkMotorCatalogue, checkLoadTypes,
                              checkAmbient, checkDeviceCatalogue, checkThermalClasses, checkHelpPages, checkPictures}) {
        Report report;
        check(installation, report);
        EXPECT_TRUE(report.clean()) << joined(linesOf(report.problems()));
        EXPECT_TRUE(report.notes().empty()) << joined(linesOf(report.notes()));
    }
}

struct BrokenCase {
    const char* name;
    Mutation breakIt;
    Check check;
    const char* expected; // a line that names the file, the element and the fault
};

class BrokenFixture : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenFixture, ReportsTheFaultByFileAndElement)
{
    const BrokenCase& c = GetParam();
    const FixtureCopy copy;
    c.breakIt(copy);
    Report report;
    c.check(Installation(copy.folder()), report);
    const auto lines = linesOf(report.problems());
    EXPECT_TRUE(anyLineHas(lines, c.expected)) << "expected: " << c.expected << "\ngot:\n" << joined(lines);
}

const BrokenCase kBrokenCases[] = {
    // Files
    {"MissingFile", removeFile("XML/Tarvo.xml"), checkDataFiles, "XML/Tarvo.xml: does not load: file not found"},
    {"MalformedFile", [](const FixtureCopy& c) { c.write("XML/Nr_Polos.xml", "<polos><p2 nr_polos=\"2\"></polos>"); },
     checkDataFiles, "XML/Nr_Polos.xml: does not load"},
    {"TextBetweenEntries",
     [](const FixtureCopy& c) {
         c.edit("Tensao_Nominal.xml", [](pugi::xml_document& d) { d.document_element().append_child(pugi::node_pcdata).set_value("440"); });
     },
     checkDataFiles, "XML/Tensao_Nominal.xml: tensoes: holds text \"440\""},

    // Markets
    {"MarketWithoutDefaults", removeElement("Padrao_Mercado.xml", "/*/BR"), checkMarkets,
     "XML/Padrao_Mercado.xml: mercados: missing element BR"},
    {"DefaultAttributeMissing", removeAttribute("Padrao_Mercado.xml", "/*/U", "vl_altitude"), checkMarkets,
     "XML/Padrao_Mercado.xml: U @vl_altitude: missing attribute"},
    {"DefaultNotWhole", setAttribute("Padrao_Mercado.xml", "/*/BR", "vl_tensao", "380.5"), checkMarkets,
     "XML/Padrao_Mercado.xml: BR @vl_tensao: \"380.5\" is not a whole number"},
    {"UnknownStandard", setAttribute("Padrao_Mercado.xml", "/*/BR", "ds_norma", "ABNT"), checkMarkets,
     "XML/Categoria_Norma.xml: categorias: missing element ABNT (standard of market BR"},
    {"DefaultLanguageMarketNotOffered", setAttribute("Padrao_Idioma.xml", "/*/ENG", "cd_mercado", "IEC"),
     checkMarkets, "XML/Padrao_Idioma.xml: ENG @cd_mercado: market IEC is not offered to ENG"},
    {"DefaultLineNotOffered", setAttribute("Padrao_Mercado.xml", "/*/U", "cd_linha", "302"), checkMarkets,
     "XML/Padrao_Mercado.xml: U @cd_linha: line 302 is not among the lines of Produto_Idioma.xml NEMA/POR/U"},
    {"DefaultPolesNotInList", setAttribute("Padrao_Mercado.xml", "/*/BR", "polaridade", "6"), checkMarkets,
     "XML/Padrao_Mercado.xml: BR @polaridade: 6 poles are not in Nr_Polos.xml"},
    {"DefaultCategoryNotInList", setAttribute("Padrao_Mercado.xml", "/*/U", "categoria", "N"), checkMarkets,
     "U @categoria: category N is not in Categoria_Norma.xml NEMA"},
    {"DefaultVoltageNotInList", setAttribute("Padrao_Mercado.xml", "/*/BR", "vl_tensao", "400"), checkMarkets,
     "BR @vl_tensao: 400 V is not in Tensao_Nominal.xml"},
    {"DefaultUnitNotInList", setAttribute("Padrao_Mercado.xml", "/*/BR", "ds_unidade_potencia", "hp"),
     checkMarkets, "BR @ds_unidade_potencia: unit hp is not in Unidade_Potencia.xml"},
    {"DefaultAltitudeNotInList", setAttribute("Padrao_Mercado.xml", "/*/U", "vl_altitude", "3281"), checkMarkets,
     "U @vl_altitude: 3281 is not in the ft list of Altitude.xml"},
    {"DefaultTemperatureUnitUnknown", setAttribute("Padrao_Mercado.xml", "/*/U", "ds_unidade_temperatura", "K"),
     checkMarkets, "U @ds_unidade_temperatura: unit \"K\" (its last character) is not a unit of Temperatura.xml"},
    {"DefaultTemperatureNotInList", setAttribute("Padrao_Mercado.xml", "/*/BR", "vl_temperatura_ambiente", "35"),
     checkMarkets, "BR @vl_temperatura_ambiente: 35 is not in the C list of Temperatura.xml"},
    {"DefaultVoltageDropNotInList", setAttribute("Padrao_Mercado.xml", "/*/BR", "queda_tensao", "7"), checkMarkets,
     "BR @queda_tensao: 7 % is not a ds_queda_tensao of Queda_Tensao_Partida.xml"},

    // Texts
    {"TextMissingInOneLanguage", removeElement("Textos_pagina_pelgo.xml", "/*/ENG/ETAPA5/STANDARD"),
     checkTextCatalogue, "XML/Textos_pagina_pelgo.xml: ENG/ETAPA5: missing text STANDARD (present in POR)"},
    {"SectionMissingInOneLanguage", removeElement("Textos_pagina_pelgo.xml", "/*/POR/ABERTURA"), checkTextCatalogue,
     "XML/Textos_pagina_pelgo.xml: POR: missing section ABERTURA (present in ENG)"},
    {"LanguageMissing", removeElement("Textos_pagina_pelgo.xml", "/*/ENG"), checkTextCatalogue,
     "XML/Textos_pagina_pelgo.xml: textos: missing element ENG"},

    // Motors
    {"LineWithoutPowersForPoles", removeElement("Potencia_Nominal.xml", "/*/NBR/vlFrequencia60/CD101/VL2"),
     checkMotorCatalogue,
     "XML/Potencia_Nominal.xml: NBR/vlFrequencia60/CD101: missing element VL2: line 101 (NBR, 60 Hz) offers no power"},
    {"LineWithoutPowerTable", removeElement("Potencia_Nominal.xml", "/*/NEMA/vlFrequencia60/CD301"),
     checkMotorCatalogue, "XML/Potencia_Nominal.xml: NEMA/vlFrequencia60: missing element CD301"},
    {"MarketWithoutLines", removeElement("Produto_Idioma.xml", "/*/NEMA/ENG/U"), checkMotorCatalogue,
     "XML/Produto_Idioma.xml: NEMA/ENG: missing element U"},
    {"PowerWithoutKilowatts", removeAttribute("Potencia_Nominal.xml", "/*/NBR/vlFrequencia60/CD101/VL4/p2",
                                              "vl_potencia_kw"),
     checkMotorCatalogue, "XML/Potencia_Nominal.xml: NBR/vlFrequencia60/CD101/VL4/p2 @vl_potencia_kw: missing"},
    {"PowerWithoutUnitType", removeAttribute("Potencia_Nominal.xml", "/*/NBR/vlFrequencia60/CD101/VL4/p2",
                                             "vl_potencia_hp"),
     checkMotorCatalogue, "CD101/VL4/p2 @vl_potencia_hp: missing attribute"},
    {"PowersDescending", setAttribute("Potencia_Nominal.xml", "/*/NBR/vlFrequencia60/CD101/VL4/p2", "vl_potencia_kw",
                                      "0.55"),
     checkMotorCatalogue, "VL4/p2 @vl_potencia_kw: powers are not in ascending order"},
    {"FrequencyWithoutCategory", removeElement("Dados_Motor.xml", "/*/vl60/B"), checkMotorCatalogue,
     "XML/Dados_Motor.xml: vl60: missing element B (category of NEMA in Categoria_Norma.xml)"},
    {"ProductWithoutPoles", removeElement("Dados_Motor.xml", "/*/vl60/N/cd101/vl2"), checkMotorCatalogue,
     "XML/Dados_Motor.xml: vl60/N/cd101: missing element vl2 (2 poles of Nr_Polos.xml)"},
    {"FrameWithoutComplement", setAttribute("Dados_Motor.xml", "/*/vl60/N/cd101/vl4/vlPotencia7_5/node", "ds_carcaca",
                                            "90L"),
     checkMotorCatalogue, "XML/Carcaca_Complement.xml: NBR: missing element ds90L (frame of Dados_Motor.xml"},
    {"SpeedAboveSynchronous", setAttribute("Dados_Motor.xml", "/*/vl60/N/cd101/vl4/vlPotencia7_5/node",
                                           "vl_rotacao_nominal", "1800"),
     checkMotorCatalogue, "vl4/vlPotencia7_5/node @vl_rotacao_nominal: 1800 rpm is not below the synchronous speed"},
    {"ZeroLockedRotorCurrent", setAttribute("Dados_Motor.xml", "/*/vl60/B/cd301/vl2/vlPotencia7_5/node", "vl_ipin", "0"),
     checkMotorCatalogue, "XML/Dados_Motor.xml: vl60/B/cd301/vl2/vlPotencia7_5/node @vl_ipin: 0 is outside"},
    {"FallbackWithoutOtherPoles", removeElement("Fator_Potencia_Rendimento.xml", "/*/senao"), checkMotorCatalogue,
     "XML/Fator_Potencia_Rendimento.xml: fatores: missing element senao"},
    {"FrameHeightNotWhole", setAttribute("Carcaca_Complement.xml", "/*/NBR/ds80M", "ds_carcaca_relativa_iec", "80.5"),
     checkMotorCatalogue, "XML/Carcaca_Complement.xml: NBR/ds80M @ds_carcaca_relativa_iec: \"80.5\" is not a whole"},

    // Load types
    {"CurveOutsideBand", setAttribute("Carga.xml", "/*/ENG/CA1", "TA_C10", "40"), checkLoadTypes,
     "XML/Carga.xml: ENG/CA1: torque 40 at 10 % speed is outside its band -4 to 16"},
    {"CurveNotWhole", setAttribute("Carga.xml", "/*/POR/CA24", "TA_Cmax50", "37.5"), checkLoadTypes,
     "XML/Carga.xml: POR/CA24 @TA_Cmax50: \"37.5\" is not a whole number"},
    {"InertiaDefaultAboveMaximum", setAttribute("Carga.xml", "/*/POR/CA1", "ta_inercia_padrao", "6"), checkLoadTypes,
     "XML/Carga.xml: POR/CA1: inertia default 6 is not within minimum 0.5 and maximum 5"},
    {"LoadCodeTwice",
     [](const FixtureCopy& c) {
         c.edit("Carga.xml", [](pugi::xml_document& d) { at(d, "/*/ENG/CA24").set_name("CA1"); });
     },
     checkLoadTypes, "XML/Carga.xml: ENG/CA1: load code 1 is used twice"},
    {"LoadMissingInOneLanguage", removeElement("Carga.xml", "/*/ENG/CA24"), checkLoadTypes,
     "XML/Carga.xml: ENG: load code 24 of POR is missing"},
    {"StartsPerHourNotOffered", setAttribute("Carga.xml", "/*/POR/CA1", "nr_partidashora", "3"), checkLoadTypes,
     "XML/Carga.xml: POR/CA1 @nr_partidashora: 3 is not in Numero_Partidas_Hora.xml"},
    {"RelativeInertiaUnitNotLast", removeElement("Unidade_Inercia_Eixo_Motor.xml", "/*/POR/u3"), checkLoadTypes,
     "XML/Unidade_Inercia_Eixo_Motor.xml: POR/u2 @ds_unidade: the last unit is selected by default"},
    {"IntervalUnitUnconvertible", setAttribute("Intervalo_Partidas.xml", "/*/min", "vl_segundos", "3600"),
     checkLoadTypes, "XML/Intervalo_Partidas.xml: min @vl_segundos: 3600 s is neither a second nor a minute"},

    // Ambient
    {"UnitListsNotParallel", removeElement("Temperatura.xml", "/*/F/t1"), checkAmbient,
     "XML/Temperatura.xml: F: holds 1 values, C holds 2; the lists must be parallel"},
    {"StoredAltitudeWithoutDerating", removeElement("Altitude_Temperatura.xml", "/*/vl1006"), checkAmbient,
     "XML/Altitude_Temperatura.xml: derating: missing element vl1006 (altitude of 1006 m that step 5 can store)"},
    {"StoredTemperatureWithoutDerating", removeElement("Altitude_Temperatura.xml", "/*/vl1000/vl45"), checkAmbient,
     "XML/Altitude_Temperatura.xml: vl1000: missing element vl45 (temperature of 45 °C that step 5 can store)"},
    {"HotTemperatureWithoutFactor", removeElement("Fator_Temperatura.xml", "/*/temp45"), checkAmbient,
     "XML/Fator_Temperatura.xml: fatores: missing element temp45"},
    {"DeratingFactorZero", setAttribute("Altitude_Temperatura.xml", "/*/vl0/vl40", "vl_temp_alt", "0"), checkAmbient,
     "XML/Altitude_Temperatura.xml: vl0/vl40 @vl_temp_alt: 0 is not a derating factor"},
    {"ConnectionWithoutName", removeElement("Textos_pagina_pelgo.xml", "/*/ENG/ETAPA5/TRIANGULO"), checkAmbient,
     "XML/Textos_pagina_pelgo.xml: ENG/ETAPA5: missing element TRIANGULO (name of a motor connection"},
    {"VoltageDropWithoutNumber", setAttribute("Queda_Tensao_Partida.xml", "/*/q5", "ds_queda_tensao", "five"),
     checkAmbient, "XML/Queda_Tensao_Partida.xml: q5 @ds_queda_tensao: \"five\" does not start with a number"},

    // Device catalogue
    {"CommandVoltageWithoutDevices", setAttribute("Tensao_Comando.xml", "/*/t220", "vl_tensao", "110"),
     checkDeviceCatalogue, "XML/Tarvo.xml: tarvo: missing element vltc110 (command voltage of Tensao_Comando.xml)"},
    {"FamilyMissing", removeElement("Tarvo.xml", "/*/vltc220/nr5"), checkDeviceCatalogue,
     "XML/Tarvo.xml: vltc220: missing element nr5 (device family)"},
    {"Tarvo06WithoutSupplyVoltage", removeElement("Tarvo.xml", "/*/vltc220/nr6/vlta460"), checkDeviceCatalogue,
     "XML/Tarvo.xml: vltc220/nr6: missing element vlta460 (supply voltage of Tensao_Nominal.xml)"},
    {"ModelsDescending",
     [](const FixtureCopy& c) {
         c.edit("Tarvo.xml", [](pugi::xml_document& d) { at(d, "/*/vltc220/nr3/vlta380/md_60").set_name("md_20"); });
     },
     checkDeviceCatalogue, "XML/Tarvo.xml: vltc220/nr3/vlta380/md_20: models are not in ascending current"},
    {"ModelWithoutDissipatedPower", removeElement("Potencia_Dissipada.xml", "/*/tarvo03_0060"), checkDeviceCatalogue,
     "XML/Potencia_Dissipada.xml: potencias: missing element tarvo03_0060 (model of Tarvo.xml vltc220/nr3/vlta380/md_60)"},
    {"ImplausibleWeight", setAttribute("Tarvo.xml", "/*/vltc220/nr6/vlta380/md_45", "vl_peso", "0"),
     checkDeviceCatalogue, "XML/Tarvo.xml: vltc220/nr6/vlta380/md_45 @vl_peso: 0 kg is not a plausible weight"},

    // Thermal classes
    {"GapBetweenBands", setAttribute("Classe_Termica.xml", "/*/faixa2", "Min", "15"), checkThermalClasses,
     "XML/Classe_Termica.xml: faixa2 @Min: starts at 15 s, the band before ends at 10 s"},
    {"LastBandClosed", setAttribute("Classe_Termica.xml", "/*/faixa3", "Max", "60"), checkThermalClasses,
     "XML/Classe_Termica.xml: the last band ends at 60 s"},

    // Help pages and pictures
    {"HelpPageMissing", removeFile("help/Ajuda_Etapa3_ENG.htm"), checkHelpPages,
     "help/Ajuda_Etapa3_ENG.htm: missing help page"},
    {"HelpPageBrokenLink",
     [](const FixtureCopy& c) { c.write("help/Ajuda_Etapa5_POR.htm", "<img src=\"../Imagens/falta.png\">"); },
     checkHelpPages, "help/Ajuda_Etapa5_POR.htm: refers to ../Imagens/falta.png, which does not exist"},
    {"ButtonPictureMissing", removeFile("Imagens/bt_ajuda_eng.png"), checkPictures,
     "XML/Textos_pagina_pelgo.xml: ENG/BOTOES/BTAJUDA @ds_texto: names picture Imagens/bt_ajuda_eng.png, which does "
     "not exist"},
    {"ReportPictureMissing", removeFile("Imagens/spacer.gif"), checkPictures,
     "Imagens/spacer.gif: missing picture of the report"},

    // Library classes run against the folder
    {"TextAClassAsksFor", removeElement("Textos_pagina_pelgo.xml", "/*/POR/ABERTURA/COPYRIGHTCD"), checkClassRuns,
     "XML/Textos_pagina_pelgo.xml: missing text POR/ABERTURA/COPYRIGHTCD (clsAbertura.Inicia, language POR)"},
};

INSTANTIATE_TEST_SUITE_P(Faults, BrokenFixture, ::testing::ValuesIn(kBrokenCases),
                         [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

TEST(DataCheck, OnlyEstimatedMotorsAreNotesNotProblems)
{
    const FixtureCopy copy;
    removeElement("Dados_Motor.xml", "/*/vl60/N/cd101/vl2/vlPotencia7_5")(copy);
    Report report;
    checkMotorCatalogue(Installation(copy.folder()), report);
    EXPECT_TRUE(report.clean()) << joined(linesOf(report.problems()));
    EXPECT_TRUE(anyLineHas(linesOf(report.notes()),
                           "XML/Dados_Motor.xml: vl60/N/cd101/vl2: powers estimated (no vlPotencia element): 7.5 kW"))
        << joined(linesOf(report.notes()));
}

TEST(DataCheck, StoredValuesFollowTheScreenConversions)
{
    EXPECT_EQ(storedAltitude(3300, "ft"), 1006);
    EXPECT_EQ(storedAltitude(1000, "m"), 1000);
    EXPECT_EQ(storedTemperature(104, "F"), 40);
    EXPECT_EQ(storedTemperature(41, "F"), 5);
    EXPECT_EQ(storedTemperature(45, "C"), 45);
    EXPECT_EQ(storedTemperature(32000, "F"), std::nullopt); // (T - 32) × 5 overflows 16 bits
    const Installation installation(kComplete);
    EXPECT_EQ(storableAltitudes(installation), (std::vector<long>{0, 1000, 1006}));
    EXPECT_EQ(storableTemperatures(installation), (std::vector<long>{40, 45}));
}

TEST(DataCheck, ProgramPrintsOneLinePerProblemAndFailsOnAny)
{
    const fs::path output = fs::temp_directory_path() / "pelgo-datacheck-output.txt";
    const std::string command = std::string(PELGO_PROGRAM_DIR) + "/pelgo-datacheck " +
                                (fs::temp_directory_path() / "pelgo-no-such-folder").string() + " > " +
                                output.string() + " 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream in(output);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "XML/Textos_pagina_pelgo.xml: does not load: file not found");
    fs::remove(output);
}
