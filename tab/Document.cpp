#include "Document.h"

namespace tab {

void clearPlaceholder(TextField& field, std::string_view placeholder) {
    if (field.text() == placeholder)
        field.set({});
}

} // namespace tab
