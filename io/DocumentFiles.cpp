#include "DocumentFiles.h"

#include <tuple>

static_assert(std::tuple_size_v<decltype(io::TabDocument::rows)> == tab::kRowCount);

io::TabDocument toTabDocument(const tab::Document& doc) {
    io::TabDocument file;
    file.title = doc.title.text();
    for (std::size_t i = 0; i < tab::kRowCount; ++i)
        file.rows[i] = doc.sheet.text(static_cast<tab::Row>(i));
    file.author = doc.author.text();
    return file;
}

void replaceDocument(tab::Document& doc, const io::TabDocument& loaded) {
    doc.title.set(loaded.title);
    for (std::size_t i = 0; i < tab::kRowCount; ++i)
        doc.sheet.setText(static_cast<tab::Row>(i), loaded.rows[i]);
    doc.author.set(loaded.author);
}
