#include "app/InputAdapter.h"

#include <QAbstractSlider>

Modifiers ModifiersOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

std::optional<Key> KeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Down:
        return Key::Down;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F9)
        return static_cast<Key>(static_cast<int>(Key::F1) + (qtKey - Qt::Key_F1));
    return std::nullopt;
}

Qt::Key QtKeyOf(Key key) {
    switch (key) {
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::Left:
        return Qt::Key_Left;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Right:
        return Qt::Key_Right;
    case Key::Down:
        return Qt::Key_Down;
    default:
        break;
    }
    return static_cast<Qt::Key>(Qt::Key_F1 + (static_cast<int>(key) - static_cast<int>(Key::F1)));
}

std::optional<ScrollStep> ScrollStepOf(int sliderAction) {
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollStep::LineBack;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollStep::LineForward;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollStep::PageBack;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollStep::PageForward;
    case QAbstractSlider::SliderMove:
        return ScrollStep::ToPosition;
    default:
        return std::nullopt;
    }
}
