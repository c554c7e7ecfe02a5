#include "pelgo/clsEtapa3.h"

#include "pelgo/MotorCurves.h"
#include "pelgo/MotorData.h"
#include "pelgo/StepTexts.h"
#include "pelgo/clsPelgo_Geral.h"

#include <cmath>

namespace pelgo {

namespace {

bool positive(double value) { return std::isfinite(value) && value > 0; }

} // namespace

double clsEtapa3::CCnByIndex(std::int16_t index) const
{
    return index >= 0 && index <= 10 ? torque_[index] : 0;
}

double clsEtapa3::IInByIndex(std::int16_t index) const
{
    return index >= 0 && index <= 10 ? current_[index] : 0;
}

std::int16_t clsEtapa3::frameHeight(const std::string& standard, const std::string& frame)
{
    if (!frames_)
        frames_.emplace("Carcaca_Complement.xml");
    if (!frames_->loaded())
        return 0;
    const pugi::xml_node standardElement = frames_->find(standard);
    const pugi::xml_node frameElement = DataFile::find(standardElement, "ds" + frame);
    return frameElement ? frames_->integer(frameElement, "ds_carcaca_relativa_iec") : 0;
}

void clsEtapa3::EstimarTabela(const std::string& strNorma, std::int16_t intNrPolos, double dblPotenciaCV,
                              const std::string& strCarcaca, const std::string& strCategoria,
                              double dblConjugadoMaximo, double dblcp, double dblcn)
{
    torque_ = {};
    current_ = {};
    if (!positive(dblConjugadoMaximo) || !positive(dblcp) || !positive(dblcn))
        return;

    const MotorCurvePoints points = estimateMotorCurves(intNrPolos, frameHeight(strNorma, strCarcaca), dblPotenciaCV,
                                                        strCategoria == "D", dblConjugadoMaximo, dblcp, dblcn);
    torque_ = points.torque;
    current_ = points.current;
}

std::int16_t clsEtapa3::Inicia(const std::string& strIdioma, std::int16_t intFrequencia,
                               const std::string& strCategoria, std::int16_t intCdProduto,
                               std::int16_t intPolaridade, double dblPotenciaKw, const std::string& strMercado,
                               const std::string& strNorma, double dblPotenciaCV, const std::string& strCarcaca)
{
    loadTexts(strIdioma);
    frames_.reset(); // a new step reads the frame table afresh
    vlMaxCn_ = vlCpCn_ = vlIpIn_ = 0;

    {
        // A motor that is not in the table (at any level) simply has no
        // catalogue figures; the user types them.
        const DataFile table("Dados_Motor.xml");
        const MotorLookup motor =
            findMotor(table, MotorKey{intFrequencia, strCategoria, intCdProduto, intPolaridade, dblPotenciaKw});
        if (motor.found()) {
            vlMaxCn_ = table.real(motor.node, "vl_cmax_cn");
            vlCpCn_ = table.real(motor.node, "vl_cp_cn");
            vlIpIn_ = table.real(motor.node, "vl_ipin");
            EstimarTabela(strNorma, intPolaridade, dblPotenciaCV, strCarcaca, strCategoria, vlMaxCn_, vlCpCn_,
                          vlIpIn_);
        }
    }
    {
        const DataFile defaults("Padrao_Mercado.xml");
        const pugi::xml_node market = defaults.find(strMercado);
        if (market)
            unidadeConjugadoNominal_ = defaults.text(market, "ds_unidade_conjugado");
    }
    return 0;
}

void clsEtapa3::loadTexts(const std::string& language)
{
    clsPelgo_Geral catalogue;
    readTexts(catalogue, language, "ETAPA3",
              {{"TDADOSDOMOTOR", &tDadosdoMotor_},
               {"TCONJUGADONOMINAL", &tConjugadoNominal_},
               {"TCONJUGADOROTORBLOQUEADO", &tConjugadoRotorBloqueado_},
               {"TCONJUGADOMAXIMO", &tConjugadoMaximo_},
               {"TCORRENTEROTORBLOQUEADO", &tCorrenteRotorBloqueado_},
               {"TMENSAGEM", &tMensagem_}});
    readTexts(catalogue, language, "IMPRESSAO_PELGO", {{"TCCN", &tCCN_}, {"TIIN", &tIIN_}});
    readTexts(catalogue, language, "BOTOES",
              {{"BTESTIMAR", &btEstimar_},
               {"BTVOLTAR", &btVoltar_},
               {"BTAJUDA", &btAjuda_},
               {"BTAVANCAR", &btAvancar_}});
}

} // namespace pelgo
