// pelgo-size end to end on the shipped data. The figures of the example
// cases were checked against an independent re-computation of the engine's
// rules (hand_check.py beside this file); re-check them there when the
// sample data changes.

#include "../../../lib/tests/TestSupport.h"

#include "Report.h"
#include "SizingCase.h"

#include "pelgo/clsPelgo_Geral.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <vector>

namespace pelgo::size {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

json example(const std::string& name)
{
    std::ifstream file(std::string(PELGO_SOURCE_DIR) + "/examples/" + name + ".json");
    return json::parse(file);
}

std::string catalogueText(const std::string& language, const std::string& section, const std::string& tag)
{
    clsPelgo_Geral catalogue;
    catalogue.CarregaXML(language, section);
    return catalogue.GetTextosPelgo(tag);
}

class PelgoSize : public ::testing::Test {
protected:
    test::ProgramFolderGuard folder{test::shippedData()};
    test::LocaleGuard locale{test::kPointLocale};
};

struct Expected {
    double setting, time, rmsCurrent;
    const char* model;
};

struct ExampleCase {
    const char* name;
    Expected ramp, limit;
};

TEST_F(PelgoSize, SizesTheExampleCasesAsCheckedByHand)
{
    const ExampleCase cases[] = {
        {"pump", {44, 8.66, 210.07, "TV04-0060-4"}, {452, 8.06, 238.08, "TV04-0060-4"}},
        {"fan", {46, 15.38, 410.37, "TV03-0105-4"}, {410, 16.03, 399.73, "TV03-0105-4"}},
        {"conveyor", {95, 3.93, 301.89, "TV04-0085-4"}, {658, 4.66, 300.82, "TV04-0085-4"}},
        {"crusher", {70, 17.07, 1027.01, "TV03-0250-4"}, {507, 17.24, 1020.3, "TV03-0250-4"}},
        {"inside-delta", {46, 10.68, 1020.55, "TV03-0140-4"}, {334, 16.72, 925.48, "TV03-0140-4"}},
        {"large-high-inertia", {65, 14.77, 2687.1, "TV03-0720-4"}, {523, 13.97, 2766.79, "TV03-0720-4"}},
    };
    for (const ExampleCase& c : cases) {
        const CaseResult result = runCase(example(c.name));
        ASSERT_EQ(result.outcome, Outcome::Sized) << c.name << ": " << errorText(result);
        const auto check = [&](const wizard::MethodResult& got, const Expected& want, const char* method) {
            EXPECT_EQ(got.setting, want.setting) << c.name << " " << method;
            EXPECT_EQ(got.time, want.time) << c.name << " " << method;
            EXPECT_EQ(got.rmsCurrent, want.rmsCurrent) << c.name << " " << method;
            EXPECT_EQ(got.model, want.model) << c.name << " " << method;
            EXPECT_TRUE(got.available) << c.name << " " << method;
        };
        check(result.ramp, c.ramp, "ramp");
        check(result.currentLimit, c.limit, "current limit");
    }
}

TEST_F(PelgoSize, ValuesLeftOutTakeTheScreensDefaults)
{
    const CaseResult result = runCase(example("pump"));
    ASSERT_EQ(result.outcome, Outcome::Sized);
    const clsPelgo& r = result.record;
    EXPECT_EQ(r.Idioma(), "ENG");
    EXPECT_EQ(r.Norma(), "IEC");
    EXPECT_EQ(r.PotenciaKw(), 30);
    EXPECT_EQ(r.IntervaloParttidaSeg(), 600) << "6 starts per hour, in minutes";
    EXPECT_EQ(r.FatorUtilizacao(), 90);
    EXPECT_DOUBLE_EQ(r.InerciaCargaEixoMotor(), 2 * r.MomentoInercia()) << "the load type's default, 2 × Jmotor";
    EXPECT_EQ(r.QuedaTensao(), 0.81) << "the market's 10 % drop";
    EXPECT_EQ(r.ByPass(), 0);
    EXPECT_EQ(r.FatorServico(), 1);
    EXPECT_EQ(r.ReferenciaAplicacao(), "Cooling water pump P-101");
    EXPECT_EQ(r.PedestalMinimo(), 43);
    EXPECT_EQ(r.LimitacaoCorrenteMinima(), 437);
}

TEST_F(PelgoSize, UnitsOfTheUnitedStatesMarket)
{
    const CaseResult result = runCase(example("conveyor"));
    ASSERT_EQ(result.outcome, Outcome::Sized);
    EXPECT_EQ(result.record.Altitudem(), 1000);
    EXPECT_EQ(result.record.TemperaturaC(), 40);
    EXPECT_EQ(result.record.FatorServico(), 1.15);
    EXPECT_EQ(result.record.PotenciaNominal(), "40 HP");
}

TEST_F(PelgoSize, InsideDeltaUsesTheConnectionFactor)
{
    const CaseResult result = runCase(example("inside-delta"));
    ASSERT_EQ(result.outcome, Outcome::Sized);
    EXPECT_EQ(result.record.LigacaoMotor(), 1.732);
    EXPECT_EQ(result.record.descLigacaoMotor(), "Dentro del triángulo (6 cables)");
}

TEST_F(PelgoSize, ARefusedValueStopsWithTheCataloguesMessage)
{
    struct Case {
        const char* section;
        json edit;
        const char* field;
        std::string message;
    };
    const Case cases[] = {
        {"motor", {{"power_factor", 0.3}}, "motor.power_factor",
         catalogueText("ENG", "CONSISTEETAPA2", "MF_FATORPOTENCIA")},
        {"motor", {{"efficiency", "ninety"}}, "motor.efficiency", catalogueText("ENG", "CONSISTEETAPA2", "MN_RENDIMENTO")},
        {"motor", {{"ip_in", 11}}, "motor.ip_in", catalogueText("ENG", "CONSISTEETAPA3", "MF_CORRENTEROTORBLOQUEADO")},
        {"load", {{"duty_factor", 30}}, "load.duty_factor", catalogueText("ENG", "CONSISTEETAPA4", "MF_MINIMOACEITAVEL40")},
        {"load", {{"inertia_unit", "kgm²"}}, "load.inertia", catalogueText("ENG", "CONSISTEETAPA4", "MP_INERCIACARGA")},
        {"installation", {{"supply_voltage", 380}}, "installation.supply_voltage",
         catalogueText("ENG", "CONSISTEETAPA5", "MV_TENSAOSELECIONADA")},
    };
    for (const Case& c : cases) {
        json sizingCase = example("pump");
        sizingCase[c.section].update(c.edit);
        const CaseResult result = runCase(sizingCase);
        EXPECT_EQ(result.outcome, Outcome::Invalid) << c.field;
        EXPECT_EQ(result.field, c.field);
        EXPECT_EQ(result.message, c.message) << c.field;
        EXPECT_EQ(exitStatus(result.outcome), 2);
    }
}

TEST_F(PelgoSize, ACurvePointIsNamedByItsPosition)
{
    json sizingCase = example("pump");
    sizingCase["load"]["torque_curve"] = {30, 6, 9, 14, 20, "x", 39, 52, 66, 82, 100};
    const CaseResult result = runCase(sizingCase);
    EXPECT_EQ(result.outcome, Outcome::Invalid);
    EXPECT_EQ(result.field, "load.torque_curve[5]");
    EXPECT_EQ(result.message, catalogueText("ENG", "CONSISTEETAPA4", "MN_C50"));
}

TEST_F(PelgoSize, AChoiceThatIsNotOfferedNamesTheList)
{
    json sizingCase = example("pump");
    sizingCase["motor"]["poles"] = 5;
    const CaseResult result = runCase(sizingCase);
    EXPECT_EQ(result.outcome, Outcome::Invalid);
    EXPECT_EQ(result.field, "motor.poles");
    EXPECT_NE(result.message.find("offered: 2, 4, 6, 8"), std::string::npos) << result.message;
}

TEST_F(PelgoSize, AFailedSizingGivesTheEnginesMessage)
{
    json sizingCase = example("large-high-inertia");
    sizingCase["load"]["inertia"] = 40;
    const CaseResult result = runCase(sizingCase);
    EXPECT_EQ(result.outcome, Outcome::SizingFailed);
    EXPECT_NE(result.message.find(catalogueText("ENG", "DIMENSIONAMENTO", "MSGDIMENSIONAMENTO1")), std::string::npos);
    EXPECT_EQ(exitStatus(result.outcome), 3);
}

TEST_F(PelgoSize, AMissingDataFileNamesTheFile)
{
    const fs::path copy = fs::temp_directory_path() / "pelgo-size-test-data";
    fs::remove_all(copy);
    fs::create_directories(copy);
    fs::copy(test::shippedData() + "/XML", copy / "XML");
    fs::remove(copy / "XML" / "Tarvo.xml");
    test::ProgramFolderGuard incomplete(copy.string());
    const CaseResult result = runCase(example("pump"));
    EXPECT_EQ(result.outcome, Outcome::DataFault);
    EXPECT_NE(result.message.find("Tarvo.xml"), std::string::npos) << result.message;
    EXPECT_EQ(exitStatus(result.outcome), 4);
    fs::remove_all(copy);
}

TEST_F(PelgoSize, ACaseOfTheWrongShapeIsRefused)
{
    EXPECT_EQ(runCase(json::array()).outcome, Outcome::BadCase);
    json shortCurve = example("pump");
    shortCurve["motor"]["torque_curve"] = {1, 2, 3};
    const CaseResult result = runCase(shortCurve);
    EXPECT_EQ(result.outcome, Outcome::BadCase);
    EXPECT_EQ(result.field, "motor.torque_curve");
    json wrongType = example("pump");
    wrongType["installation"]["bypass"] = json::array();
    EXPECT_EQ(runCase(wrongType).outcome, Outcome::BadCase);
}

TEST_F(PelgoSize, APedestalOfTheUsersOwnSizesAgain)
{
    json sizingCase = example("pump");
    sizingCase["pedestal"] = 60;
    sizingCase["current_limit"] = 500;
    const CaseResult result = runCase(sizingCase);
    ASSERT_EQ(result.outcome, Outcome::Sized) << errorText(result);
    EXPECT_EQ(result.record.NovoPedestalTensao(), 60);
    EXPECT_EQ(result.ramp.setting, 60);
    EXPECT_EQ(result.currentLimit.setting, 500);
    EXPECT_EQ(result.record.PedestalMinimo(), 43) << "the minimum of the automatic search stays";

    sizingCase["pedestal"] = 20;
    const CaseResult refused = runCase(sizingCase);
    EXPECT_EQ(refused.outcome, Outcome::Invalid);
    EXPECT_EQ(refused.field, "pedestal");
    EXPECT_EQ(refused.message, catalogueText("ENG", "CONSISTEETAPA7", "MF_MINIMOACEITAVEL") + " 43 %!");
}

TEST_F(PelgoSize, JsonHoldsTheWholeRecordAndBothMethods)
{
    const CaseResult result = runCase(example("pump"));
    const json out = resultJson(result);
    EXPECT_TRUE(out["ok"].get<bool>());
    EXPECT_EQ(out["record"].size(), 87u);
    EXPECT_EQ(out["record"]["CCn"], result.record.CCn());
    EXPECT_EQ(out["record"]["PedestalTensao"], 44);
    EXPECT_EQ(out["results"]["voltage_ramp"]["model"], "TV04-0060-4");
    EXPECT_EQ(out["results"]["current_limit"]["setting_percent"], 452);
    EXPECT_EQ(out["summary"]["motor"][0]["value"], "30 kW");

    json failed = example("pump");
    failed["motor"]["poles"] = 5;
    const json error = resultJson(runCase(failed));
    EXPECT_FALSE(error["ok"].get<bool>());
    EXPECT_EQ(error["error"]["kind"], "invalid");
    EXPECT_EQ(error["error"]["field"], "motor.poles");
}

TEST_F(PelgoSize, TextLooksLikeTheResultsScreen)
{
    const CaseResult result = runCase(example("pump"));
    const std::string text = resultText(result);
    for (const std::string& expected :
         {result.texts.rampTitle, result.texts.limitTitle, std::string("TV04-0060-4"), std::string("44 %"),
          std::string("8.66 s"), std::string("210.07 A"), std::string("452 %"), result.texts.summaryTitle,
          std::string("30 kW")}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

// The program itself: exit statuses, stderr and the batch mode.
struct ProgramRun {
    int status;
    std::string output;
};

ProgramRun runProgram(const std::string& arguments, const std::string& input = "")
{
    const std::string inputFile = (fs::temp_directory_path() / "pelgo-size-test-input.jsonl").string();
    std::ofstream(inputFile) << input;
    const std::string command = "LC_ALL=C " + std::string(PELGO_PROGRAM_DIR) + "/pelgo-size --data " +
                                test::shippedData() + " " + arguments + " < " + inputFile + " 2>&1";
    ProgramRun run{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(PelgoSizeProgram, ExitStatusTellsWhatHappened)
{
    const std::string examples = std::string(PELGO_SOURCE_DIR) + "/examples/";
    const ProgramRun sized = runProgram(examples + "pump.json");
    EXPECT_EQ(sized.status, 0) << sized.output;
    EXPECT_NE(sized.output.find("TV04-0060-4"), std::string::npos);

    const ProgramRun invalid = runProgram("-", R"({"language": "ENG", "market": "IEC", "motor": {"power": 30, "efficiency": 20}})");
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(invalid.output.rfind("pelgo-size: motor.efficiency: ", 0), 0u) << invalid.output;

    const ProgramRun failed = runProgram(
        "-", R"({"motor": {"power": 315}, "load": {"type": "Centrifugal fan – damper open", "inertia": 40,
                 "inertia_unit": "× Jmotor"}, "language": "ENG", "market": "IEC"})");
    EXPECT_EQ(failed.status, 3) << failed.output;

    EXPECT_EQ(runProgram("-", "{ not json").status, 1);
    EXPECT_EQ(runProgram("--no-such-option").status, 1);
    const ProgramRun help = runProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("\"installation\""), std::string::npos);
}

TEST(PelgoSizeProgram, BatchAnswersEveryLineAndGoesOn)
{
    const std::string input = R"({"language": "ENG", "market": "IEC", "motor": {"power": 30}}
not json

{"language": "ENG", "market": "IEC", "motor": {"power": 30, "poles": 3}}
{"language": "ENG", "market": "IEC", "motor": {"power": 45}}
)";
    const ProgramRun run = runProgram("--batch", input);
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.output);
    std::vector<json> results;
    for (std::string line; std::getline(lines, line);)
        results.push_back(json::parse(line));
    ASSERT_EQ(results.size(), 4u) << run.output;
    EXPECT_TRUE(results[0]["ok"].get<bool>());
    EXPECT_EQ(results[1]["error"]["kind"], "case");
    EXPECT_EQ(results[2]["error"]["field"], "motor.poles");
    EXPECT_TRUE(results[3]["ok"].get<bool>());
}

} // namespace
} // namespace pelgo::size
