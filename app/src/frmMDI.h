#pragma once

// The main window: hosts one wizard screen at a time at its top-left corner
// and owns the one sizing record for the whole run.

#include <QMainWindow>

#include <memory>

namespace pelgo {
class clsPelgo;
}

namespace pelgo::app {

class frmFundo;
class frmHelp;

class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;

    // Loads the product title in "POR" and opens the language screen.
    void start();

    clsPelgo& pelgo() { return *pelgo_; }
    frmFundo& router() { return *router_; }
    frmHelp& help(); // created on first use
    bool hasHelp() const { return help_ != nullptr; }
    QWidget* screenArea() const { return screenArea_; }

    // Loads the title of a language into the record and the caption.
    void setTitleLanguage(const QString& code);
    QString titleLanguage() const { return titleLanguage_; }
    // The language of the shell's own texts: the chosen language once there
    // is one, else the language of the title.
    QString textLanguage() const;

private:
    std::unique_ptr<clsPelgo> pelgo_;
    frmFundo* router_;
    frmHelp* help_ = nullptr;
    QWidget* screenArea_;
    QString titleLanguage_;
};

} // namespace pelgo::app
