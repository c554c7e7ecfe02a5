#include "Messages.h"

#include <QMessageBox>
#include <QWidget>

namespace pelgo::app {

namespace {
std::function<void(const QString&)>& handler()
{
    static std::function<void(const QString&)> current;
    return current;
}
} // namespace

void mostraMensagem(QWidget* parent, const QString& text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    QWidget* window = parent ? parent->window() : nullptr;
    QMessageBox box(QMessageBox::Information, window ? window->windowTitle() : QString(), text, QMessageBox::Ok,
                    window);
    box.exec();
}

void setMessageHandler(std::function<void(const QString&)> handler_)
{
    handler() = std::move(handler_);
}

} // namespace pelgo::app
