#pragma once

// The one way screens show a message box, so tests can record messages
// instead of blocking on a modal box.

#include <QString>

#include <functional>

class QWidget;

namespace pelgo::app {

// Shows text in a modal message box titled with the main window's caption.
void mostraMensagem(QWidget* parent, const QString& text);

// Replaces the message box (tests); an empty handler restores it.
void setMessageHandler(std::function<void(const QString&)> handler);

} // namespace pelgo::app
