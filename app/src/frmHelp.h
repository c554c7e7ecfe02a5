#pragma once

// The help viewer: a small window above the main window showing a local help
// page. It hides itself as soon as the user works elsewhere and is navigated
// again on the next help press.

#include <QUrl>
#include <QWidget>

class QWebEngineView;

namespace pelgo::app {

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* mainWindow);

    // Navigates to the page file and shows the window (non-modal, on top).
    void showPage(const QString& path);
    QUrl page() const { return page_; }
    QWebEngineView* browser() const { return WebBrowser1_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void focusMoved(QWidget* now);

    QWebEngineView* WebBrowser1_;
    QUrl page_;
};

} // namespace pelgo::app
