#include "WizardScreen.h"

#include "AppText.h"
#include "ImageButton.h"
#include "Messages.h"
#include "frmFundo.h"
#include "frmHelp.h"
#include "frmMDI.h"

#include "pelgo/DataError.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/clsPelgo_Geral.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextEdit>

#include <exception>

namespace pelgo::app {

namespace {

// Geometry of the common layout, in pixels (15 twips each).
constexpr QRect kSideFrame(0, 0, 36, 537);
constexpr QRect kHeaderFrame(48, 72, 678, 41); // 10170 x 615 at 720, 1080
constexpr QRect kBodyFull(48, 125, 678, 360);
constexpr QRect kBodyAboveMessages(48, 125, 678, 300);
constexpr QRect kMessageCaption(48, 430, 678, 16);
constexpr QRect kMessageBox(48, 447, 678, 40);
constexpr QRect kButtonFrame(48, 494, 678, 37);
constexpr int kRegisGap = 2;

const char* const kSubTitle = "[ Soft-Starter ]             Pelgo CD 1.3";

QFont verdana(double points, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFrame* whiteFrame(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setProperty("card", true);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

QString dataErrorText(const DataError& error, const QString& language)
{
    return QStringLiteral("%1\n\n%2: %3")
        .arg(shellText(language, "MERRODADOS", QStringLiteral("The installation's data files are incomplete or damaged.")),
             qs(error.file()), qs(error.detail()));
}

QString shellText(const QString& language, const char* tag, const QString& fallback)
{
    try {
        clsPelgo_Geral catalogue;
        catalogue.CarregaXML(language.isEmpty() ? "ENG" : ss(language), "SHELL");
        return qs(catalogue.GetTextosPelgo(tag));
    } catch (const std::exception&) {
        return fallback;
    }
}

WizardScreen::WizardScreen(frmMDI& mdi, int number)
    : QWidget(mdi.screenArea()), mdi_(mdi), number_(number)
{
    resize(kScreenSize);
    hide();

    auto* side = whiteFrame(this, "fraImgLat", kSideFrame);
    side->setProperty("card", false);
    auto* sidePicture = new QLabel(side);
    sidePicture->setObjectName(QStringLiteral("imgLateral"));
    sidePicture->setPixmap(QPixmap(installedFile(QStringLiteral("Imagens"), QStringLiteral("lateral.png"))));
    sidePicture->setGeometry(0, 0, kSideFrame.width(), kSideFrame.height());

    fraSubTitulo_ = whiteFrame(this, "fraSubTitulo", kHeaderFrame);
    lblPelgo_ = new QLabel(fraSubTitulo_);
    lblPelgo_->setObjectName(QStringLiteral("lblPelgo"));
    lblPelgo_->setFont(verdana(14.25, true, true));
    lblPelgo_->move(14, 7);
    lblregis_ = new QLabel(QStringLiteral("®"), fraSubTitulo_);
    lblregis_->setObjectName(QStringLiteral("lblregis"));
    lblregis_->setFont(verdana(6.75, false));
    lblregis_->adjustSize();
    lblSubPelgo_ = new QLabel(QString::fromUtf8(kSubTitle), fraSubTitulo_);
    lblSubPelgo_->setObjectName(QStringLiteral("lblSubPelgo"));
    lblSubPelgo_->setFont(verdana(9.75, true));
    lblSubPelgo_->adjustSize();
    lblSubPelgo_->move(kHeaderFrame.width() - lblSubPelgo_->width() - 14,
                       (kHeaderFrame.height() - lblSubPelgo_->height()) / 2);

    body_ = new QWidget(this);
    body_->setObjectName(QStringLiteral("fraCorpo"));
    body_->setGeometry(kBodyFull);

    frabotao_ = whiteFrame(this, "frabotao", kButtonFrame);
    auto* buttons = new QHBoxLayout(frabotao_);
    buttons->setContentsMargins(4, 4, 4, 4);
    buttons->setSpacing(8);
    leftButtons_ = new QHBoxLayout;
    leftButtons_->setSpacing(8);
    rightButtons_ = new QHBoxLayout;
    rightButtons_->setSpacing(8);
    buttons->addLayout(leftButtons_);
    buttons->addStretch(1);
    buttons->addLayout(rightButtons_);
}

WizardScreen::~WizardScreen() = default;

const QPixmap& WizardScreen::backgroundPicture()
{
    static const QPixmap picture = [] {
        QPixmap loaded(installedFile(QStringLiteral("Imagens"), QStringLiteral("fundo_tela.png")));
        if (loaded.isNull()) {
            loaded = QPixmap(kScreenSize);
            loaded.fill(QColor(243, 245, 248));
        }
        return loaded;
    }();
    return picture;
}

clsPelgo& WizardScreen::pelgo() const { return mdi_.pelgo(); }
frmFundo& WizardScreen::router() const { return mdi_.router(); }
QString WizardScreen::idioma() const { return qs(mdi_.pelgo().Idioma()); }
QString WizardScreen::helpLanguage() const { return idioma(); }

bool WizardScreen::load()
{
    try {
        inicia_ = iniciaStep();
        if (inicia_ != 0 && !codeIsNormal(inicia_)) {
            mostraMensagem(this, QStringLiteral("err: %1").arg(inicia_));
            fallBack();
            return false;
        }
        refreshTitle();
        fillScreen();
        return true;
    } catch (const DataError& error) {
        mostraMensagem(this, dataErrorText(error, mdi_.textLanguage()));
    } catch (const std::exception& error) {
        mostraMensagem(this, QString::fromUtf8(error.what()));
    }
    fallBack();
    return false;
}

void WizardScreen::fallBack()
{
    const int previous = fallBackTarget();
    if (previous == kNoScreen)
        return;
    if (WizardScreen* shown = router().screen(previous)) {
        if (growsOnFallBack())
            ExpandeFormulario(shown, 25, 1);
        shown->move(0, 0);
        shown->show();
        shown->raise();
        return;
    }
    router().setNextForm(static_cast<std::int16_t>(previous));
    router().show();
}

void WizardScreen::refreshTitle()
{
    lblPelgo_->setText(qs(pelgo().Titulo()));
    lblPelgo_->adjustSize();
    lblPelgo_->move(lblPelgo_->x(), (kHeaderFrame.height() - lblPelgo_->height()) / 2);
    lblregis_->move(lblPelgo_->x() + lblPelgo_->width() + kRegisGap, lblPelgo_->y() + 2);
}

ImageButton* WizardScreen::addButton(const QString& objectName, ButtonPlace place, std::function<void()> action)
{
    auto* created = new ImageButton(frabotao_);
    created->setObjectName(objectName);
    (place == ButtonPlace::Left ? leftButtons_ : rightButtons_)->addWidget(created);
    connect(created, &QAbstractButton::clicked, this, [this, action = std::move(action)] { guarded(action); });
    return created;
}

void WizardScreen::addStandardButtons(bool back, bool help, bool forward)
{
    if (help)
        addButton(QStringLiteral("imgbtAjuda"), ButtonPlace::Left, [this] { showHelp(); });
    if (back)
        addButton(QStringLiteral("imgbtVoltar"), ButtonPlace::Right, [this] { goBack(); });
    if (forward)
        addButton(QStringLiteral("imgbtAvancar"), ButtonPlace::Right, [this] { onForward(); });
}

void WizardScreen::setPicture(ImageButton* target, const std::string& fileName)
{
    if (target)
        target->setPicture(qs(fileName));
}

ImageButton* WizardScreen::button(const QString& objectName) const
{
    return findChild<ImageButton*>(objectName);
}

QLabel* WizardScreen::caption(const QString& objectName, const std::string& text)
{
    auto* label = findChild<QLabel*>(objectName);
    if (!label) {
        label = new QLabel(body_);
        label->setObjectName(objectName);
    }
    label->setText(qs(text));
    return label;
}

void WizardScreen::createMessageArea(const std::string& captionText)
{
    if (!rtbMensagem_) {
        body_->setGeometry(kBodyAboveMessages);
        lblTMensagem_ = new QLabel(this);
        lblTMensagem_->setObjectName(QStringLiteral("lblTMensagem"));
        lblTMensagem_->setGeometry(kMessageCaption);
        rtbMensagem_ = new QTextEdit(this);
        rtbMensagem_->setObjectName(QStringLiteral("rtbMensagem"));
        rtbMensagem_->setReadOnly(true);
        rtbMensagem_->setGeometry(kMessageBox);
    }
    lblTMensagem_->setText(qs(captionText));
}

void WizardScreen::clearMessage()
{
    if (rtbMensagem_)
        rtbMensagem_->clear();
}

bool WizardScreen::check(const std::string& message, QWidget* field)
{
    if (message.empty())
        return true;
    if (rtbMensagem_)
        rtbMensagem_->setPlainText(qs(message));
    if (field) {
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
    }
    return false;
}

void WizardScreen::onForward()
{
    clearMessage();
    if (!validate())
        return;
    store();
    goForward();
}

void WizardScreen::goForward()
{
    if (keepsEntriesOnForward())
        leaveHidden(forwardTarget());
    else
        leaveUnloaded(forwardTarget());
}
void WizardScreen::goBack() { leaveUnloaded(backTarget()); }

void WizardScreen::leaveHidden(int next)
{
    hide();
    router().setNextForm(static_cast<std::int16_t>(next));
    router().show();
}

void WizardScreen::leaveUnloaded(int next)
{
    router().unload(this);
    router().setNextForm(static_cast<std::int16_t>(next));
    router().show();
}

void WizardScreen::showHelp()
{
    const QString page = QStringLiteral("Ajuda_%1_%2.htm").arg(helpPage(), helpLanguage());
    mdi_.help().showPage(installedFile(QStringLiteral("help"), page));
}

void WizardScreen::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DataError& error) {
        mostraMensagem(this, dataErrorText(error, mdi_.textLanguage()));
    } catch (const std::exception& error) {
        mostraMensagem(this, QString::fromUtf8(error.what()));
    }
}

void WizardScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, backgroundPicture());
}

} // namespace pelgo::app
