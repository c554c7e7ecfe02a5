#include "frmAbertura.h"

#include "AppText.h"
#include "ImageButton.h"

#include "pelgo/clsAbertura.h"

#include <QTextEdit>

namespace pelgo::app {

namespace {

QTextEdit* textBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setGeometry(geometry);
    return box;
}

// The catalogue's texts break lines with CR LF; the purpose text ends with a lone CR.
QString plainLines(const std::string& text)
{
    QString lines = qs(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.remove(QLatin1Char('\r'));
    return lines;
}

} // namespace

frmAbertura::frmAbertura(frmMDI& mdi, int number)
    : WizardScreen(mdi, number),
      abertura_(std::make_unique<clsAbertura>()),
      rtfFinalidade_(textBox(body(), "rtfFinalidade", QRect(0, 4, 678, 70))),
      rtbVantagens_(textBox(body(), "rtbVantagens", QRect(0, 84, 678, 180))),
      rtfCopyright_(textBox(body(), "rtfCopyright", QRect(0, 274, 678, 80)))
{
    setObjectName(QStringLiteral("frmAbertura"));
    rtfFinalidade_->setProperty("lead", true);
    rtfCopyright_->setProperty("note", true);
    addButton(QStringLiteral("imgAcessar"), ButtonPlace::Right, [this] { leaveUnloaded(1); });
}

frmAbertura::~frmAbertura() = default;

std::int16_t frmAbertura::iniciaStep()
{
    abertura_->Inicia(ss(idioma()));
    return 0;
}

void frmAbertura::fillScreen()
{
    rtfFinalidade_->setPlainText(plainLines(abertura_->Finalidade()));
    rtbVantagens_->setPlainText(plainLines(abertura_->Vantagens()));
    rtfCopyright_->setPlainText(plainLines(abertura_->Copyright()));
    setPicture(button(QStringLiteral("imgAcessar")), abertura_->btAcessar());
}

} // namespace pelgo::app
