#include "FieldMirror.h"

#include "Cp1250.h"

void FieldMirror::add(const QObject* edit, const tab::TextField* field, Show show) {
    show(cp1250::decode(field->text()));
    bindings_.push_back({edit, field, std::move(show), field->revision()});
}

void FieldMirror::push() {
    for (Binding& b : bindings_) {
        if (b.shown == b.field->revision())
            continue;
        b.show(cp1250::decode(b.field->text()));
        b.shown = b.field->revision();
    }
}

void FieldMirror::adopt(const QObject* edit) {
    for (Binding& b : bindings_)
        if (b.edit == edit)
            b.shown = b.field->revision();
}
