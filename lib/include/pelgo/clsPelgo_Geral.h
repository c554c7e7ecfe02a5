#pragma once

#include <string>
#include <unordered_map>

namespace pelgo {

// The text catalogue: texts by language, section and tag from
// Textos_pagina_pelgo.xml, the list-markup conversion, and the validation of
// typed numbers answered with the catalogue's messages.
class clsPelgo_Geral {
public:
    // Chooses the section of a language; a missing file, language or section
    // is a DataError.
    void CarregaXML(const std::string& cd_idioma, const std::string& ds_etapa);

    // The text of a tag of the current section; DataError when no section was
    // loaded or the tag is missing.
    std::string GetTextosPelgo(const std::string& nm_tag) const;

    // Turns the list markup of a text into plain lines ("» " items).
    std::string TrocaHTML(const std::string& texto) const;

    // "" when valid, else the text of MP_/MN_/MF_ + nm_tag. A bound that is
    // not a number (and not "") throws std::invalid_argument.
    std::string Consiste(const std::string& StrConsiste, const std::string& nm_tag,
                         const std::string& strMin = "", const std::string& strMax = "") const;

    // As Consiste with both bounds required, answering with
    // MF_ + nm_tag + MINIMOACEITAVEL or MAXIMOACEITAVEL.
    std::string ConsisteEspecialEtapa4(const std::string& StrConsiste, const std::string& nm_tag,
                                       const std::string& strMin, const std::string& strMax) const;

private:
    bool loaded_ = false;
    std::string language_;
    std::string section_;
    std::unordered_map<std::string, std::string> texts_; // first text of each tag in the section
};

} // namespace pelgo
