#include "pelgo/clsPelgo.h"

#include "pelgo/clsPelgo_Geral.h"

namespace pelgo {

void clsPelgo::SetTitulo(const std::string& cd_idioma)
{
    clsPelgo_Geral catalogue;
    catalogue.CarregaXML(cd_idioma, "ETAPA1");
    m_Titulo = catalogue.GetTextosPelgo("PELGO");
}

void clsPelgo::SetIdioma(const std::string& cd_idioma)
{
    m_Idioma = cd_idioma;
}

} // namespace pelgo
