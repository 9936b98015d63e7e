#pragma once

#include "TextField.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QObject;

// Keeps edits showing the texts of the model. The model changes many times within one handler
// (a padded row is written once per filler); the edits are updated once, at the end, and only
// those whose text really changed, so a caret in an untouched field stays put.
class FieldMirror {
public:
    // Binds an edit (anything with setText) to a model text; the edit starts showing it.
    template <class Edit> void bind(Edit* edit, const tab::TextField* field) {
        add(edit, field, [edit](const QString& text) { edit->setText(text); });
    }

    // Brings every edit whose model text changed since it was last shown up to date.
    void push();

    // The user typed into this edit and its text was written into the model: the edit already
    // shows the model's text and must not be set again.
    void adopt(const QObject* edit);

private:
    using Show = std::function<void(const QString&)>;
    void add(const QObject* edit, const tab::TextField* field, Show show);

    struct Binding {
        const QObject* edit;
        const tab::TextField* field;
        Show show;
        std::uint64_t shown;
    };
    std::vector<Binding> bindings_;
};
