#pragma once

#include "Document.h"

#include <array>
#include <string>

// Every text of a document at one moment, to compare with another moment.
using DocumentTexts = std::array<std::string, tab::kDocumentTexts>;

inline DocumentTexts documentTexts(const tab::Document& doc) {
    DocumentTexts all;
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = tab::documentText(doc, i).text();
    return all;
}
