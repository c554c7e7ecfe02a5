#include "frmMDI.h"

#include "AppText.h"
#include "Messages.h"
#include "ScreenTable.h"
#include "WizardScreen.h"
#include "frmFundo.h"
#include "frmHelp.h"

#include "pelgo/DataError.h"
#include "pelgo/clsPelgo.h"

#include <QPainter>

namespace pelgo::app {

namespace {

// The area the screens live in; it shows the page picture while no screen is open.
class ScreenArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), WizardScreen::backgroundPicture());
    }
};

} // namespace

frmMDI::frmMDI()
    : pelgo_(std::make_unique<clsPelgo>()),
      router_(new frmFundo(*this)),
      screenArea_(new ScreenArea(this))
{
    setObjectName(QStringLiteral("frmMDI"));
    screenArea_->setObjectName(QStringLiteral("screenArea"));
    screenArea_->setFixedSize(WizardScreen::kScreenSize);
    setCentralWidget(screenArea_);
    setFixedSize(WizardScreen::kScreenSize);
    registerScreens(*router_);
}

frmMDI::~frmMDI() = default;

void frmMDI::start()
{
    setTitleLanguage(QStringLiteral("POR"));
    router_->setNextForm(-1);
    router_->route();
}

void frmMDI::setTitleLanguage(const QString& code)
{
    titleLanguage_ = code;
    try {
        pelgo_->SetTitulo(ss(code));
    } catch (const DataError& error) {
        mostraMensagem(this, dataErrorText(error, code));
    }
    setWindowTitle(qs(pelgo_->Titulo()));
}

QString frmMDI::textLanguage() const
{
    const QString chosen = qs(pelgo_->Idioma());
    return chosen.isEmpty() ? titleLanguage_ : chosen;
}

frmHelp& frmMDI::help()
{
    if (!help_)
        help_ = new frmHelp(this);
    return *help_;
}

} // namespace pelgo::app
