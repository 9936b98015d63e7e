#include "Unit1.h"

#include "ColumnWriter.h"
#include "Cp1250.h"
#include "Cp1250Validator.h"
#include "ui_Unit1.h"

#include <QEvent>
#include <QFontMetricsF>

#include <exception>
#include <limits>

namespace {

constexpr std::int32_t kDesignRowWidth = 517;

} // namespace

TForm1::TForm1(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()), dialogs_(std::move(dialogs)),
      scale_(1.0) {
    ui->setupUi(this);
    nameSeparator();

    rowEdits_ = {ui->akordy,  ui->struna1, ui->struna2, ui->struna3,
                 ui->struna4, ui->struna5, ui->struna6, ui->slova};
    scale_ = RowScale(QFontMetricsF(ui->struna1->font()).horizontalAdvance(QLatin1Char('-')));
    applyRowWidth(kDesignRowWidth);

    wireFields();
    wireHandlers();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->start();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::mirror(QLineEdit* edit, const tab::TextField& field, Store store) {
    mirror_.bind(edit, &field);
    edit->setValidator(validator_);
    edit->setMaxLength(std::numeric_limits<int>::max());
    connect(edit, &QLineEdit::textEdited, this,
            [this, edit, store = std::move(store)](const QString& text) {
                store(cp1250::encode(text));
                mirror_.adopt(edit);
            });
}

void TForm1::nameSeparator() {
    // A form cannot name a separator; tests and readers know it as N1.
    for (QAction* action : ui->abulatura1->actions())
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("N1"));
}

void TForm1::wireFields() {
    validator_ = new Cp1250Validator(this);
    const auto mirrorField = [this](QLineEdit* edit, tab::TextField& field) {
        // The design's initial text becomes the model's, so a save writes what is shown.
        field.set(cp1250::encode(edit->text()));
        mirror(edit, field, [&field](std::string text) { field.set(text); });
    };
    mirrorField(ui->Edit1, doc_.title);
    mirrorField(ui->Edit4, doc_.author);
    titlePlaceholder_ = doc_.title.text();
    authorPlaceholder_ = doc_.author.text();

    const std::array<QLineEdit*, 7> entryEdits{
        ui->znacka,        ui->struna1potvrd, ui->struna2potvrd, ui->struna3potvrd,
        ui->struna4potvrd, ui->struna5potvrd, ui->struna6potvrd};
    for (std::size_t i = 0; i < entryEdits.size(); ++i)
        mirrorField(entryEdits[i], doc_.entry.field(tab::EntryColumn::kFields[i]));

    for (std::size_t i = 0; i < rowEdits_.size(); ++i) {
        const auto row = static_cast<tab::Row>(i);
        mirror(rowEdits_[i], doc_.sheet.field(row),
               [this, row](std::string text) { doc_.sheet.setText(row, text); });
    }

    ui->Edit1->installEventFilter(this);
    ui->Edit4->installEventFilter(this);
}

template <class Sender, class Signal>
void TForm1::on(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { run(handler); });
}

void TForm1::wireHandlers() {
    on(ui->zapis, &QPushButton::clicked, &TForm1::zapisClick);
    on(ui->Reset, &QPushButton::clicked, &TForm1::ResetClick);
    on(ui->KONEC1, &QAction::triggered, &TForm1::KONEC1Click);
}

void TForm1::run(Handler handler) {
    try {
        (this->*handler)();
    } catch (const std::exception& e) {
        dialogs_->error(this, QString::fromUtf8(e.what()));
    }
    mirror_.push();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == ui->Edit1)
            run(&TForm1::Edit1Enter);
        else if (watched == ui->Edit4)
            run(&TForm1::Edit4Enter);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::applyRowWidth(std::int32_t units) {
    const int pixels = scale_.toPixels(units);
    for (QLineEdit* edit : rowEdits_)
        edit->setFixedWidth(pixels);
    ui->ScrollBox1Content->setFixedWidth(pixels);
}

void TForm1::FormCreate() {
    ShiftStep = 50;
    WrapWidth = 64;
}

void TForm1::zapisClick() {
    tab::writeColumn(doc_.sheet, doc_.entry, ui->CheckBox2->isChecked());
}

void TForm1::ResetClick() {
    doc_.entry.clear();
}

void TForm1::KONEC1Click() {
    close();
}

void TForm1::Edit1Enter() {
    tab::clearPlaceholder(doc_.title, titlePlaceholder_);
}

void TForm1::Edit4Enter() {
    tab::clearPlaceholder(doc_.author, authorPlaceholder_);
}
