#include "core/undo/EditHistory.h"

#include "core/model/MapDocument.h"
#include "core/undo/LayerDelta.h"

#include <memory>
#include <utility>
#include <vector>

// One step: its delta is shared so that the history can rebuild the stack without copies.
class EditHistory::Step : public QUndoCommand {
  public:
    Step(EditHistory& history, const QString& name, std::shared_ptr<const LayerDelta> delta)
        : QUndoCommand(name), history_(history), delta_(std::move(delta)) {}

    void redo() override { Apply(true); }
    void undo() override { Apply(false); }

    const std::shared_ptr<const LayerDelta>& Delta() const { return delta_; }

  private:
    void Apply(bool forward) {
        // The first redo comes from the push itself, after the edit was already made.
        if (!applied_) {
            applied_ = true;
            return;
        }
        if (!history_.replaying_ && history_.target_)
            delta_->Apply(*history_.target_, forward);
    }

    EditHistory& history_;
    std::shared_ptr<const LayerDelta> delta_;
    bool applied_ = false;
};

EditHistory::EditHistory(size_t memoryCap) : memoryCap_(memoryCap) {}

EditHistory::~EditHistory() {
    // The steps refer back to this history; they go first.
    stack_.clear();
}

void EditHistory::Begin(const MapDocument& document) {
    if (!before_)
        before_ = LayerSnapshot::Of(document);
}

void EditHistory::Commit(const MapDocument& document, const std::string& name) {
    if (!before_)
        return;
    auto delta = std::make_shared<const LayerDelta>(LayerDelta::Since(*before_, document));
    before_.reset();
    if (delta->Empty())
        return;
    stack_.push(new Step(*this, QString::fromStdString(name), std::move(delta)));
    DropOldestOverCap();
}

void EditHistory::Record(const MapDocument& document, const std::string& name,
                         const std::function<void()>& change) {
    const bool ownStep = !IsOpen();
    if (ownStep)
        Begin(document);
    change();
    if (ownStep)
        Commit(document, name);
}

bool EditHistory::Undo(MapDocument& document) {
    return Move(document, stack_.canUndo(), &QUndoStack::undo);
}

bool EditHistory::Redo(MapDocument& document) {
    return Move(document, stack_.canRedo(), &QUndoStack::redo);
}

bool EditHistory::Move(MapDocument& document, bool possible, void (QUndoStack::*move)()) {
    if (!possible)
        return false;
    target_ = &document;
    (stack_.*move)();
    target_ = nullptr;
    return true;
}

size_t EditHistory::Bytes() const {
    size_t bytes = 0;
    for (int i = 0; i < stack_.count(); ++i)
        bytes += static_cast<const Step*>(stack_.command(i))->Delta()->Bytes();
    return bytes;
}

void EditHistory::DropOldestOverCap() {
    // QUndoStack drops old steps only by count, so the history is put back without the
    // oldest steps; the layers are not touched while that happens. The newest step stays
    // whatever its size.
    const int count = stack_.count();
    size_t bytes = Bytes();
    int dropped = 0;
    while (bytes > memoryCap_ && dropped < count - 1) {
        bytes -= static_cast<const Step*>(stack_.command(dropped))->Delta()->Bytes();
        ++dropped;
    }
    if (dropped == 0)
        return;
    std::vector<std::pair<QString, std::shared_ptr<const LayerDelta>>> kept;
    for (int i = dropped; i < count; ++i) {
        const auto* step = static_cast<const Step*>(stack_.command(i));
        kept.emplace_back(step->text(), step->Delta());
    }
    const int index = stack_.index();
    replaying_ = true;
    stack_.clear();
    for (auto& [name, delta] : kept)
        stack_.push(new Step(*this, name, std::move(delta)));
    stack_.setIndex(std::max(0, index - dropped));
    replaying_ = false;
}
