#pragma once

// The base of every wizard screen. It gives, once for all screens:
//   - the page background and the side picture (fraImgLat),
//   - the header band fraSubTitulo with lblPelgo (the product title), the ®
//     mark lblregis placed after it, and lblSubPelgo,
//   - the body area body() for the screen's own controls,
//   - the message area lblTMensagem / rtbMensagem (createMessageArea),
//   - the button frame frabotao with image buttons loading their pictures
//     from Imagens/ (addButton, addStandardButtons),
//   - the load life: iniciaStep() (the step class's Inicia), "err: " + code
//     and fall-back to the previous screen on a nonzero code, then
//     fillScreen(); a pelgo::DataError anywhere becomes a message naming the
//     file and element instead of a crash,
//   - forward (validate, store, hide, route on), back (unload, route back) and
//     help (the screen's help page in the help window).
// A screen overrides only the hooks it needs and adds its own controls.

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

class QFrame;
class QHBoxLayout;
class QLabel;
class QTextEdit;

namespace pelgo {
class DataError;
class clsPelgo;
} // namespace pelgo

namespace pelgo::app {

class ImageButton;
class frmFundo;
class frmMDI;

// The message shown for a data error: the file and the element or attribute.
QString dataErrorText(const DataError& error, const QString& language);

// A text of the shell's own catalogue section (SHELL), or fallback when the
// catalogue cannot give it.
QString shellText(const QString& language, const char* tag, const QString& fallback);

class WizardScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kScreenSize{774, 537}; // 11610 x 8055 twips
    static constexpr int kNoScreen = -100;      // fallBackTarget(): reopen nothing

    WizardScreen(frmMDI& mdi, int number);
    ~WizardScreen() override;

    int number() const { return number_; }
    // The return code of the step class's Inicia; 0 when the screen loaded normally.
    std::int16_t Inicia() const { return inicia_; }

    // Runs the load life; false when the screen could not start and must be
    // unloaded (the user has been told and the fall-back screen requested).
    bool load();

    // Called by the router each time it opens the screen (the report learns
    // the number it was opened as).
    virtual void openedAs(int number) { (void)number; }

    static const QPixmap& backgroundPicture();

protected:
    // ---- hooks for each screen ----
    // Creates the step class and calls its Inicia; returns its code.
    virtual std::int16_t iniciaStep() { return 0; }
    // A nonzero code that the screen handles itself (the results screen).
    virtual bool codeIsNormal(std::int16_t code) const { return code == 0; }
    // Captions, pictures, lists and defaults, after a successful Inicia.
    virtual void fillScreen() {}
    // The screen shown again when this one cannot start.
    virtual int fallBackTarget() const { return number_ <= 1 ? kNoScreen : number_ - 1; }
    // Steps 4 and 5 show that screen growing from its centre.
    virtual bool growsOnFallBack() const { return false; }
    // Forward: checks the fields in order (false after the first message),
    // then writes them into the sizing record.
    virtual bool validate() { return true; }
    virtual void store() {}
    virtual int forwardTarget() const { return number_ + 1; }
    // Forward hides the screen (its entries stay) unless it says otherwise.
    virtual bool keepsEntriesOnForward() const { return true; }
    virtual int backTarget() const { return number_ - 1; }
    // Help page "Ajuda_<page>_<language>.htm".
    virtual QString helpPage() const { return QStringLiteral("Etapa%1").arg(number_); }
    virtual QString helpLanguage() const;

    // ---- what the base gives ----
    frmMDI& mdi() const { return mdi_; }
    clsPelgo& pelgo() const;
    frmFundo& router() const;
    QString idioma() const; // the record's language

    // The area for the screen's own controls, below the header.
    QWidget* body() const { return body_; }

    enum class ButtonPlace { Left, Right };
    // An image button in the button frame; its click runs action guarded.
    ImageButton* addButton(const QString& objectName, ButtonPlace place, std::function<void()> action);
    // imgbtAjuda (left), imgbtVoltar and imgbtAvancar (right), wired to
    // showHelp, goBack and onForward.
    void addStandardButtons(bool back, bool help, bool forward);
    // Loads a picture file of Imagens/ into a button (DataError when missing).
    void setPicture(ImageButton* button, const std::string& fileName);
    ImageButton* button(const QString& objectName) const;

    // A caption label by object name (created in the body when missing).
    QLabel* caption(const QString& objectName, const std::string& text);

    // lblTMensagem with rtbMensagem above the button frame.
    void createMessageArea(const std::string& caption);
    QTextEdit* messageBox() const { return rtbMensagem_; }
    void clearMessage();
    // Shows message (when not empty) in rtbMensagem, focuses field and
    // selects its text; true when message is empty.
    bool check(const std::string& message, QWidget* field);

    // Routing.
    void onForward();            // clear message, validate, store, goForward
    void goForward();            // hide (or unload), NextForm = forwardTarget, route
    void goBack();               // unload, NextForm = backTarget, route
    void leaveHidden(int next);  // hide and route to next
    void leaveUnloaded(int next);
    void showHelp();

    // Runs a handler; data errors and other failures become a message box.
    void guarded(const std::function<void()>& action);

    // Sets lblPelgo to the record's title and moves lblregis after it.
    void refreshTitle();

    void paintEvent(QPaintEvent* event) override;

private:
    void fallBack();

    frmMDI& mdi_;
    int number_;
    std::int16_t inicia_ = 0;

    QFrame* fraSubTitulo_;
    QLabel* lblPelgo_;
    QLabel* lblregis_;
    QLabel* lblSubPelgo_;
    QWidget* body_;
    QFrame* frabotao_;
    QHBoxLayout* leftButtons_;
    QHBoxLayout* rightButtons_;
    QLabel* lblTMensagem_ = nullptr;
    QTextEdit* rtbMensagem_ = nullptr;
};

} // namespace pelgo::app
