#include "AboutDlg.h"

#include "ProgramIcon.h"
#include "ui_AboutDlg.h"

#include <QColor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

#include <array>

namespace {

const QColor kLinkColour(0, 0, 255);
const QColor kHotLinkColour(255, 0, 0);

// The memo's part of the panel, left out when there is no additional information.
constexpr int kMemoPart = 136;

void setTextColour(QLabel* label, const QColor& colour) {
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// A click is the left button let go over the link it was pressed on; the release goes to the
// widget that had the press.
bool isClick(QWidget* link, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint());
}

} // namespace

TAboutDlg::TAboutDlg(std::function<void(const QString&)> openAddress, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TAboutDlg>()), openAddress_(std::move(openAddress)) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    wireMouse();
}

TAboutDlg::~TAboutDlg() = default;

void TAboutDlg::wireMouse() {
    // A label lets a mouse move pass to the panel beneath it; kept to itself, so that the panel's
    // FormMouseMove does not undo what a link's own handler did.
    const auto watch = [this](QWidget* widget) {
        widget->setMouseTracking(true);
        widget->setAttribute(Qt::WA_NoMousePropagation);
        widget->installEventFilter(this);
    };
    const std::array<QWidget*, 11> formMove{
        this,       ui->NameLabel, ui->VersionLabel, ui->IconImage, ui->CopyrightLabel,
        ui->Panel1, ui->Label1,    ui->Label2,       ui->Label4,    ui->AdditionalMemo->viewport(),
        ui->OKBtn};
    for (QWidget* widget : formMove)
        watch(widget);
    watch(ui->EmailLabel);
    watch(ui->WWWLabel);
}

void TAboutDlg::fill(const QString& Name, const QString& Version, const QString& Copyright,
                     const QString& Additional, const QString& EMail, const QString& Web) {
    ui->NameLabel->setText(Name);
    ui->VersionLabel->setText(QStringLiteral("Verze ") + Version);
    ui->CopyrightLabel->setText(Copyright);
    ui->IconImage->setPixmap(programIcon().pixmap(32, 32));
    ui->EmailLabel->setText(EMail);
    ui->WWWLabel->setText(Web);
    // The labels fit their texts, so a link answers the mouse only where it is drawn.
    for (QLabel* label :
         {ui->NameLabel, ui->VersionLabel, ui->CopyrightLabel, ui->EmailLabel, ui->WWWLabel})
        label->adjustSize();

    if (!Additional.isEmpty()) {
        ui->AdditionalMemo->setPlainText(Additional);
        return;
    }
    setFixedHeight(height() - kMemoPart);
    ui->Bevel2->move(ui->Bevel2->x(), ui->Bevel2->y() - kMemoPart);
    ui->Panel1->resize(ui->Panel1->width(), ui->Panel1->height() - kMemoPart);
    ui->OKBtn->move(ui->OKBtn->x(), ui->OKBtn->y() - kMemoPart);
}

bool TAboutDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == ui->EmailLabel)
            EmailLabelMouseMove();
        else if (watched == ui->WWWLabel)
            WWWLabelMouseMove();
        else
            FormMouseMove();
    } else if (watched == ui->EmailLabel || watched == ui->WWWLabel) {
        if (isClick(static_cast<QWidget*>(watched), event)) {
            if (watched == ui->EmailLabel)
                EmailLabelClick();
            else
                WWWLabelClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutDlg::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button too: Esc closes with OK, where a dialog would otherwise reject.
    if (event->matches(QKeySequence::Cancel)) {
        ui->OKBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutDlg::showEvent(QShowEvent* event) {
    // Centred on the screen, not over the window that owns it.
    setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
    QDialog::showEvent(event);
}

void TAboutDlg::setLinkColours(const QColor& email, const QColor& web) {
    setTextColour(ui->EmailLabel, email);
    setTextColour(ui->WWWLabel, web);
}

void TAboutDlg::EmailLabelMouseMove() {
    setLinkColours(kHotLinkColour, kLinkColour);
}

void TAboutDlg::WWWLabelMouseMove() {
    setLinkColours(kLinkColour, kHotLinkColour);
}

void TAboutDlg::FormMouseMove() {
    setLinkColours(kLinkColour, kLinkColour);
}

void TAboutDlg::EmailLabelClick() {
    openAddress_(QStringLiteral("mailto:") + ui->EmailLabel->text());
}

void TAboutDlg::WWWLabelClick() {
    openAddress_(ui->WWWLabel->text());
}

bool ShowAboutBox(const QString& Name, const QString& Version, const QString& Copyright,
                  const QString& Additional, const QString& EMail, const QString& Web,
                  const std::function<void(const QString&)>& openAddress, QWidget* owner) {
    const auto dialog = std::make_unique<TAboutDlg>(openAddress, owner);
    dialog->fill(Name, Version, Copyright, Additional, EMail, Web);
    return dialog->exec() == QDialog::Accepted;
}
