#pragma once

#include "pelgo/ListCursor.h"

#include <cstdint>
#include <string>

namespace pelgo {

// Step 1, motor selection: the motor lines of a market, the numbers of poles,
// design categories, rated voltages, power units and rated powers to choose
// from, the market's defaults and the captions of the step.
class clsEtapa1 {
public:
    std::string UnidadePadrao() const { return unidadePadrao_; }
    std::int16_t TensaoPadrao() const { return tensaoPadrao_; }
    std::string CategoriaPadrao() const { return categoriaPadrao_; }
    std::int16_t PoloPadrao() const { return poloPadrao_; }
    std::int16_t CDMotorPadrao() const { return cdMotorPadrao_; }

    std::string TDadosdoMotor() const { return tDadosdoMotor_; }
    std::string TTipoMotorL() const { return tTipoMotorL_; }
    std::string TNorma() const { return tNorma_; }
    std::string TNumeroPolos() const { return tNumeroPolos_; }
    std::string TCategoria() const { return tCategoria_; }
    std::string TFrequenciaNominal() const { return tFrequenciaNominal_; }
    std::string TTensaoNominal() const { return tTensaoNominal_; }
    std::string TPotenciaNominal() const { return tPotenciaNominal_; }
    std::string btVoltar() const { return btVoltar_; }
    std::string btAjuda() const { return btAjuda_; }
    std::string btAvancar() const { return btAvancar_; }
    std::string TMensagem() const { return tMensagem_; }

    bool EOFProdutos() const { return products_.eof(); }
    std::string cd_Produto() const { return products_.current().code; }
    std::string cd_ProdutoByIndex(std::int16_t index) const { return products_.byIndex(index).code; }
    std::int16_t Frequencia() const { return products_.current().frequency; }
    std::int16_t frequenciaByIndex(std::int16_t index) const { return products_.byIndex(index).frequency; }
    std::string ds_Produto() const { return products_.current().description; }
    std::string ds_ProdutoByIndex(std::int16_t index) const { return products_.byIndex(index).description; }
    bool NextProduto() { return products_.next(); }

    std::int16_t NrPolos() const { return poles_.current(); }
    std::int16_t NrPolosByIndex(std::int16_t index) const { return poles_.byIndex(index); }
    bool EOFPolos() const { return poles_.eof(); }
    bool NextPolos() { return poles_.next(); }

    std::int16_t VlTensao() const { return voltages_.current(); }
    std::int16_t VlTensaoByIndex(std::int16_t index) const { return voltages_.byIndex(index); }
    bool EOFTensao() const { return voltages_.eof(); }
    bool NextTensao() { return voltages_.next(); }

    std::string Categoria() const { return categories_.current(); }
    std::string CategoriaByIndex(std::int16_t index) const { return categories_.byIndex(index); }
    bool EOFCategorias() const { return categories_.eof(); }
    bool NextCategorias() { return categories_.next(); }

    std::string Unidade() const { return units_.current().shown; }
    std::string UnidadeByIndex(std::int16_t index) const { return units_.byIndex(index).shown; }
    std::string TipoUnidadeByIndex(std::int16_t index) const { return units_.byIndex(index).type; }
    bool EOFUnidades() const { return units_.eof(); }
    bool NextUnidades() { return units_.next(); }

    std::string Potencia() const { return powers_.current(); }
    std::string PotenciaByIndex(std::int16_t index) const { return powers_.byIndex(index); }
    bool EOFPotencias() const { return powers_.eof(); }
    bool NextPotencias() { return powers_.next(); }

    // Reads the rated powers of a line and number of poles in one unit type
    // (an attribute name such as "vl_potencia_kw"). False when the file does
    // not load or offers no powers for that frequency or number of poles; the
    // power list is then empty.
    bool CarregaPotenciaNominal(const std::string& strNorma, std::int16_t Vl_Frequencia, std::int16_t intCd_Produto,
                                std::int16_t intPolaridade, const std::string& strTipo);

    // 0 = ready; 1 = the market is not offered for this standard and language;
    // 2..7 = Produto_Idioma, Nr_Polos, Categoria_Norma, Tensao_Nominal,
    // Unidade_Potencia, Padrao_Mercado did not load.
    std::int16_t Inicia(const std::string& strIdioma, const std::string& Norma, const std::string& Mercado);

private:
    struct Product {
        std::string code;
        std::string description;
        std::int16_t frequency = 0;
    };
    struct Unit {
        std::string shown;
        std::string type;
    };

    void loadTexts(const std::string& language);
    std::int16_t loadLists(const std::string& language, const std::string& standard, const std::string& market);

    std::string unidadePadrao_;
    std::int16_t tensaoPadrao_ = 0;
    std::string categoriaPadrao_;
    std::int16_t poloPadrao_ = 0;
    std::int16_t cdMotorPadrao_ = 0;

    std::string tDadosdoMotor_, tTipoMotorL_, tNorma_, tNumeroPolos_, tCategoria_, tFrequenciaNominal_,
        tTensaoNominal_, tPotenciaNominal_, tMensagem_;
    std::string btVoltar_, btAjuda_, btAvancar_;

    ListCursor<Product> products_;
    ListCursor<std::int16_t> poles_;
    ListCursor<std::int16_t> voltages_;
    ListCursor<std::string> categories_;
    ListCursor<Unit> units_;
    ListCursor<std::string> powers_;
};

} // namespace pelgo
