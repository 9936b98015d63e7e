#include "Unit1.h"

#include "AboutDlg.h"
#include "BuildConfig.h"
#include "BuiltFooter.h"
#include "Chords.h"
#include "ColumnWriter.h"
#include "Cp1250.h"
#include "DocumentFiles.h"
#include "FieldValidator.h"
#include "FileAccess.h"
#include "Incoming.h"
#include "IntegerText.h"
#include "Opening.h"
#include "PrintTab.h"
#include "RowEdit.h"
#include "Saturating.h"
#include "StatusText.h"
#include "StructuralEdits.h"
#include "TabFile.h"
#include "TextOutput.h"
#include "TextTabReader.h"
#include "ui_Unit1.h"

#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <exception>
#include <limits>
#include <optional>
#include <tuple>

TForm1::TForm1(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()), dialogs_(std::move(dialogs)),
      rowView_(0), scale_(1.0) {
    ui->setupUi(this);
    setWindowTitle(programCaption());
    nameSeparator();
    // The design gives the rows their starting width; "Vymazat vše" brings them back to it.
    rowView_ = RowView(ui->akordy->width());
    // A window made smaller than its content scrolls it a good stretch at a time.
    ui->FormScroll->horizontalScrollBar()->setSingleStep(100);

    rowEdits_ = {ui->akordy,  ui->struna1, ui->struna2, ui->struna3,
                 ui->struna4, ui->struna5, ui->struna6, ui->slova};
    scale_ = RowScale(QFontMetricsF(ui->struna1->font()).horizontalAdvance(QLatin1Char('-')));
    doc_.sheet.setChangeHandler([this](tab::Row row) { rowChanged(row); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->start();
    takeDesignTexts();
    // From here on every change of the document can be undone; the design's texts cannot.
    history_ = std::make_unique<DocumentHistory>(doc_, ui->Zpt1, ui->Znovu1);
    wireFields();
    wireHandlers();

    FormCreate();
    pushToWidgets();
}

TForm1::~TForm1() = default;

void TForm1::refuseUnstorable(QLineEdit* edit) {
    edit->setValidator(validator_);
    // A field holds any length; a line edit would stop at 32767 characters.
    edit->setMaxLength(std::numeric_limits<int>::max());
}

void TForm1::refuseUnstorable(RowEdit* edit) {
    edit->setInsertFilter(cp1250::representable);
}

template <class Edit> void TForm1::mirror(Edit* edit, const tab::TextField& field, Store store) {
    mirror_.bind(edit, &field);
    refuseUnstorable(edit);
    history_->follow(edit, field);
    connect(edit, &Edit::textEdited, this,
            [this, edit, store = std::move(store)](const QString& text) {
                guarded([&] {
                    history_->typing(edit);
                    store(cp1250::encode(text));
                    mirror_.adopt(edit);
                });
            });
}

void TForm1::nameSeparator() {
    // A form cannot name a separator; tests and readers know it as N1.
    for (QAction* action : ui->abulatura1->actions())
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("N1"));
}

std::array<QLineEdit*, 7> TForm1::entryEdits() const {
    return {ui->znacka,        ui->struna1potvrd, ui->struna2potvrd, ui->struna3potvrd,
            ui->struna4potvrd, ui->struna5potvrd, ui->struna6potvrd};
}

void TForm1::takeDesignTexts() {
    // The design's initial texts become the model's, so a save writes what is shown.
    doc_.title.set(cp1250::encode(ui->Edit1->text()));
    doc_.author.set(cp1250::encode(ui->Edit4->text()));
    titlePlaceholder_ = doc_.title.text();
    authorPlaceholder_ = doc_.author.text();
    const auto entry = entryEdits();
    for (std::size_t i = 0; i < entry.size(); ++i)
        doc_.entry.field(tab::EntryColumn::kFields[i]).set(cp1250::encode(entry[i]->text()));
}

void TForm1::wireFields() {
    validator_ = new FieldValidator(this);
    const auto mirrorField = [this](auto* edit, tab::TextField& field) {
        mirror(edit, field, [&field](std::string text) { field.set(text); });
    };
    mirrorField(ui->Edit1, doc_.title);
    mirrorField(ui->Edit4, doc_.author);
    const auto entry = entryEdits();
    for (std::size_t i = 0; i < entry.size(); ++i)
        mirrorField(entry[i], doc_.entry.field(tab::EntryColumn::kFields[i]));

    for (std::size_t i = 0; i < rowEdits_.size(); ++i) {
        const auto row = static_cast<tab::Row>(i);
        mirror(rowEdits_[i], doc_.sheet.field(row),
               [this, row](std::string text) { doc_.sheet.setText(row, text); });
    }
    // The settings keep no undo of their own either: there is one history in the window.
    history_->takeUndoFrom(ui->Edit2);
    history_->takeUndoFrom(ui->Edit3);
    ui->Znovu1->setShortcuts(
        {ui->Znovu1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});

    ui->Edit1->installEventFilter(this);
    ui->Edit4->installEventFilter(this);
}

template <class Sender, class Signal>
void TForm1::on(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { run(handler); });
}

template <class Sender, class Signal>
void TForm1::command(Sender* sender, Signal signal, Handler handler, const char* label) {
    connect(sender, signal, this, [this, handler, label] {
        asStep(QString::fromUtf8(label), [&] { (this->*handler)(); });
    });
}

void TForm1::asStep(const QString& label, const std::function<void()>& work) {
    guarded([&] {
        history_->begin(label);
        // Closed also when the work fails halfway: what it changed stays changed, and undoable.
        const auto close = qScopeGuard([this] { history_->commit(); });
        work();
    });
}

void TForm1::wireHandlers() {
    command(ui->zapis, &QPushButton::clicked, &TForm1::zapisClick, "Zapiš");
    command(ui->Reset, &QPushButton::clicked, &TForm1::ResetClick, "Reset");
    command(ui->Nahrt1, &QAction::triggered, &TForm1::Nahrt1Click, "Nahrát");
    command(ui->Nahrttextovtabtxt1, &QAction::triggered, &TForm1::Nahrttextovtabtxt1Click,
            "Nahrát textový tab");
    command(ui->Vloittabzeschrnky1, &QAction::triggered, &TForm1::Vloittabzeschrnky1Click,
            "Vložit tab ze schránky");
    command(ui->takt, &QPushButton::clicked, &TForm1::taktClick, "taktová čára");
    command(ui->sloupec, &QPushButton::clicked, &TForm1::sloupecClick, "prázdný sloupec");
    command(ui->Button39, &QPushButton::clicked, &TForm1::Button39Click, "Backspace");
    command(ui->Button4, &QPushButton::clicked, &TForm1::Button4Click, "Vymazat vše");
    command(ui->Button38, &QPushButton::clicked, &TForm1::Button38Click, "Doplnění tabulatury");
    on(ui->Zpt1, &QAction::triggered, &TForm1::Zpt1Click);
    on(ui->Znovu1, &QAction::triggered, &TForm1::Znovu1Click);

    on(ui->KONEC1, &QAction::triggered, &TForm1::KONEC1Click);
    on(ui->Uloitkeditaci1, &QAction::triggered, &TForm1::Uloitkeditaci1Click);
    on(ui->Uloittextovvstuptxt1, &QAction::triggered, &TForm1::Uloittextovvstuptxt1Click);
    on(ui->Tisk1, &QAction::triggered, &TForm1::Tisk1Click);
    on(ui->UloitjakoPDFpdf1, &QAction::triggered, &TForm1::UloitjakoPDFpdf1Click);
    on(ui->Oprogramu1, &QAction::triggered, &TForm1::Oprogramu1Click);
    on(ui->Archivtabulatur1, &QAction::triggered, &TForm1::Archivtabulatur1Click);
    on(ui->Help1, &QAction::triggered, &TForm1::Help1Click);
    on(ui->Edit2, &QLineEdit::textChanged, &TForm1::Edit2Change);
    on(ui->SpinButton1Up, &QToolButton::clicked, &TForm1::SpinButton1UpClick);
    on(ui->SpinButton1Down, &QToolButton::clicked, &TForm1::SpinButton1DownClick);
    on(ui->Edit3, &QLineEdit::textChanged, &TForm1::Edit3Change);
    on(ui->SpinButton2Up, &QToolButton::clicked, &TForm1::SpinButton2UpClick);
    on(ui->SpinButton2Down, &QToolButton::clicked, &TForm1::SpinButton2DownClick);
    on(ui->Button40, &QPushButton::clicked, &TForm1::Button40Click);
    on(ui->Button41, &QPushButton::clicked, &TForm1::Button41Click);
    on(Timer1, &QTimer::timeout, &TForm1::Timer1Timer);

    // Each mark is undone under the name its label gives the technique.
    const std::array<std::tuple<QPushButton*, QLabel*, const tab::Mark*>, 5> marks{{
        {ui->Button44, ui->Label17, &tab::kPalmMutingMark},
        {ui->Button45, ui->Label18, &tab::kArtificialHarmonic},
        {ui->Button46, ui->Label19, &tab::kNaturalHarmonic},
        {ui->znacka1, ui->Label15, &tab::kHammerOn},
        {ui->Button37, ui->Label16, &tab::kPullOff},
    }};
    for (const auto& [button, label, mark] : marks)
        connect(button, &QPushButton::clicked, this, [this, label, mark] {
            asStep(label->text(), [&] { tab::addMark(doc_.entry, *mark); });
        });

    // The buttons in the order of the chord table: rows major, 7, m, +, dim.
    const std::array<QPushButton*, 35> chordButtons{
        ui->Button7,  ui->Button8,  ui->Button6,  ui->Button9,  ui->Button10, ui->Button11,
        ui->Button12, ui->Button2,  ui->Button3,  ui->Button5,  ui->Button14, ui->Button15,
        ui->Button16, ui->Button17, ui->Am,       ui->Button13, ui->Button18, ui->Button19,
        ui->Button20, ui->Button21, ui->Button22, ui->Button30, ui->Button31, ui->Button32,
        ui->Button33, ui->Button34, ui->Button35, ui->Button36, ui->Button23, ui->Button24,
        ui->Button25, ui->Button26, ui->Button27, ui->Button28, ui->Button29};
    const auto chords = tab::chordTable();
    for (std::size_t i = 0; i < chordButtons.size(); ++i)
        connect(chordButtons[i], &QPushButton::clicked, this, [this, chord = &chords[i]] {
            const QString name =
                QString::fromLatin1(chord->name.data(), static_cast<qsizetype>(chord->name.size()));
            asStep(QString::fromUtf8("akord ") + name,
                   [&] { tab::fillEntry(doc_.entry, *chord, ui->CheckBox1->isChecked()); });
        });
}

void TForm1::run(Handler handler) {
    guarded([&] { (this->*handler)(); });
}

void TForm1::guarded(const std::function<void()>& work) {
    showingErrors(work);
    // Also after an error: what the handler changed before it stays changed, and is shown.
    showingErrors([this] { pushToWidgets(); });
}

void TForm1::showingErrors(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        dialogs_->error(this, QString::fromUtf8(e.what()));
    }
}

void TForm1::pushToWidgets() {
    history_->showing([this] { mirror_.push(); });
    if (shownSource_ != doc_.source.revision()) {
        const std::string& source = doc_.source.text();
        setWindowTitle(source.empty() ? programCaption()
                                      : programCaption() + QStringLiteral("  (") +
                                            QString::fromStdString(source) + QLatin1Char(')'));
        shownSource_ = doc_.source.revision();
    }
    history_->refresh();
    if (shownRowWidth_ != rowView_.width()) {
        const int pixels = scale_.toPixels(rowView_.width());
        for (RowEdit* edit : rowEdits_)
            edit->setFixedWidth(pixels);
        ui->ScrollBox1Content->setFixedWidth(pixels);
        shownRowWidth_ = rowView_.width();
    }
    if (scrollToEnd_) {
        // Beyond the last position the bar stops at the end, which is the point.
        ui->ScrollBox1->horizontalScrollBar()->setValue(scale_.toPixels(rowView_.width()));
        scrollToEnd_ = false;
    }
    if (statusStale_) {
        const std::size_t length = doc_.sheet.text(tab::Row::struna1).size();
        ui->Label26->setText(QString::fromStdString(status::charCountText(length)));
        ui->Label30->setText(
            QString::fromStdString(status::lineCountText(status::lineCount(length, WrapWidth))));
        statusStale_ = false;
    }
}

namespace {

// Entering a field, not the window coming back to the front or a menu closing over it: those
// hand the focus back to a field the user is already in.
bool entersField(const QEvent* event) {
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (entersField(event) && (watched == ui->Edit1 || watched == ui->Edit4)) {
        // A prompt cleared on entry goes with the typing that follows it, as one step.
        history_->typing(watched);
        run(watched == ui->Edit1 ? &TForm1::Edit1Enter : &TForm1::Edit4Enter);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormCreate() {
    ShiftStep = RowView::kStartShiftStep;
    WrapWidth = io::kStartWrapWidth;
    // The fields show the values in force; they are not changes of the user's.
    const QSignalBlocker quietWidth(ui->Edit2);
    const QSignalBlocker quietStep(ui->Edit3);
    ui->Edit2->setText(QString::number(WrapWidth));
    ui->Edit3->setText(QString::number(ShiftStep));
}

void TForm1::rowChanged(tab::Row row) {
    // The chord row has no change handling of its own.
    if (row == tab::Row::akordy)
        return;
    // The character count and the block count are both shown from struna1's length.
    if (row == tab::Row::struna1)
        updateLineCount();
    growRows(row);
}

void TForm1::growRows(tab::Row row) {
    if (rowView_.grow(doc_.sheet.text(row).size()) && ui->RadioButton1->isChecked())
        scrollToEnd_ = true;
}

void TForm1::updateLineCount() {
    statusStale_ = true;
}

void TForm1::Timer1Timer() {
    runningTime_.tick();
    ui->Label23->setText(QString::fromStdString(runningTime_.secondsText()));
    if (const auto minutes = runningTime_.minutesText()) {
        ui->Label24->setText(QString::fromStdString(*minutes));
        ui->Label24->show();
    }
    if (const auto hours = runningTime_.hoursText()) {
        ui->Label25->setText(QString::fromStdString(*hours));
        ui->Label25->show();
    }
}

void TForm1::Edit3Change() {
    ShiftStep = integer_text::toInt32(ui->Edit3->text().toStdString());
}

void TForm1::step(std::int32_t& value, std::int32_t delta, QLineEdit* field) {
    // The arrows step from the value in force, whatever the field shows; writing the field
    // then runs its change handler, which reads the value back.
    value = saturatingAdd(value, delta);
    field->setText(QString::number(value));
}

void TForm1::SpinButton2UpClick() {
    step(ShiftStep, 1, ui->Edit3);
}

void TForm1::SpinButton2DownClick() {
    step(ShiftStep, -1, ui->Edit3);
}

void TForm1::Edit2Change() {
    const std::int32_t width = integer_text::toInt32(ui->Edit2->text().toStdString());
    if (width <= 0) {
        // The message box takes the mouse: a held arrow must not go on stepping behind it.
        ui->SpinButton1Down->setDown(false);
        ui->SpinButton1Up->setDown(false);
        dialogs_->message(this, QString::fromUtf8("Musíte zadat číslo větší než 0!"));
        WrapWidth = io::kStartWrapWidth;
        ui->Edit2->setText(QString::number(WrapWidth));
        return;
    }
    WrapWidth = width;
    updateLineCount();
}

void TForm1::SpinButton1UpClick() {
    step(WrapWidth, 1, ui->Edit2);
}

void TForm1::SpinButton1DownClick() {
    step(WrapWidth, -1, ui->Edit2);
}

QString TForm1::programCaption() {
    return QString::fromUtf8(build_config::kProgramCaption);
}

void TForm1::Uloitkeditaci1Click() {
    const QString chosen = dialogs_->saveFileName(this, QStringLiteral("Tabulatury|*.tab"));
    if (chosen.isEmpty())
        return;
    file_access::writeWholeFile(file_access::withExtension(chosen, QStringLiteral(".tab")),
                                io::writeTabFile(toTabDocument(doc_)));
}

namespace {

const char* const kWhatATabIs =
    "Tab tvoří šest řádků strun pod sebou, od e po E, například „e|--0--“.";

} // namespace

void TForm1::openFile(const QString& name) {
    asStep(QString::fromUtf8("Nahrát"), [&] {
        // A desktop hands over "SONG.TAB" as readily as "song.tab".
        if (name.endsWith(QStringLiteral(".tab"), Qt::CaseInsensitive))
            openTabFile(name);
        else
            openTextFile(name);
    });
}

void TForm1::Nahrt1Click() {
    const QString name = dialogs_->openFileName(this, QStringLiteral("tabulatury|*.tab"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(QStringLiteral(".tab"), Qt::CaseSensitive)) {
        dialogs_->message(this, QString::fromUtf8("Musíte vybrat soubor s příponou .tab!"));
        return;
    }
    openTabFile(name);
}

void TForm1::Nahrttextovtabtxt1Click() {
    const QString name =
        dialogs_->openFileName(this, QString::fromUtf8("Textové taby|*.txt|Všechny soubory|*"));
    if (!name.isEmpty())
        openTextFile(name);
}

void TForm1::openTabFile(const QString& name) {
    // Many tabs shared as .tab files are plain text; any file in our own layout is not.
    take(name, cp1250::openTab(file_access::readWholeFile(name)));
}

void TForm1::openTextFile(const QString& name) {
    take(name, cp1250::openText(file_access::readWholeFile(name)));
}

void TForm1::take(const QString& name, const cp1250::Opened& opened) {
    // The file was read and parsed whole before this: a refused or failed load changes nothing.
    if (!opened.doc) {
        dialogs_->message(this, QString::fromUtf8("V souboru „%1“ není žádný tab. ").arg(name) +
                                    QString::fromUtf8(kWhatATabIs));
        return;
    }
    // Part of the document, so that undoing the load brings back the caption it replaced.
    doc_.source.set(name.toStdString());
    replaceDocument(doc_, *opened.doc);
    tellReplaced(opened.replaced);
}

void TForm1::Vloittabzeschrnky1Click() {
    const cp1250::Incoming in = cp1250::fromText(QGuiApplication::clipboard()->text());
    const std::optional<io::TextTab> riff = io::readTextTab(in.bytes);
    if (!riff) {
        dialogs_->message(this, QString::fromUtf8("Ve schránce není žádný tab. ") +
                                    QString::fromUtf8(kWhatATabIs));
        return;
    }
    tab::appendRiff(doc_.sheet, riff->aligned);
    tellReplaced(in.replaced);
}

void TForm1::tellReplaced(std::size_t replaced) {
    if (replaced > 0)
        dialogs_->message(
            this, QString::fromUtf8("Počet znaků nahrazených otazníkem, protože je kódování "
                                    "Windows-1250 nemá: %1.")
                      .arg(replaced));
}

void TForm1::Uloittextovvstuptxt1Click() {
    const QString chosen = dialogs_->saveFileName(this, QString::fromUtf8("Textový výstup|*.txt"));
    if (chosen.isEmpty())
        return;
    file_access::writeWholeFile(
        file_access::withExtension(chosen, QStringLiteral(".txt")),
        io::renderTextOutput(toTabDocument(doc_), WrapWidth, cp1250::builtFooter()));
}

void TForm1::Tisk1Click() {
    // Laid out afresh whenever the preview asks, from the document as it stands now.
    const io::TabDocument doc = toTabDocument(doc_);
    const io::Footer footer = cp1250::builtFooter();
    // The pages are painted from within the preview's own event loop, where nothing thrown
    // may pass; what goes wrong is shown there.
    dialogs_->printPreview(this, [&](QPrinter& printer) {
        showingErrors([&] { print::paintTab(printer, doc, WrapWidth, footer); });
    });
}

void TForm1::UloitjakoPDFpdf1Click() {
    const QString chosen = dialogs_->saveFileName(this, QStringLiteral("Dokument PDF|*.pdf"));
    if (chosen.isEmpty())
        return;
    const QByteArray pdf = print::pdfOf(toTabDocument(doc_), WrapWidth, cp1250::builtFooter());
    file_access::writeWholeFile(
        file_access::withExtension(chosen, QStringLiteral(".pdf")),
        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

void TForm1::Button40Click() {
    if (ui->RadioButton3->isChecked())
        rowView_.shiftRight(ShiftStep);
    else
        rowView_.shiftLeft(ShiftStep);
    scrollToEnd_ = true;
}

void TForm1::Zpt1Click() {
    history_->undo();
}

void TForm1::Znovu1Click() {
    history_->redo();
}

std::size_t TForm1::historyBytes() const {
    return history_->heldBytes();
}

void TForm1::zapisClick() {
    tab::writeColumn(doc_.sheet, doc_.entry, ui->CheckBox2->isChecked());
}

void TForm1::ResetClick() {
    doc_.entry.clear();
}

void TForm1::taktClick() {
    tab::barLine(doc_.sheet);
}

void TForm1::sloupecClick() {
    tab::emptyColumn(doc_.sheet);
}

void TForm1::Button39Click() {
    tab::backspace(doc_.sheet);
}

void TForm1::Button4Click() {
    // The rows go back to their design width and the view to their left end first, so clearing
    // the rows finds nothing to widen.
    rowView_.reset();
    scrollToEnd_ = true;
    tab::clearDocument(doc_);
}

void TForm1::Button41Click() {
    // Kept apart from the caption, which a desktop may mark with "&" for a keyboard accelerator.
    locked_ = !locked_;
    ui->Button41->setText(locked_ ? QStringLiteral("Odemknout") : QStringLiteral("Zamknout"));
    for (tab::Row row : tab::kAlignedRows)
        rowEdits_[tab::index(row)]->setReadOnly(locked_);
}

void TForm1::Button38Click() {
    tab::completeTab(doc_.sheet);
}

void TForm1::Oprogramu1Click() {
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    ShowAboutBox(
        QStringLiteral("Strunomat"), text(build_config::kVersion), text(build_config::kCopyright),
        text("Nejnovější verzi preogramu můžete najít na mé webové stránce."),
        text(build_config::kEmail), text(build_config::kHomePage),
        [this](const QString& address) { dialogs_->openUrl(address); }, this);
}

void TForm1::openPage(const QString& address) {
    dialogs_->openUrl(address);
    // Said every time: whether a browser came up is not something the program can know.
    dialogs_->message(this, QString::fromUtf8("Musíte být připojeni k internetu!"));
}

void TForm1::Help1Click() {
    openPage(QString::fromUtf8(build_config::kSiteHost));
}

void TForm1::Archivtabulatur1Click() {
    openPage(QString::fromUtf8(build_config::kSiteHost) + QStringLiteral("/index2.htm"));
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
