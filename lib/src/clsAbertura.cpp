#include "pelgo/clsAbertura.h"

#include "pelgo/Text.h"
#include "pelgo/clsPelgo_Geral.h"

#include <algorithm>

namespace pelgo {

void clsAbertura::Inicia(const std::string& strIdioma)
{
    clsPelgo_Geral catalogue;
    catalogue.CarregaXML(strIdioma, "ABERTURA");
    const std::string purpose = catalogue.TrocaHTML(catalogue.GetTextosPelgo("FINALIDADE"));

    // The purpose text ends at its first colon; after the markup conversion the
    // colon is followed by "\r\n» ", so the purpose keeps the colon and the
    // "\r" and the advantages start with the first "» ". Positions count
    // characters, not bytes.
    const std::u32string chars = toUtf32(purpose);
    const std::size_t colon = chars.find(U':');
    const std::size_t p = colon == std::u32string::npos ? 0 : colon + 1; // 1-based, 0 when none
    const std::size_t length = chars.size();
    finalidade_ = toUtf8(chars.substr(0, std::min(length, p + 1)));
    const std::size_t tail = length >= p + 2 ? length - p - 2 : 0;
    vantagens_ = toUtf8(chars.substr(length - tail));

    copyright_ = catalogue.TrocaHTML(catalogue.GetTextosPelgo("COPYRIGHTCD"));

    catalogue.CarregaXML(strIdioma, "BOTOES");
    btAcessar_ = catalogue.GetTextosPelgo("BTACESSAR");
}

} // namespace pelgo
