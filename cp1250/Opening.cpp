#include "Opening.h"

#include "Incoming.h"
#include "TabFile.h"
#include "TextImport.h"
#include "TextOutputReader.h"

namespace cp1250 {

Opened openText(std::string_view bytes) {
    const Incoming in = fromFile(bytes);
    // Our own output holds only what Windows-1250 can: if reading it as UTF-8 needs a "?", it
    // only looked like UTF-8, and its own bytes are the texts.
    if (in.replaced > 0)
        if (std::optional<io::TabDocument> ours = io::readTextOutput(bytes))
            return {std::move(ours), 0};
    return {io::importText(in.bytes), in.replaced};
}

Opened openTab(std::string_view bytes) {
    if (io::isTextTabFile(bytes))
        return openText(bytes);
    return {io::readTabFile(bytes), 0};
}

} // namespace cp1250
