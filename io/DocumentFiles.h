#pragma once

#include "Document.h"
#include "TabDocument.h"

// The ten texts of the document as the files see them, and back.
io::TabDocument toTabDocument(const tab::Document& doc);

// Replaces the header and the eight rows with a loaded file's texts; each row is one write, in
// sheet order, so the view follows as for any other change. The entry column is left alone.
void replaceDocument(tab::Document& doc, const io::TabDocument& loaded);
