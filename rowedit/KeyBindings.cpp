#include "KeyBindings.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace key_bindings {

namespace {

struct Binding {
    QKeySequence::StandardKey sequence;
    Pressed pressed;
};

// The platform's keys for what a line edit does. A single line has one start and one end, so
// the keys for the start and end of a block or document go there too.
constexpr Binding kBindings[] = {
    {QKeySequence::SelectAll, {Action::SelectAll, false}},
    {QKeySequence::Copy, {Action::Copy, false}},
    {QKeySequence::Cut, {Action::Cut, false}},
    {QKeySequence::Paste, {Action::Paste, false}},
    {QKeySequence::MoveToStartOfLine, {Action::Home, false}},
    {QKeySequence::MoveToStartOfBlock, {Action::Home, false}},
    {QKeySequence::MoveToStartOfDocument, {Action::Home, false}},
    {QKeySequence::SelectStartOfLine, {Action::Home, true}},
    {QKeySequence::SelectStartOfBlock, {Action::Home, true}},
    {QKeySequence::SelectStartOfDocument, {Action::Home, true}},
    {QKeySequence::MoveToEndOfLine, {Action::End, false}},
    {QKeySequence::MoveToEndOfBlock, {Action::End, false}},
    {QKeySequence::MoveToEndOfDocument, {Action::End, false}},
    {QKeySequence::SelectEndOfLine, {Action::End, true}},
    {QKeySequence::SelectEndOfBlock, {Action::End, true}},
    {QKeySequence::SelectEndOfDocument, {Action::End, true}},
    {QKeySequence::MoveToPreviousChar, {Action::Left, false}},
    {QKeySequence::SelectPreviousChar, {Action::Left, true}},
    {QKeySequence::MoveToNextChar, {Action::Right, false}},
    {QKeySequence::SelectNextChar, {Action::Right, true}},
    {QKeySequence::MoveToPreviousWord, {Action::WordLeft, false}},
    {QKeySequence::SelectPreviousWord, {Action::WordLeft, true}},
    {QKeySequence::MoveToNextWord, {Action::WordRight, false}},
    {QKeySequence::SelectNextWord, {Action::WordRight, true}},
    {QKeySequence::Backspace, {Action::DeleteLeft, false}},
    {QKeySequence::Delete, {Action::DeleteRight, false}},
    {QKeySequence::DeleteStartOfWord, {Action::DeleteWordLeft, false}},
    {QKeySequence::DeleteEndOfWord, {Action::DeleteWordRight, false}},
};

bool changesText(Action action) {
    switch (action) {
    case Action::Cut:
    case Action::Paste:
    case Action::DeleteLeft:
    case Action::DeleteRight:
    case Action::DeleteWordLeft:
    case Action::DeleteWordRight:
    case Action::Type:
        return true;
    default:
        return false;
    }
}

// A key event that types its text: printable, and not a Ctrl or Alt shortcut. Ctrl+Alt stays,
// being AltGr where the system reports it so.
bool typesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers held =
        event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (held != Qt::NoModifier && held != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const char32_t first = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate()
                               ? QChar::surrogateToUcs4(text[0], text[1])
                               : text[0].unicode();
    return QChar::isPrint(first) || QChar::category(first) == QChar::Other_PrivateUse;
}

} // namespace

Pressed classify(const QKeyEvent& event) {
    for (const Binding& binding : kBindings)
        if (event.matches(binding.sequence))
            return binding.pressed;
    // Not every platform lists Backspace among its standard keys; Shift+Backspace is still
    // Backspace, as in a line edit.
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Backspace && (held == Qt::NoModifier || held == Qt::ShiftModifier))
        return {Action::DeleteLeft, false};
    if (typesText(event))
        return {Action::Type, false};
    return {Action::None, false};
}

bool answers(Action action, bool readOnly) {
    return action != Action::None && !(readOnly && changesText(action));
}

} // namespace key_bindings
