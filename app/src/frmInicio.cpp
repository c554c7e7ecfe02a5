#include "frmInicio.h"

#include "AppText.h"
#include "ImageButton.h"
#include "Messages.h"
#include "frmMDI.h"

#include "pelgo/clsInicio.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/clsPelgo_Geral.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelgo::app {

namespace {

QLabel* prompt(QWidget* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setProperty("prompt", true);
    return label;
}

} // namespace

frmInicio::frmInicio(frmMDI& mdi, int number)
    : WizardScreen(mdi, number), inicio_(std::make_unique<clsInicio>())
{
    setObjectName(QStringLiteral("frmInicio"));

    auto* card = new QFrame(body());
    card->setObjectName(QStringLiteral("fraIdioma"));
    card->setProperty("card", true);
    card->setGeometry(119, 40, 440, 250);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(2);
    // The prompt in the three languages, readable before any language is active.
    column->addWidget(prompt(card, "Label1", "Selecione o idioma!"));
    column->addWidget(prompt(card, "Label3", "Select language!"));
    column->addWidget(prompt(card, "Label4", "¡Seleccione el idioma!"));
    column->addSpacing(20);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    auto* lblTIdioma = new QLabel(card);
    lblTIdioma->setObjectName(QStringLiteral("lblTIdioma"));
    auto* lblTMercado = new QLabel(card);
    lblTMercado->setObjectName(QStringLiteral("lblTMercado"));
    cboIdioma_ = new QComboBox(card);
    cboIdioma_->setObjectName(QStringLiteral("cboIdioma"));
    cboMercado_ = new QComboBox(card);
    cboMercado_->setObjectName(QStringLiteral("cboMercado"));
    grid->addWidget(lblTIdioma, 0, 0);
    grid->addWidget(cboIdioma_, 0, 1);
    grid->addWidget(lblTMercado, 1, 0);
    grid->addWidget(cboMercado_, 1, 1);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);
    column->addStretch(1);

    addStandardButtons(false, true, true);
    connect(cboIdioma_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            guarded([this, index] { languageChosen(index); });
    });
}

frmInicio::~frmInicio() = default;

void frmInicio::fillScreen()
{
    inicio_->Inicia();
    const QSignalBlocker quiet(cboIdioma_);
    cboIdioma_->clear();
    while (!inicio_->EOFIdioma()) {
        cboIdioma_->addItem(qs(inicio_->GetDSIdiomaDisp()), qs(inicio_->GetCDIdiomaDisp()));
        inicio_->NextIdiomaDisp();
    }
    cboIdioma_->setCurrentIndex(-1);
    // The second language is the one offered first; a list of one language
    // offers that one.
    const int first = cboIdioma_->count() > 1 ? 1 : cboIdioma_->count() - 1;
    if (first >= 0) {
        cboIdioma_->setCurrentIndex(first);
        languageChosen(first);
    }
}

QString frmInicio::languageCode() const
{
    const int index = cboIdioma_->currentIndex();
    return index < 0 ? QString() : qs(inicio_->GetCDIdiomaDispByIndex(static_cast<std::int16_t>(index)));
}

void frmInicio::languageChosen(int index)
{
    const std::string code = inicio_->GetCDIdiomaDispByIndex(static_cast<std::int16_t>(index));
    mdi().setTitleLanguage(qs(code));
    refreshTitle();

    clsPelgo_Geral catalogue;
    catalogue.CarregaXML(code, "INICIAL");
    caption(QStringLiteral("lblTIdioma"), catalogue.GetTextosPelgo("TIDIOMA"));
    caption(QStringLiteral("lblTMercado"), catalogue.GetTextosPelgo("TMERCADO"));
    catalogue.CarregaXML(code, "BOTOES");
    setPicture(button(QStringLiteral("imgbtAjuda")), catalogue.GetTextosPelgo("BTAJUDA"));
    setPicture(button(QStringLiteral("imgbtAvancar")), catalogue.GetTextosPelgo("BTAVANCAR"));

    inicio_->CarregaMercado(code);
    const std::string preferred = inicio_->MercadoPadraoIdioma(code);
    cboMercado_->clear();
    int chosen = -1;
    while (!inicio_->EOFMercado()) {
        cboMercado_->addItem(qs(inicio_->GetDSMercado()), qs(inicio_->GetCDMercado()));
        if (inicio_->GetCDMercado() == preferred)
            chosen = cboMercado_->count() - 1;
        inicio_->NextMercado();
    }
    cboMercado_->setCurrentIndex(chosen);
}

bool frmInicio::validate()
{
    const int market = cboMercado_->currentIndex();
    if (market < 0 || languageCode().isEmpty())
        return false; // nothing chosen yet: stay without a message
    standard_ = inicio_->Norma(static_cast<std::int16_t>(market));
    if (standard_.empty()) {
        mostraMensagem(this, QStringLiteral("err 1"));
        return false;
    }
    return true;
}

void frmInicio::store()
{
    const auto market = static_cast<std::int16_t>(cboMercado_->currentIndex());
    pelgo().setMercado(inicio_->GetCDMercadoByIndex(market));
    pelgo().setNorma(standard_);
    pelgo().SetIdioma(ss(languageCode()));
}

} // namespace pelgo::app
