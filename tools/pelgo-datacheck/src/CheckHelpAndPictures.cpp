#include "Checks.h"
#include "Reader.h"

#include "pelgo/wizard/Router.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace pelgo::datacheck {

namespace {

// Screens with a help button: the language screen and steps 1 to 8.
const char* const kHelpPages[] = {"Inicial", "Etapa1", "Etapa2", "Etapa3", "Etapa4",
                                  "Etapa5",  "Etapa6", "Etapa7", "Etapa8"};

// The report refers to its pictures by both spellings of the folder.
const char* const kReportPictures[] = {"Imagens/korvel.gif", "Imagens/spacer.gif", "imagens/korvel.gif",
                                       "imagens/spacer.gif"};

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Pictures, style sheets and pages a help page refers to by a relative path.
void checkLinks(const Installation& installation, Report& report, const std::string& page)
{
    static const std::regex reference(R"((?:src|href)\s*=\s*["']([^"']*)["'])", std::regex::icase);
    static const std::regex external(R"(^([a-zA-Z][a-zA-Z0-9+.-]*:|#|$))");
    const std::string text = readAll(std::filesystem::path(installation.folder()) / page);
    for (std::sregex_iterator match(text.begin(), text.end(), reference), end; match != end; ++match) {
        std::string target = (*match)[1].str();
        if (std::regex_search(target, external))
            continue;
        target = target.substr(0, target.find_first_of("?#"));
        const std::string resolved =
            (std::filesystem::path(page).parent_path() / target).lexically_normal().generic_string();
        if (!installation.hasFile(resolved))
            report.problem(page, "", "refers to " + target + ", which does not exist");
    }
}

} // namespace

void checkHelpPages(const Installation& installation, Report& report)
{
    for (const std::string& language : installation.languages()) {
        for (const char* page : kHelpPages) {
            const std::string path = wizard::helpPage(page, language);
            if (!installation.hasFile(path)) {
                report.problem(path, "", "missing help page");
                continue;
            }
            std::error_code error;
            if (std::filesystem::file_size(std::filesystem::path(installation.folder()) / path, error) == 0)
                report.problem(path, "", "the help page is empty");
            checkLinks(installation, report, path);
        }
    }
}

void checkPictures(const Installation& installation, Report& report)
{
    const Reader catalogue(installation, "Textos_pagina_pelgo.xml", report);
    for (const std::string& language : installation.languages()) {
        const pugi::xml_node buttons = DataFile::find(DataFile::find(catalogue.root(), language), "BOTOES");
        if (!buttons && catalogue.loaded()) {
            catalogue.problem(catalogue.root(), "missing section " + language + "/BOTOES (button pictures)");
            continue;
        }
        for (const pugi::xml_node button : DataFile::children(buttons)) {
            const std::string picture = button.attribute("ds_texto").value();
            if (!installation.hasFile("Imagens/" + picture))
                catalogue.problem(button, "names picture Imagens/" + picture + ", which does not exist", "ds_texto");
        }
    }
    for (const char* picture : kReportPictures)
        if (!installation.hasFile(picture))
            report.problem(picture, "", "missing picture of the report");
}

} // namespace pelgo::datacheck
