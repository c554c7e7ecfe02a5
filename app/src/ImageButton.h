#pragma once

// A button that is a picture from Imagens/ (its caption is drawn in the
// picture, so the buttons follow the language).

#include <QAbstractButton>
#include <QPixmap>

namespace pelgo::app {

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    // Loads Imagens/<fileName> below the program folder; a missing or
    // unreadable picture is a pelgo::DataError naming the file.
    void setPicture(const QString& fileName);
    QString pictureFile() const { return pictureFile_; }
    const QPixmap& picture() const { return picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap picture_;
    QString pictureFile_;
    bool hovered_ = false;
};

} // namespace pelgo::app
