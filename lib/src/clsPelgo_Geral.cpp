#include "pelgo/clsPelgo_Geral.h"

#include "pelgo/DataFile.h"
#include "pelgo/Numbers.h"
#include "pelgo/ProgramFolder.h"
#include "pelgo/Text.h"

#include <filesystem>
#include <memory>
#include <mutex>


namespace pelgo {

namespace {

const char* const kCatalogueFile = "Textos_pagina_pelgo.xml";

// Every screen loads several sections, so the parsed catalogue is kept and
// parsed again only when the file changes (another path, size or time), which
// serves the same texts as reading the file on every call. Guarded for the
// batch sizing, which runs steps on several threads.
std::shared_ptr<const DataFile> catalogueFile()
{
    struct Stamp {
        std::string path;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time;
        bool operator==(const Stamp&) const = default;
    };
    static std::mutex mutex;
    static Stamp cachedStamp;
    static std::shared_ptr<const DataFile> cached;

    Stamp stamp;
    stamp.path = dataFilePath(kCatalogueFile);
    std::error_code error;
    stamp.size = std::filesystem::file_size(stamp.path, error);
    if (!error)
        stamp.time = std::filesystem::last_write_time(stamp.path, error);

    std::lock_guard lock(mutex);
    if (!error && cached && stamp == cachedStamp)
        return cached;
    auto file = std::make_shared<const DataFile>(DataFile::fromPath(stamp.path, kCatalogueFile));
    if (error || !file->loaded()) {
        cached.reset();
        return file;
    }
    cachedStamp = stamp;
    cached = file;
    return cached;
}

} // namespace

void clsPelgo_Geral::CarregaXML(const std::string& cd_idioma, const std::string& ds_etapa)
{
    const std::shared_ptr<const DataFile> catalogue = catalogueFile();
    const pugi::xml_node language = catalogue->require(cd_idioma);
    const pugi::xml_node section = catalogue->require(language, ds_etapa);

    // Only the section is kept: the first text of every tag below it.
    texts_.clear();
    struct Collector : pugi::xml_tree_walker {
        std::unordered_map<std::string, std::string>* texts = nullptr;
        bool for_each(pugi::xml_node& node) override
        {
            if (node.type() == pugi::node_element)
                if (const pugi::xml_attribute text = node.attribute("ds_texto"))
                    texts->emplace(node.name(), text.value());
            return true;
        }
    } collector;
    collector.texts = &texts_;
    pugi::xml_node(section).traverse(collector);

    language_ = cd_idioma;
    section_ = ds_etapa;
    loaded_ = true;
}

std::string clsPelgo_Geral::GetTextosPelgo(const std::string& nm_tag) const
{
    if (!loaded_)
        throw DataError(kCatalogueFile, "text " + nm_tag + " asked for before a language and section were chosen");
    const auto found = texts_.find(nm_tag);
    if (found == texts_.end())
        throw DataError(kCatalogueFile, "missing text " + language_ + "/" + section_ + "/" + nm_tag);
    return found->second;
}

std::string clsPelgo_Geral::TrocaHTML(const std::string& texto) const
{
    std::string text = replaceNoCase(texto, "<BR>", "");
    text = replaceNoCase(text, "</BR>", "");
    text = replaceNoCase(text, "<LI>", "\r\n\u00BB ");
    text = replaceNoCase(text, "</LI>", "");
    text = replaceNoCase(text, "<UL>", "");
    return replaceNoCase(text, "</UL>", "");
}

std::string clsPelgo_Geral::Consiste(const std::string& StrConsiste, const std::string& nm_tag,
                                     const std::string& strMin, const std::string& strMax) const
{
    if (StrConsiste.empty())
        return GetTextosPelgo("MP_" + nm_tag);
    const auto value = parseRegional(StrConsiste);
    if (!value)
        return GetTextosPelgo("MN_" + nm_tag);
    if (strMin.empty() || strMax.empty())
        return "";
    if (*value < regionalValue(strMin) || *value > regionalValue(strMax))
        return GetTextosPelgo("MF_" + nm_tag);
    return "";
}

std::string clsPelgo_Geral::ConsisteEspecialEtapa4(const std::string& StrConsiste, const std::string& nm_tag,
                                                   const std::string& strMin, const std::string& strMax) const
{
    const std::string message = Consiste(StrConsiste, nm_tag);
    if (!message.empty())
        return message;
    const double value = regionalValue(StrConsiste);
    if (value < regionalValue(strMin))
        return GetTextosPelgo("MF_" + nm_tag + "MINIMOACEITAVEL");
    if (value > regionalValue(strMax))
        return GetTextosPelgo("MF_" + nm_tag + "MAXIMOACEITAVEL");
    return "";
}

} // namespace pelgo
