#include "frmFundo.h"

#include "WizardScreen.h"
#include "frmMDI.h"

#include <QThread>

namespace pelgo::app {

namespace {
constexpr int kResultsStep = 6;
constexpr int kFirstStep = 1;
} // namespace

frmFundo::frmFundo(frmMDI& mdi)
    : QObject(&mdi), mdi_(mdi)
{
    setObjectName(QStringLiteral("frmFundo"));
}

int frmFundo::slotOf(int number)
{
    return number >= 15 && number <= 17 ? 15 : number;
}

void frmFundo::show()
{
    QMetaObject::invokeMethod(this, &frmFundo::route, Qt::QueuedConnection);
}

void frmFundo::registerScreen(int number, Factory factory)
{
    factories_[number] = std::move(factory);
}

bool frmFundo::hasScreen(int number) const
{
    return factories_.count(number) != 0;
}

WizardScreen* frmFundo::screen(int number) const
{
    const auto found = loaded_.find(slotOf(number));
    return found == loaded_.end() ? nullptr : found->second.data();
}

void frmFundo::unload(int number)
{
    unload(screen(number));
}

void frmFundo::unload(WizardScreen* target)
{
    if (!target)
        return;
    for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
        if (it->second == target) {
            loaded_.erase(it);
            break;
        }
    }
    target->hide();
    target->deleteLater();
}

void frmFundo::route()
{
    const int number = nextForm_;
    const auto factory = factories_.find(number);
    if (factory == factories_.end())
        return;

    WizardScreen* target = screen(number);
    if (!target) {
        target = factory->second(mdi_, number);
        if (!target)
            return;
        loaded_[slotOf(number)] = target;
        if (!target->load()) {
            unload(target);
            return;
        }
        // A failed sizing has already been told to the user by the results
        // screen: the user lands on step 1 with the entries kept there.
        if (number == kResultsStep && target->Inicia() != 0) {
            unload(target);
            nextForm_ = kFirstStep;
            show();
            return;
        }
    }
    target->openedAs(number);
    target->move(0, 0);
    target->show();
    target->raise();
    emit opened(number);
}

void ExpandeFormulario(QWidget* form, int steps, int milliseconds)
{
    try {
        if (!form || steps <= 0 || form->isMinimized() || form->isMaximized())
            return;
        const int W = form->width();
        const int H = form->height();
        for (int i = 1; i <= steps; ++i) {
            const int w = W * i / steps;
            const int h = H * i / steps;
            form->setGeometry((W - w) / 2, (H - h) / 2, w, h);
            form->show();
            form->repaint();
            QThread::msleep(static_cast<unsigned long>(std::max(milliseconds, 0)));
        }
        form->setGeometry(0, 0, W, H);
    } catch (...) {
        // The animation is decoration; the window is still placed below.
    }
    if (form)
        form->move(0, 0);
}

} // namespace pelgo::app
