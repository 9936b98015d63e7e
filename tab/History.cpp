#include "History.h"

#include <algorithm>

namespace tab {

namespace {

// What the heap keeps beside each block it hands out, as far as the count is concerned.
constexpr std::size_t kPerAllocation = 16;

template <class Edit> std::size_t editCost(const Edit& e) {
    return sizeof(Edit) + kPerAllocation + e.edit.bytes();
}

template <class Step> std::size_t stepCost(const Step& step) {
    // The label and the list of edits each have a block of their own.
    std::size_t cost = sizeof(Step) + 2 * kPerAllocation + step.label.size();
    for (const auto& e : step.edits)
        cost += editCost(e);
    return cost;
}

} // namespace

History::History(Document& doc, std::size_t byteLimit) : doc_(doc), limit_(byteLimit) {
    observeDocument(doc_, this);
}

History::~History() {
    observeDocument(doc_, nullptr);
}

void History::begin(std::string_view label) {
    close();
    openLabel_ = label;
    open_ = Open::command;
}

void History::commit() {
    close();
}

void History::typing(const TextField& field, std::string_view label) {
    const std::size_t number = documentTextNumber(doc_, field);
    if (open_ == Open::typing && typingInto_ == number)
        return;
    close();
    openLabel_ = label;
    open_ = Open::typing;
    typingInto_ = number;
}

void History::undo() {
    close();
    if (!canUndo())
        return;
    apply(steps_[done_ - 1], true);
    --done_;
}

void History::redo() {
    close();
    if (!canRedo())
        return;
    apply(steps_[done_], false);
    ++done_;
}

std::string_view History::undoLabel() const {
    return canUndo() ? std::string_view(steps_[done_ - 1].label) : std::string_view();
}

std::string_view History::redoLabel() const {
    return canRedo() ? std::string_view(steps_[done_].label) : std::string_view();
}

void History::changing(std::size_t number, std::string_view current, std::size_t at,
                       std::string_view removed, std::string_view inserted) {
    if (applying_ || openLost_)
        return;
    const bool unasked = open_ == Open::none;
    record(number, current, at, removed, inserted);
    keepWithinLimit();
    if (unasked)
        close();
}

void History::record(std::size_t number, std::string_view current, std::size_t at,
                     std::string_view removed, std::string_view inserted) {
    if (!openRecorded_) {
        Step step{openLabel_, {}, 0};
        step.edits.push_back({number, TextEdit(at, removed, inserted)});
        step.held = stepCost(step);
        // A new change: what was undone can no longer be redone.
        const auto undone = steps_.begin() + static_cast<std::ptrdiff_t>(done_);
        for (auto it = undone; it != steps_.end(); ++it)
            held_ -= it->held;
        steps_.erase(undone, steps_.end());
        steps_.push_back(std::move(step));
        held_ += steps_.back().held;
        ++done_;
        openRecorded_ = true;
        return;
    }

    Step& step = steps_.back();
    const auto same = std::find_if(step.edits.begin(), step.edits.end(),
                                   [number](const FieldEdit& e) { return e.number == number; });
    // The counts change only once the edits have, so a failure leaves them right.
    if (same == step.edits.end()) {
        step.edits.push_back({number, TextEdit(at, removed, inserted)});
        grow(step, editCost(step.edits.back()));
        return;
    }
    const std::size_t was = editCost(*same);
    same->edit.absorb(current, at, removed, inserted);
    shrink(step, was);
    if (!same->edit.empty()) {
        grow(step, editCost(*same));
        return;
    }
    step.edits.erase(same);
    if (step.edits.empty()) {
        // Written back to how the step found it: as if the step had not begun to change.
        shrink(step, step.held);
        steps_.pop_back();
        --done_;
        openRecorded_ = false;
    }
}

void History::grow(Step& step, std::size_t bytes) {
    step.held += bytes;
    held_ += bytes;
}

void History::shrink(Step& step, std::size_t bytes) {
    step.held -= bytes;
    held_ -= bytes;
}

void History::keepWithinLimit() {
    while (held_ > limit_ && steps_.size() > 1) {
        held_ -= steps_.front().held;
        steps_.pop_front();
        --done_;
    }
    if (held_ > limit_) {
        clear();
        openLost_ = open_ != Open::none;
    }
}

void History::close() {
    if (openRecorded_) {
        Step& step = steps_.back();
        step.edits.shrink_to_fit();
        for (FieldEdit& e : step.edits)
            e.edit.shrink();
        // What growing reserved is given back, and no longer counted.
        held_ -= step.held;
        step.held = stepCost(step);
        held_ += step.held;
    }
    open_ = Open::none;
    openLabel_.clear();
    openRecorded_ = false;
    openLost_ = false;
}

void History::apply(const Step& step, bool backwards) {
    const auto applyOne = [this, backwards](const FieldEdit& e) {
        const std::string_view from = backwards ? e.edit.inserted() : e.edit.removed();
        const std::string_view to = backwards ? e.edit.removed() : e.edit.inserted();
        const std::string_view rest =
            std::string_view(documentText(doc_, e.number).text()).substr(e.edit.at() + from.size());
        std::string tail;
        tail.reserve(to.size() + rest.size());
        tail.append(to).append(rest);
        writeDocumentText(doc_, e.number, e.edit.at(), tail);
    };
    applying_ = true;
    try {
        if (backwards)
            std::for_each(step.edits.rbegin(), step.edits.rend(), applyOne);
        else
            std::for_each(step.edits.begin(), step.edits.end(), applyOne);
    } catch (...) {
        applying_ = false;
        clear();
        throw;
    }
    applying_ = false;
}

void History::clear() {
    steps_.clear();
    done_ = 0;
    held_ = 0;
    openRecorded_ = false;
}

} // namespace tab
