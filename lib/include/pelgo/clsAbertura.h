#pragma once

#include <cstdint>
#include <string>

namespace pelgo {

// The opening page's texts: purpose, advantages, legal note and the access button.
class clsAbertura {
public:
    std::string Vantagens() const { return vantagens_; }
    std::string Finalidade() const { return finalidade_; }
    std::string Copyright() const { return copyright_; }
    std::string btAcessar() const { return btAcessar_; }
    void Inicia(const std::string& strIdioma);

private:
    std::string vantagens_;
    std::string finalidade_;
    std::string copyright_;
    std::string btAcessar_;
};

} // namespace pelgo
