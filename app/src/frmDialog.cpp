#include "frmDialog.h"

#include <QPushButton>
#include <QTextEdit>

namespace pelgo::app {

frmDialog::frmDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      rtbMsg_(new QTextEdit(this)),
      OKButton_(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmDialog"));
    setModal(true);
    setFixedSize(402, 129); // 6030 x 1935 twips
    rtbMsg_->setObjectName(QStringLiteral("rtbMsg"));
    rtbMsg_->setReadOnly(true);
    rtbMsg_->setGeometry(0, 0, 402, 89);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setGeometry(160, 96, 81, 25);
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void frmDialog::setMessage(const QString& caption, const QString& text)
{
    setWindowTitle(caption);
    rtbMsg_->setPlainText(text);
}

void frmDialog::mostra(QWidget* parent, const QString& caption, const QString& text)
{
    frmDialog dialog(parent);
    dialog.setMessage(caption, text);
    if (parent)
        dialog.move(parent->window()->mapToGlobal(QPoint(264, 288))); // 3960, 4320 twips
    dialog.exec();
}

} // namespace pelgo::app
