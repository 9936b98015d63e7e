#include "EntryColumn.h"

namespace tab {

void EntryColumn::clear() {
    for (Row row : kFields)
        field(row).set({});
}

} // namespace tab
