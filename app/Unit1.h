#pragma once

#include "Cp1250Validator.h"
#include "Dialogs.h"
#include "Document.h"
#include "FieldMirror.h"
#include "RowScale.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TForm1;
}
class QLineEdit;

// The main window. It owns the document and mirrors it into its fields; every handler works on
// the model, and the fields are brought up to date once the handler has finished.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(std::unique_ptr<Dialogs> dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    const tab::Document& document() const { return doc_; }

    std::int32_t WrapWidth = 0;
    std::int32_t ShiftStep = 0;

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

    // Runs a handler so that nothing it throws escapes into Qt: the error is shown and the
    // program goes on, keeping what the handler changed before. Then the fields catch up.
    void run(Handler handler);
    template <class Sender, class Signal> void on(Sender* sender, Signal signal, Handler handler);

    using Store = std::function<void(std::string)>;
    // Shows the model text in the edit and stores what the user types there.
    void mirror(QLineEdit* edit, const tab::TextField& field, Store store);
    void nameSeparator();
    void wireFields();
    void wireHandlers();
    void applyRowWidth(std::int32_t units);

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<Dialogs> dialogs_;
    tab::Document doc_;
    FieldMirror mirror_;
    Cp1250Validator* validator_ = nullptr;
    std::array<QLineEdit*, tab::kRowCount> rowEdits_{};
    RowScale scale_;
    std::string titlePlaceholder_;
    std::string authorPlaceholder_;
    QTimer* Timer1 = nullptr;
};
