#pragma once

#include "TextField.h"

#include <cstdint>
#include <vector>

class QLineEdit;

// Keeps line edits showing the texts of the model. The model changes many times within one
// handler (a padded row is written once per filler); the widgets are updated once, at the end,
// and only those whose text really changed, so a caret in an untouched field stays put.
class FieldMirror {
public:
    // Binds an edit to a model text; the edit starts showing the model's text.
    void bind(QLineEdit* edit, const tab::TextField* field);

    // Brings every edit whose model text changed since it was last shown up to date.
    void push();

    // The user typed into this edit and its text was written into the model: the edit already
    // shows the model's text and must not be set again.
    void adopt(const QLineEdit* edit);

private:
    struct Binding {
        QLineEdit* edit;
        const tab::TextField* field;
        std::uint64_t shown;
    };
    std::vector<Binding> bindings_;
};
