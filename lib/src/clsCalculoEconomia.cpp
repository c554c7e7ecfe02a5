#include "pelgo/clsCalculoEconomia.h"

#include "pelgo/Numbers.h"
#include "pelgo/clsPelgo_Geral.h"

#include <cmath>

namespace pelgo {

namespace {

const char* const kSimboloMoeda = "$ ";

// A sum of money: two decimals, the regional decimal separator and the
// regional grouping of the whole part in threes.
std::string formatMoney(double value)
{
    const RegionalFormat format = regionalFormat();
    std::string text = formatFixed(value, 2);
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t decimal = text.find(format.decimal, sign);
    const std::size_t wholeEnd = decimal == std::string::npos ? text.size() : decimal;
    for (std::size_t position = wholeEnd; position > sign + 3; position -= 3)
        text.insert(position - 3, 1, format.grouping);
    return text;
}

} // namespace

std::string clsCalculoEconomia::EconomiaAnualKwh() const
{
    return economiaAnualKwh_ ? formatNumber(*economiaAnualKwh_) : "";
}

std::string clsCalculoEconomia::EconomiaAnualValor() const
{
    return economiaAnualValor_ ? kSimboloMoeda + formatMoney(*economiaAnualValor_) : "";
}

bool clsCalculoEconomia::CalculoEconomia(const std::string& /*strIdioma*/, double DiferencaPotenciaDissipada,
                                         double HorasOperacaoDia, double NrDiasOperacaoAno, double CustoKW)
{
    const double energia = HorasOperacaoDia * NrDiasOperacaoAno * DiferencaPotenciaDissipada;
    const double valor = HorasOperacaoDia * CustoKW * NrDiasOperacaoAno * DiferencaPotenciaDissipada;
    economiaAnualKwh_.reset();
    economiaAnualValor_.reset();
    // Typed figures as large as 1E300 multiply beyond any number.
    if (!std::isfinite(energia) || !std::isfinite(valor))
        return false;
    economiaAnualKwh_ = roundHalfEven(energia, 2);
    economiaAnualValor_ = roundHalfEven(valor, 2);
    return true;
}

std::int16_t clsCalculoEconomia::Inicia(const std::string& strIdioma)
{
    clsPelgo_Geral catalogo;
    catalogo.CarregaXML(strIdioma, "ETAPA6");
    resultado_ = catalogo.GetTextosPelgo("RESULTADO");

    catalogo.CarregaXML(strIdioma, "BOTOES");
    btCalcular_ = catalogo.GetTextosPelgo("BTCALCULAR");

    catalogo.CarregaXML(strIdioma, "CALCULO_ECONOMIA");
    economiaExplicat1_ = catalogo.GetTextosPelgo("ECONOMIAEXPLICAT1");
    economiaExplicat2_ = catalogo.GetTextosPelgo("ECONOMIAEXPLICAT2");
    tHorasOperacaoDia_ = catalogo.GetTextosPelgo("THORASOPERACAODIA");
    tNrDiasOperacaoAno_ = catalogo.GetTextosPelgo("TNRDIASOPERACAOANO");
    tUnidadeDias_ = catalogo.GetTextosPelgo("TUNIDADEDIAS");
    tCustoKW_ = catalogo.GetTextosPelgo("TCUSTOKW");
    unidadeValor_ = catalogo.GetTextosPelgo("UNIDADEVALOR");
    tEconomiaAnualKwh_ = catalogo.GetTextosPelgo("TECONOMIAANUALKWH");
    tEconomiaAnualValor_ = catalogo.GetTextosPelgo("TECONOMIAANUALVALOR");
    tValoresInvalidos_ = catalogo.GetTextosPelgo("TINVALIDO");
    return 0;
}

} // namespace pelgo
