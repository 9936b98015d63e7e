#pragma once

#include "Dialogs.h"
#include "Document.h"
#include "DocumentHistory.h"
#include "FieldMirror.h"
#include "FieldValidator.h"
#include "Opening.h"
#include "RowScale.h"
#include "RowView.h"
#include "RunningTime.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace Ui {
class TForm1;
}
class QLineEdit;
class RowEdit;
class QTimer;

// The main window. It owns the document and mirrors it into its fields; every handler works on
// the model, and the fields, the row widths and the status box are brought up to date once the
// handler has finished.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(std::unique_ptr<Dialogs> dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    const tab::Document& document() const { return doc_; }
    std::int32_t wrapWidth() const { return WrapWidth; }
    std::int32_t shiftStep() const { return ShiftStep; }
    // What the undo history holds, in bytes.
    std::size_t historyBytes() const;
    // The common row width in units of seven per character.
    std::int32_t rowWidth() const { return rowView_.width(); }
    int toPixels(std::int32_t units) const { return scale_.toPixels(units); }

    // The one-second tick; public so the running time can be driven without waiting.
    void Timer1Timer();

    // A file handed to the program at start: a ".tab" file loads as "Nahrát" does, any other is
    // imported as a text tab. What goes wrong is shown in the error box.
    void openFile(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Handler = void (TForm1::*)();

    void FormCreate();
    void zapisClick();
    void ResetClick();
    void KONEC1Click();
    void Edit1Enter();
    void Edit4Enter();
    void taktClick();
    void sloupecClick();
    void Button39Click();
    void Button4Click();
    void Button41Click();
    void Button38Click();
    void Uloitkeditaci1Click();
    void Nahrt1Click();
    void Nahrttextovtabtxt1Click();
    void Vloittabzeschrnky1Click();
    // Loading: a tab file in our layout or a text tab under a ".tab" name; a text file; the
    // document either gives, with the caption naming its file.
    void openTabFile(const QString& name);
    void openTextFile(const QString& name);
    void take(const QString& name, const cp1250::Opened& opened);
    // One message for all the characters an import had to replace.
    void tellReplaced(std::size_t replaced);
    void Uloittextovvstuptxt1Click();
    void Tisk1Click();
    void UloitjakoPDFpdf1Click();
    void Oprogramu1Click();
    void Help1Click();
    void Archivtabulatur1Click();
    void openPage(const QString& address);
    void Edit2Change();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Edit3Change();
    void SpinButton2UpClick();
    void SpinButton2DownClick();
    void Button40Click();
    void Zpt1Click();
    void Znovu1Click();

    // Runs inside every write of a row that changed it.
    void rowChanged(tab::Row row);
    void growRows(tab::Row row);
    void updateLineCount();

    // Runs a handler so that nothing it throws escapes into Qt: the error is shown and the
    // program goes on, keeping what the handler changed before. Then the widgets catch up.
    void run(Handler handler);
    void guarded(const std::function<void()>& work);
    void showingErrors(const std::function<void()>& work);
    template <class Sender, class Signal> void on(Sender* sender, Signal signal, Handler handler);
    // A command that changes the document: one step of the undo history, under its label.
    template <class Sender, class Signal>
    void command(Sender* sender, Signal signal, Handler handler, const char* label);
    void asStep(const QString& label, const std::function<void()>& work);
    void pushToWidgets();

    using Store = std::function<void(std::string)>;
    // Shows the model text in the edit and stores what the user types there.
    template <class Edit> void mirror(Edit* edit, const tab::TextField& field, Store store);
    // Fields refuse what Windows-1250 cannot store, so what is shown is what is saved.
    void refuseUnstorable(QLineEdit* edit);
    void refuseUnstorable(RowEdit* edit);
    void nameSeparator();
    std::array<QLineEdit*, 7> entryEdits() const;
    void takeDesignTexts();
    void wireFields();
    void wireHandlers();
    void step(std::int32_t& value, std::int32_t delta, QLineEdit* field);
    static QString programCaption();

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<Dialogs> dialogs_;
    tab::Document doc_;
    FieldMirror mirror_;
    // Declared after the document it follows, so it is gone before the document is.
    std::unique_ptr<DocumentHistory> history_;
    // The caption names the file the document came from; this is the name it last showed.
    std::uint64_t shownSource_ = 0;
    FieldValidator* validator_ = nullptr;
    std::array<RowEdit*, tab::kRowCount> rowEdits_{};
    std::string titlePlaceholder_;
    std::string authorPlaceholder_;
    QTimer* Timer1 = nullptr;

    bool locked_ = false;

    std::int32_t WrapWidth = 0;
    std::int32_t ShiftStep = 0;
    RunningTime runningTime_;

    RowView rowView_;
    RowScale scale_;
    // What the row view still owes the widgets at the end of the handler.
    std::int32_t shownRowWidth_ = -1;
    bool scrollToEnd_ = false;
    bool statusStale_ = false;
};
