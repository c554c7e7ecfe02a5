#pragma once

// The message dialog: one message with a caption and an OK button.

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace pelgo::app {

class frmDialog : public QDialog {
    Q_OBJECT
public:
    explicit frmDialog(QWidget* parent = nullptr);

    void setMessage(const QString& caption, const QString& text);
    QTextEdit* message() const { return rtbMsg_; }
    QPushButton* okButton() const { return OKButton_; }

    // Shows the dialog modally; returns when the user presses OK.
    static void mostra(QWidget* parent, const QString& caption, const QString& text);

private:
    QTextEdit* rtbMsg_;
    QPushButton* OKButton_;
};

} // namespace pelgo::app
