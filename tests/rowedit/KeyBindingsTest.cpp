#include "KeyBindings.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using key_bindings::Action;
using key_bindings::Pressed;

namespace {

struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    Pressed expected;
};

} // namespace

TEST(KeyBindings, KeysMeanWhatTheyDoInALineEdit) {
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Case cases[] = {
        {Qt::Key_A, none, "a", {Action::Type, false}},
        {Qt::Key_A, shift, "A", {Action::Type, false}},
        {Qt::Key_A, ctrl, "\x01", {Action::SelectAll, false}},
        {Qt::Key_V, ctrl, "\x16", {Action::Paste, false}},
        {Qt::Key_Insert, shift, "", {Action::Paste, false}},
        {Qt::Key_Left, shift, "", {Action::Left, true}},
        {Qt::Key_Right, ctrl, "", {Action::WordRight, false}},
        {Qt::Key_Home, shift, "", {Action::Home, true}},
        {Qt::Key_End, ctrl, "", {Action::End, false}}, // the end of the document is the end
        {Qt::Key_Backspace, shift, "", {Action::DeleteLeft, false}},
        {Qt::Key_Backspace, ctrl, "", {Action::DeleteWordLeft, false}},
        {Qt::Key_Delete, none, "", {Action::DeleteRight, false}},
        // AltGr reported as Ctrl+Alt still types its letter.
        {Qt::Key_unknown, ctrl | Qt::AltModifier, "@", {Action::Type, false}},
        // Shortcuts, Enter, Tab and Escape belong to the window.
        {Qt::Key_S, ctrl, "\x13", {Action::None, false}},
        {Qt::Key_Return, none, "\r", {Action::None, false}},
        {Qt::Key_Tab, none, "\t", {Action::None, false}},
        {Qt::Key_Escape, none, "\x1b", {Action::None, false}},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(key_bindings::classify(event), c.expected)
            << QKeySequence(c.key).toString().toStdString();
    }
}
