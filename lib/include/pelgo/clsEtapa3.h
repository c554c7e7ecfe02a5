#pragma once

#include "pelgo/DataFile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pelgo {

// Step 3, torque and current curves: estimates the motor's torque (C/Cn) and
// current (I/In) at 0 %, 10 % ... 100 % of rated speed from its locked-rotor
// torque, breakdown torque and locked-rotor current, taken from the motor
// table when the motor is there.
class clsEtapa3 {
public:
    std::string UnidadeConjugadoNominal() const { return unidadeConjugadoNominal_; }
    double vl_max_cn() const { return vlMaxCn_; }
    double vl_cp_cn() const { return vlCpCn_; }
    double vl_ipin() const { return vlIpIn_; }

    std::string TDadosdoMotor() const { return tDadosdoMotor_; }
    std::string TConjugadoNominal() const { return tConjugadoNominal_; }
    std::string TConjugadoRotorBloqueado() const { return tConjugadoRotorBloqueado_; }
    std::string TConjugadoMaximo() const { return tConjugadoMaximo_; }
    std::string TCorrenteRotorBloqueado() const { return tCorrenteRotorBloqueado_; }
    std::string TCCN() const { return tCCN_; }
    std::string TIIN() const { return tIIN_; }
    std::string btEstimar() const { return btEstimar_; }
    std::string TMensagem() const { return tMensagem_; }
    std::string btVoltar() const { return btVoltar_; }
    std::string btAjuda() const { return btAjuda_; }
    std::string btAvancar() const { return btAvancar_; }

    // Torque and current points 0..10 of the last estimate; 0 outside 0..10.
    double CCnByIndex(std::int16_t index) const;
    double IInByIndex(std::int16_t index) const;

    // Replaces both point sets with the estimate for these catalogue figures.
    // Figures that are not above 0 cannot describe a motor: both sets are then 0.
    void EstimarTabela(const std::string& strNorma, std::int16_t intNrPolos, double dblPotenciaCV,
                       const std::string& strCarcaca, const std::string& strCategoria, double dblConjugadoMaximo,
                       double dblcp, double dblcn);

    // Always 0.
    std::int16_t Inicia(const std::string& strIdioma, std::int16_t intFrequencia, const std::string& strCategoria,
                        std::int16_t intCdProduto, std::int16_t intPolaridade, double dblPotenciaKw,
                        const std::string& strMercado, const std::string& strNorma, double dblPotenciaCV,
                        const std::string& strCarcaca);

private:
    using Points = std::array<double, 11>;

    void loadTexts(const std::string& language);
    std::int16_t frameHeight(const std::string& standard, const std::string& frame);

    std::string unidadeConjugadoNominal_;
    double vlMaxCn_ = 0;
    double vlCpCn_ = 0;
    double vlIpIn_ = 0;
    std::string tDadosdoMotor_, tConjugadoNominal_, tConjugadoRotorBloqueado_, tConjugadoMaximo_,
        tCorrenteRotorBloqueado_, tCCN_, tIIN_, tMensagem_;
    std::string btEstimar_, btVoltar_, btAjuda_, btAvancar_;

    Points torque_{};
    Points current_{};

    // The frame table, read once per step on the first estimate.
    std::optional<DataFile> frames_;
};

} // namespace pelgo
