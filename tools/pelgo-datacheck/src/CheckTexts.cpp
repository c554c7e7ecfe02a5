#include "Checks.h"
#include "Reader.h"

#include <map>
#include <set>

namespace pelgo::datacheck {

namespace {

using Sections = std::map<std::string, std::set<std::string>>; // section -> tags

Sections sectionsOf(const Reader& reader, pugi::xml_node language)
{
    Sections sections;
    for (const pugi::xml_node section : DataFile::children(language)) {
        std::set<std::string>& tags = sections[section.name()];
        for (const pugi::xml_node tag : DataFile::children(section)) {
            tags.insert(tag.name());
            reader.text(tag, "ds_texto");
        }
    }
    return sections;
}

} // namespace

void checkTextCatalogue(const Installation& installation, Report& report)
{
    const Reader catalogue(installation, "Textos_pagina_pelgo.xml", report);
    if (!catalogue.loaded())
        return;

    std::map<std::string, pugi::xml_node> languages;
    std::map<std::string, Sections> contents;
    for (const std::string& code : installation.languages()) {
        const pugi::xml_node language = catalogue.require(catalogue.root(), code, "a language of Idioma_Mercado.xml");
        if (!language)
            continue;
        languages[code] = language;
        contents[code] = sectionsOf(catalogue, language);
    }

    // Every text one language has, every other language needs too.
    std::map<std::string, std::map<std::string, std::string>> everyText; // section -> tag -> first language
    for (const std::string& code : installation.languages())
        for (const auto& [section, tags] : contents[code])
            for (const std::string& tag : tags)
                everyText[section].emplace(tag, code);

    for (const auto& [code, language] : languages) {
        const Sections& own = contents[code];
        for (const auto& [section, tags] : everyText) {
            const auto ownSection = own.find(section);
            if (ownSection == own.end()) {
                catalogue.problem(language, "missing section " + section + " (present in " +
                                                tags.begin()->second + ")");
                continue;
            }
            const pugi::xml_node sectionElement = language.child(section.c_str());
            for (const auto& [tag, firstLanguage] : tags)
                if (!ownSection->second.count(tag))
                    catalogue.problem(sectionElement, "missing text " + tag + " (present in " + firstLanguage + ")");
        }
    }
}

} // namespace pelgo::datacheck
