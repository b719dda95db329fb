#pragma once
// The one translation of Qt's input into the editor's own terms.

#include "core/edit/InputEvents.h"

#include <Qt>

#include <optional>

Modifiers ModifiersOf(Qt::KeyboardModifiers modifiers);
// The key the editor acts on for a Qt key, or nothing.
std::optional<Key> KeyOf(int qtKey);
// The Qt key of a key the editor acts on.
Qt::Key QtKeyOf(Key key);
// The scroll step of a scroll bar action (QAbstractSlider::SliderAction), or nothing.
std::optional<ScrollStep> ScrollStepOf(int sliderAction);
