#include "frmHelp.h"

#include <QApplication>
#include <QEvent>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace pelgo::app {

namespace {
constexpr QPoint kPlace(3, 29);    // 45, 435 twips inside the main window
constexpr QSize kSize(640, 440);   // room for a help page without side scrolling
} // namespace

frmHelp::frmHelp(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      WebBrowser1_(new QWebEngineView(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    WebBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1_);
    setFixedSize(kSize);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    connect(WebBrowser1_, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
}

void frmHelp::showPage(const QString& path)
{
    page_ = QUrl::fromLocalFile(path);
    WebBrowser1_->setUrl(page_);
    if (QWidget* main = parentWidget())
        move(main->mapToGlobal(kPlace));
    show();
    raise();
    activateWindow();
    WebBrowser1_->setFocus();
}

void frmHelp::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() &&
        QApplication::activeWindow() != nullptr)
        hide();
    QWidget::changeEvent(event);
}

void frmHelp::focusMoved(QWidget* now)
{
    // The user clicked into another window of the program (the screen behind).
    if (isVisible() && now && now->window() != this)
        hide();
}

} // namespace pelgo::app
