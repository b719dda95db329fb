#include "app/EditorStatusBar.h"

#include "core/edit/Editor.h"
#include "core/edit/PointerReadout.h"
#include "core/tools/Tool.h"

#include <QLabel>

EditorStatusBar::EditorStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar");
    hint_ = new QLabel(this);
    addWidget(hint_, 1);
    for (QLabel*& field : fields_) {
        field = new QLabel(this);
        addPermanentWidget(field);
    }
}

void EditorStatusBar::Refresh(const Editor& editor) {
    const PointerReadout readout = ReadPointer(editor);
    const std::string* texts[] = {&readout.cell,   &readout.position, &readout.tile,
                                  &readout.height, &readout.zoom,     &readout.tool};
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QString text = QString::fromStdString(*texts[i]);
        fields_[i]->setText(text);
        // An empty field takes no room between its neighbours.
        fields_[i]->setVisible(!text.isEmpty());
    }
    SetToolHint(QString::fromStdString(ToolFor(editor.EditMode).Hint()));
}

void EditorStatusBar::SetToolHint(const QString& hint) {
    hint_->setText(hint);
}

QString EditorStatusBar::Text(Field field) const {
    return fields_[static_cast<size_t>(field)]->text();
}

QString EditorStatusBar::ToolHint() const {
    return hint_->text();
}
