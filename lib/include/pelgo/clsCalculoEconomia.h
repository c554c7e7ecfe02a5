#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelgo {

// The yearly energy and money saved by a soft-starter solution, and the texts
// of the saving screen.
class clsCalculoEconomia {
public:
    std::string EconomiaExplicat1() const { return economiaExplicat1_; }
    std::string EconomiaExplicat2() const { return economiaExplicat2_; }
    std::string THorasOperacaoDia() const { return tHorasOperacaoDia_; }
    std::string TNrDiasOperacaoAno() const { return tNrDiasOperacaoAno_; }
    std::string TUnidadeDias() const { return tUnidadeDias_; }
    std::string TCustoKW() const { return tCustoKW_; }
    std::string UnidadeValor() const { return unidadeValor_; }
    std::string btCalcular() const { return btCalcular_; }
    std::string Resultado() const { return resultado_; }
    std::string TEconomiaAnualKwh() const { return tEconomiaAnualKwh_; }
    std::string TEconomiaAnualValor() const { return tEconomiaAnualValor_; }
    // The energy saved per year in kWh, written in the regional number form;
    // "" before a calculation.
    std::string EconomiaAnualKwh() const;
    // "$ " and the money saved per year with two decimals and the regional
    // separators; "" before a calculation.
    std::string EconomiaAnualValor() const;
    std::string TValoresInvalidos() const { return tValoresInvalidos_; }

    // DiferencaPotenciaDissipada in kW, CustoKW the price of one kWh.
    // False (and no result) when the figures do not give finite values.
    bool CalculoEconomia(const std::string& strIdioma, double DiferencaPotenciaDissipada, double HorasOperacaoDia,
                         double NrDiasOperacaoAno, double CustoKW);
    // Always returns 0; a missing text is a DataError.
    std::int16_t Inicia(const std::string& strIdioma);

private:
    std::string economiaExplicat1_;
    std::string economiaExplicat2_;
    std::string tHorasOperacaoDia_;
    std::string tNrDiasOperacaoAno_;
    std::string tUnidadeDias_;
    std::string tCustoKW_;
    std::string unidadeValor_;
    std::string btCalcular_;
    std::string resultado_;
    std::string tEconomiaAnualKwh_;
    std::string tEconomiaAnualValor_;
    std::string tValoresInvalidos_;
    std::optional<double> economiaAnualKwh_;
    std::optional<double> economiaAnualValor_;
};

} // namespace pelgo
