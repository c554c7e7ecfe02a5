#pragma once

// The step router. A screen stores the number of the next screen in NextForm
// and calls show(); the router opens that screen once the current event
// handler has returned. Loaded screens are kept by number: a hidden screen
// reappears with its entries, an unloaded one is created and loaded afresh.

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <map>

namespace pelgo::app {

class frmMDI;
class WizardScreen;

class frmFundo : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<WizardScreen*(frmMDI&, int number)>;

    explicit frmFundo(frmMDI& mdi);

    std::int16_t NextForm() const { return nextForm_; }
    void setNextForm(std::int16_t number) { nextForm_ = number; }

    // Opens NextForm after the current handler has returned.
    void show();
    // Opens NextForm now: numbers without a screen open nothing.
    void route();

    // The screen that the router opens for a number (the report serves 15 to 17).
    void registerScreen(int number, Factory factory);
    bool hasScreen(int number) const;

    // The loaded screen of a number, or nullptr.
    WizardScreen* screen(int number) const;
    // Unloads a screen: its entries are lost and it is created afresh next time.
    void unload(int number);
    void unload(WizardScreen* screen);

signals:
    // A screen was opened (after loading when it was not loaded).
    void opened(int number);

private:
    static int slotOf(int number);

    frmMDI& mdi_;
    std::int16_t nextForm_ = -1;
    std::map<int, Factory> factories_;
    std::map<int, QPointer<WizardScreen>> loaded_;
};

// ExpandeFormulario: shows a window growing from its centre to its full size
// in steps, waiting milliseconds between steps, then places it at (0, 0).
void ExpandeFormulario(QWidget* form, int steps, int milliseconds);

} // namespace pelgo::app
