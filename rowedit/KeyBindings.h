#pragma once

class QKeyEvent;

// What a key press means to a single-line editor, whatever the platform's keys for it are.
namespace key_bindings {

enum class Action {
    None,
    SelectAll,
    Copy,
    Cut,
    Paste,
    Home,
    End,
    Left,
    Right,
    WordLeft,
    WordRight,
    DeleteLeft,
    DeleteRight,
    DeleteWordLeft,
    DeleteWordRight,
    Type
};

struct Pressed {
    Action action;
    // Shift is down: the selection stretches to the new caret.
    bool mark;

    bool operator==(const Pressed&) const = default;
};

Pressed classify(const QKeyEvent& event);

// Whether the editor acts on the key; the rest goes on to the window. A read-only editor
// leaves the keys that would change its text.
bool answers(Action action, bool readOnly);

} // namespace key_bindings
