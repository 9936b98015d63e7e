#include "Document.h"

#include <stdexcept>

namespace tab {

namespace {

constexpr std::size_t kFirstRow = 3;
constexpr std::size_t kFirstEntry = kFirstRow + kRowCount;

bool isRow(std::size_t number) {
    return number >= kFirstRow && number < kFirstEntry;
}

Row rowOf(std::size_t number) {
    return static_cast<Row>(number - kFirstRow);
}

// Every text but the rows, which only the sheet may write.
template <class Doc> auto& headerOrEntry(Doc& doc, std::size_t number) {
    switch (number) {
    case 0:
        return doc.title;
    case 1:
        return doc.author;
    case 2:
        return doc.source;
    }
    if (number < kFirstEntry || number >= kDocumentTexts)
        throw std::out_of_range("no such text in the document");
    return doc.entry.field(EntryColumn::kFields[number - kFirstEntry]);
}

} // namespace

void clearPlaceholder(TextField& field, std::string_view placeholder) {
    if (field.text() == placeholder)
        field.set({});
}

const TextField& documentText(const Document& doc, std::size_t number) {
    return isRow(number) ? doc.sheet.field(rowOf(number)) : headerOrEntry(doc, number);
}

std::size_t documentTextNumber(const Document& doc, const TextField& field) {
    for (std::size_t number = 0; number < kDocumentTexts; ++number)
        if (&documentText(doc, number) == &field)
            return number;
    throw std::invalid_argument("not a text of this document");
}

void writeDocumentText(Document& doc, std::size_t number, std::size_t keep, std::string_view tail) {
    if (isRow(number))
        doc.sheet.write(rowOf(number), keep, tail);
    else
        headerOrEntry(doc, number).write(keep, tail);
}

void observeDocument(Document& doc, TextObserver* observer) {
    doc.sheet.observe(observer, kFirstRow);
    for (std::size_t number = 0; number < kDocumentTexts; ++number)
        if (!isRow(number))
            headerOrEntry(doc, number).observe(observer, number);
}

} // namespace tab
