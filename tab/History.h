#pragma once

#include "Document.h"
#include "TextEdit.h"
#include "TextObserver.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tab {

// The undo history of a document. It follows every write of every text from the moment it is
// made, and keeps what each step changed: per text one edit of only the bytes that differ, never
// a copy of the document. The document must stay where it is while the history lives.
//
// A step is what one command writes between begin() and commit(), or one burst of typing into
// one field. A write while no step is open is a step of its own, so the history always matches
// the texts. When the steps hold more than the byte limit, the oldest go.
class History final : private TextObserver {
public:
    static constexpr std::size_t kDefaultByteLimit = 64 * 1024 * 1024;

    explicit History(Document& doc, std::size_t byteLimit = kDefaultByteLimit);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Opens a step under `label` (UTF-8, for "Zpět: ..."), closing whatever step was open.
    void begin(std::string_view label);

    // Closes the open step or typing burst. A step that changed nothing leaves no trace.
    void commit();

    // The next writes are typing into `field`: they join the burst of typing into that field if
    // one is open, else a new burst opens under `label`. The burst stays open until commit(),
    // begin() or typing into another field. Throws if `field` is not a text of the document.
    void typing(const TextField& field, std::string_view label);

    // Closes the open step, then takes the texts back to before the last step, or forward to
    // after the next undone one; through the texts' own writes, so row handlers run. With no
    // step to take, nothing happens. Should a write fail halfway, the history is emptied, as it
    // no longer matches the texts. A row handler must not write texts itself: what it wrote
    // here would not be recorded.
    void undo();
    void redo();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The label of the step undo() or redo() would take; empty if none, or if written unasked.
    std::string_view undoLabel() const;
    std::string_view redoLabel() const;

    // What the steps hold: their bytes plus the bookkeeping of every step and edit.
    std::size_t heldBytes() const { return held_; }

private:
    struct FieldEdit {
        std::size_t number;
        TextEdit edit;
    };
    struct Step {
        std::string label;
        std::vector<FieldEdit> edits;
        std::size_t held;
    };
    enum class Open { none, command, typing };

    void changing(std::size_t number, std::string_view current, std::size_t at,
                  std::string_view removed, std::string_view inserted) override;
    void record(std::size_t number, std::string_view current, std::size_t at,
                std::string_view removed, std::string_view inserted);
    void grow(Step& step, std::size_t bytes);
    void shrink(Step& step, std::size_t bytes);
    void keepWithinLimit();
    void close();
    void apply(const Step& step, bool backwards);
    void clear();

    Document& doc_;
    std::size_t limit_;
    // steps_[0, done_) are undone by undo(), the rest redone by redo(). An open step that has
    // changed something is the last of them.
    std::deque<Step> steps_;
    std::size_t done_ = 0;
    std::size_t held_ = 0;

    Open open_ = Open::none;
    std::string openLabel_;
    std::size_t typingInto_ = 0;
    bool openRecorded_ = false;
    // The open step alone outgrew the limit: it and all before it are gone, and what it still
    // writes is not kept.
    bool openLost_ = false;
    bool applying_ = false;
};

} // namespace tab
