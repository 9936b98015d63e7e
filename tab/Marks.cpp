#include "Marks.h"

namespace tab {

void addMark(EntryColumn& entry, const Mark& mark) {
    TextField& field = entry.field(Row::akordy);
    if (field.text().empty())
        field.set(mark.alone);
    else
        field.write(field.text().size(), mark.appended);
}

} // namespace tab
