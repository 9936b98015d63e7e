#include "WindowHarness.h"

#include "BuildConfig.h"
#include "RowEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

// QTest's keyClicks knows only ASCII keys; Czech letters arrive as key events carrying text,
// as a keyboard layout delivers them.
void keyIn(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace

void WindowHarness::SetUp() {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form = std::make_unique<TForm1>(std::move(scripted));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void WindowHarness::TearDown() {
    form.reset();
}

void WindowHarness::click(const char* name) {
    auto* button = find<QAbstractButton>(name);
    // A check or radio button answers on its box and caption, not on empty space beside them.
    const bool boxed = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint where = boxed ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

void WindowHarness::trigger(const char* actionName) {
    find<QAction>(actionName)->trigger();
}

QWidget* WindowHarness::focusEnd(const char* name) {
    auto* edit = find(name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    return edit;
}

void WindowHarness::type(const char* name, const QString& text) {
    keyIn(focusEnd(name), text);
}

void WindowHarness::retype(const char* name, const QString& text) {
    QWidget* edit = focusEnd(name);
    QTest::keySequence(edit, QKeySequence::SelectAll);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        keyIn(edit, text);
}

void WindowHarness::paste(const char* name, const QString& text) {
    QWidget* edit = focusEnd(name);
    QApplication::clipboard()->setText(text);
    QTest::keySequence(edit, QKeySequence::Paste);
}

QString WindowHarness::text(const char* name) const {
    QObject* object = find<QObject>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit->text();
    if (auto* row = qobject_cast<RowEdit*>(object))
        return row->text();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    throw std::runtime_error(std::string("no text on ") + name);
}

QStringList WindowHarness::texts() const {
    QStringList result;
    for (const char* name : {"Edit1", "akordy", "struna1", "struna2", "struna3", "struna4",
                             "struna5", "struna6", "slova", "Edit4"})
        result << text(name);
    return result;
}

QString captionNaming(const QString& file) {
    const QString program = QString::fromUtf8(build_config::kProgramCaption);
    return file.isEmpty() ? program : program + QStringLiteral("  (") + file + QLatin1Char(')');
}
