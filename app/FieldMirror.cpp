#include "FieldMirror.h"

#include "Cp1250.h"

#include <QLineEdit>

void FieldMirror::bind(QLineEdit* edit, const tab::TextField* field) {
    edit->setText(cp1250::decode(field->text()));
    bindings_.push_back({edit, field, field->revision()});
}

void FieldMirror::push() {
    for (Binding& b : bindings_) {
        if (b.shown == b.field->revision())
            continue;
        b.edit->setText(cp1250::decode(b.field->text()));
        b.shown = b.field->revision();
    }
}

void FieldMirror::adopt(const QLineEdit* edit) {
    for (Binding& b : bindings_)
        if (b.edit == edit)
            b.shown = b.field->revision();
}
