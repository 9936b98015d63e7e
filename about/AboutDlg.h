#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class TAboutDlg;
}
class QColor;

// The about box: the program's name, version and copyright, the author's e-mail address and web
// site as links, and a note. The links hand their addresses to openAddress and open nothing
// themselves, so the window decides how an address reaches the desktop.
class TAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit TAboutDlg(std::function<void(const QString&)> openAddress, QWidget* parent = nullptr);
    ~TAboutDlg() override;

    // Puts the texts and the program icon in place. Without Additional the dialog is shorter: the
    // panel ends below the contact block and the OK button moves up with it.
    void fill(const QString& Name, const QString& Version, const QString& Copyright,
              const QString& Additional, const QString& EMail, const QString& Web);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void EmailLabelMouseMove();
    void WWWLabelMouseMove();
    void FormMouseMove();
    void EmailLabelClick();
    void WWWLabelClick();

    void wireMouse();
    void setLinkColours(const QColor& email, const QColor& web);

    std::unique_ptr<Ui::TAboutDlg> ui;
    std::function<void(const QString&)> openAddress_;
};

// Shows the about box modally, owned by owner, and frees it before returning. Returns true when
// the dialog was closed with OK (the button, Enter or Esc), false when closed from the title bar.
bool ShowAboutBox(const QString& Name, const QString& Version, const QString& Copyright,
                  const QString& Additional, const QString& EMail, const QString& Web,
                  const std::function<void(const QString&)>& openAddress, QWidget* owner = nullptr);
