#include "Style.h"

#include "AppText.h"

#include <QApplication>
#include <QFont>

namespace pelgo::app {

namespace {

const char* const kStyleSheet = R"(
QWidget { color: #243447; }
QFrame[card="true"] { background: #ffffff; border: 1px solid #dce3ea; border-radius: 8px; }
QFrame#fraImgLat { background: #1f5f8b; border: none; }
QLabel#lblPelgo, QLabel#lblregis { color: #4a5866; background: transparent; }
QLabel#lblSubPelgo { color: #a7b1bb; background: transparent; }
QLabel[prompt="true"] { color: #c0392b; font-weight: bold; font-size: 9.75pt; }
QLabel#lblTMensagem { color: #4a5866; font-weight: bold; }
QLabel[notice="true"] { color: #4a5866; font-size: 11pt; }
QComboBox, QLineEdit {
    background: #ffffff; border: 1px solid #c5d0db; border-radius: 5px;
    padding: 3px 8px; min-height: 20px; selection-background-color: #1f5f8b;
}
QComboBox:focus, QLineEdit:focus { border: 1px solid #1f5f8b; }
QComboBox::drop-down { border: none; width: 22px; }
QComboBox::down-arrow { image: url(%1); width: 10px; height: 6px; }
QComboBox QAbstractItemView {
    background: #ffffff; border: 1px solid #c5d0db; selection-background-color: #e2ecf4;
    selection-color: #243447; outline: none;
}
QTextEdit { background: #ffffff; border: 1px solid #dce3ea; border-radius: 8px; padding: 6px; }
QTextEdit#rtbMensagem { background: #fff8e8; border: 1px solid #efd9a6; color: #7a4b00; padding: 2px 6px; }
QTextEdit[lead="true"] { font-size: 10pt; font-weight: bold; color: #1f5f8b; }
QTextEdit[note="true"] { color: #6b7785; font-size: 8pt; }
QDialog#frmDialog { background: #ffffff; }
QDialog#frmDialog QTextEdit { border: none; border-radius: 0; }
QPushButton#OKButton {
    background: #1f5f8b; color: #ffffff; border: none; border-radius: 5px; font-weight: bold;
}
QPushButton#OKButton:hover { background: #2a6f9e; }
)";

} // namespace

void applyWizardStyle(QApplication& application)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9);
    application.setFont(font);
    application.setStyle(QStringLiteral("Fusion"));
    const QString arrow = installedFile(QStringLiteral("Imagens"), QStringLiteral("seta_baixo.png"));
    application.setStyleSheet(QString::fromUtf8(kStyleSheet).arg(arrow));
}

} // namespace pelgo::app
