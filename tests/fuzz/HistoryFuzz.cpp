// Any mix of writes, commands, typing bursts, undos and redos: every undo and redo brings back
// exactly the texts as they stood between two steps, and the history never holds more than its
// limit. The steps are followed here by copies of all texts taken whenever a step closes.
#include "Chords.h"
#include "ColumnWriter.h"
#include "DocumentTexts.h"
#include "History.h"
#include "StructuralEdits.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool holds) {
    if (!holds)
        std::abort();
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return size_ == 0; }
    std::uint8_t byte() {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

class Session {
public:
    explicit Session(std::size_t limit) : history_(doc_, limit), limit_(limit) {}

    void run(Input& in) {
        switch (in.byte() % 7) {
        case 0:
            closeStep();
            history_.begin("Zapiš");
            open_ = Open::command;
            break;
        case 1:
            closeStep();
            history_.commit();
            break;
        case 2:
            typing(in.byte() % tab::kDocumentTexts);
            break;
        case 3:
            write(in);
            break;
        case 4:
            undo();
            break;
        case 5:
            redo();
            break;
        default:
            command(in);
        }
        check(history_.heldBytes() <= limit_);
    }

private:
    enum class Open { none, command, typing };

    DocumentTexts texts() const { return documentTexts(doc_); }

    // Closes the step as the history does: kept if the texts differ from where it began.
    void closeStep() {
        open_ = Open::none;
        if (texts() != states_[at_]) {
            states_.push_back(texts());
            ++at_;
        }
    }

    // Any write that changes a text means the undone steps cannot come back.
    template <class Work> void changing(Work work) {
        const DocumentTexts before = texts();
        work();
        if (texts() != before)
            states_.resize(at_ + 1);
        if (open_ == Open::none)
            closeStep();
    }

    void typing(std::size_t number) {
        if (open_ != Open::typing || typingInto_ != number)
            closeStep();
        history_.typing(tab::documentText(doc_, number), "Psaní");
        open_ = Open::typing;
        typingInto_ = number;
    }

    void write(Input& in) {
        const std::size_t number = in.byte() % tab::kDocumentTexts;
        const std::size_t keep = in.byte();
        std::string tail(in.byte() % 8, '\0');
        for (char& c : tail)
            c = static_cast<char>(in.byte());
        changing([&] { tab::writeDocumentText(doc_, number, keep, tail); });
    }

    // Operations that write many times, always within a step of their own.
    void command(Input& in) {
        if (open_ == Open::none) {
            history_.begin("Příkaz");
            open_ = Open::command;
        }
        const std::uint8_t which = in.byte();
        changing([&] {
            switch (which % 5) {
            case 0:
                tab::fillEntry(doc_.entry, tab::chordTable()[which % 35], which & 1);
                break;
            case 1:
                tab::writeColumn(doc_.sheet, doc_.entry, which & 1);
                break;
            case 2:
                tab::completeTab(doc_.sheet);
                break;
            case 3:
                tab::backspace(doc_.sheet);
                break;
            default:
                tab::clearDocument(doc_);
            }
        });
    }

    void undo() {
        closeStep();
        const bool could = history_.canUndo();
        // The limit may have taken older steps; without one, every step is there.
        check(could ? at_ > 0 : at_ == 0 || limit_ < tab::History::kDefaultByteLimit);
        const DocumentTexts before = texts();
        history_.undo();
        if (could) {
            check(texts() == states_[--at_]);
        } else {
            check(texts() == before);
            states_.erase(states_.begin(), states_.begin() + static_cast<std::ptrdiff_t>(at_));
            at_ = 0;
        }
    }

    void redo() {
        closeStep();
        const bool could = history_.canRedo();
        check(could == (at_ + 1 < states_.size()));
        history_.redo();
        if (could)
            ++at_;
        check(texts() == states_[at_]);
    }

    tab::Document doc_;
    tab::History history_;
    std::size_t limit_;
    std::vector<DocumentTexts> states_{DocumentTexts{}};
    std::size_t at_ = 0;
    Open open_ = Open::none;
    std::size_t typingInto_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    // An odd first byte gives a limit small enough for the oldest steps to go.
    Session session(in.byte() & 1 ? 1500 : tab::History::kDefaultByteLimit);
    // Beyond a few hundred operations a run only grows slower, not more telling.
    for (int i = 0; i < 400 && !in.empty(); ++i)
        session.run(in);
    return 0;
}
