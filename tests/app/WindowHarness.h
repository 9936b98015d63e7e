#pragma once

#include "ScriptedDialogs.h"
#include "Unit1.h"

#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

inline QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The window's caption: the program and its version, then the loaded file, if any.
QString captionNaming(const QString& file = {});

// A shown main window with scripted dialogs, and the few gestures the tests need: find a
// control by its name, click it, type into it, read it.
class WindowHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class T = QWidget> T* find(const char* name) const {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no control named ") + name);
        return widget;
    }

    void click(const char* name);
    void trigger(const char* actionName);
    // Focuses the field and puts the caret at its end, with the keyboard.
    QWidget* focusEnd(const char* name);
    // Focuses the field, puts the caret at its end and types the text key by key.
    void type(const char* name, const QString& text);
    // Selects the whole field and types over it; an empty text deletes the selection.
    void retype(const char* name, const QString& text);
    // Pastes through the clipboard, as a user's Ctrl+V.
    void paste(const char* name, const QString& text);
    QString text(const char* name) const;
    // The ten texts of the document as shown: title, the eight rows, author.
    QStringList texts() const;
    // The model text of a row or field, as Windows-1250 bytes.
    const std::string& row(tab::Row row) const { return form->document().sheet.text(row); }

    // A folder of the test's own for the files it opens and saves.
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<TForm1> form;
    QTemporaryDir dir;
};
