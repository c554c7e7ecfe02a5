#include "pelgo/TextosGrafico.h"

#include "pelgo/clsPelgo_Geral.h"

namespace pelgo {

TextosGrafico TextosGrafico::carrega(const std::string& idioma, const std::string& secao,
                                     const std::string& tagTitulo, bool comBotaoAcel)
{
    TextosGrafico textos;
    clsPelgo_Geral catalogo;
    catalogo.CarregaXML(idioma, secao);
    textos.titulo = catalogo.GetTextosPelgo(tagTitulo);
    catalogo.CarregaXML(idioma, "BOTOES");
    textos.btVoltar = catalogo.GetTextosPelgo("BTVOLTAR");
    if (comBotaoAcel)
        textos.btAcel = catalogo.GetTextosPelgo("BTACEL");
    return textos;
}

} // namespace pelgo
