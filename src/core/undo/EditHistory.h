#pragma once
// The undo history of the layers: every change is one step on a QUndoStack that stores what
// it changed. An edit is bracketed by Begin and Commit; whatever changed in between becomes
// one step named after the action ("Paint Tiles"), and nothing at all becomes no step. The
// steps together keep under a memory cap; past it the oldest are dropped.

#include "core/undo/LayerSnapshot.h"

#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class MapDocument;

class EditHistory {
  public:
    static constexpr size_t DefaultMemoryCap = size_t{64} << 20;

    explicit EditHistory(size_t memoryCap = DefaultMemoryCap);
    ~EditHistory();

    // Remembers the layers as an edit begins. A Begin while one is open keeps the first, so
    // an edit that never saw its end joins the next one.
    void Begin(const MapDocument& document);
    // Ends the open edit: its changes, if any, become the step `name`.
    void Commit(const MapDocument& document, const std::string& name);
    bool IsOpen() const { return before_.has_value(); }
    // Carries out `change` as the step `name`, or as part of the edit already open.
    void Record(const MapDocument& document, const std::string& name,
                const std::function<void()>& change);

    // Takes the last step back or does the next one again; false when there is none.
    bool Undo(MapDocument& document);
    bool Redo(MapDocument& document);

    // The action names of the steps Undo and Redo would take ("" when none).
    QString UndoName() const { return stack_.undoText(); }
    QString RedoName() const { return stack_.redoText(); }
    // The steps and the bytes they hold.
    int StepCount() const { return stack_.count(); }
    size_t Bytes() const;

    // Announces every change of the history (new step, undo, redo).
    QUndoStack& Stack() { return stack_; }

  private:
    class Step;
    // Undo or redo on `document`, when `possible`.
    bool Move(MapDocument& document, bool possible, void (QUndoStack::*move)());
    void DropOldestOverCap();

    QUndoStack stack_;
    size_t memoryCap_;
    std::optional<LayerSnapshot> before_;
    MapDocument* target_ = nullptr; // the document an undo or redo applies to, while it runs
    bool replaying_ = false;        // steps are being put back without touching the layers
};
