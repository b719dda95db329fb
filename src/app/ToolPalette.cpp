#include "app/ToolPalette.h"

#include "app/MainMenu.h"
#include "app/PaletteButton.h"
#include "core/commands/Commands.h"
#include "core/edit/CommandRegistry.h"
#include "core/edit/Editor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int CaptionHeight = 16;
constexpr int EdgeWidth = 2;
constexpr int TilePictureSize = 64;

// The part of a picture that a button shows, stretched to the button: 48 x 48 of a mode
// picture, the whole 64 x 64 of a tile picture.
QImage ButtonPicture(const QImage& image, int button) {
    if (image.isNull())
        return {};
    const int source = button < FirstTileButton ? PaletteButtonSize : TilePictureSize;
    return image.copy(0, 0, source, source)
        .scaled(PaletteButtonSize, PaletteButtonSize, Qt::IgnoreAspectRatio,
                Qt::FastTransformation);
}

// A button's tooltip: the tool and its key, or the tile it puts down.
QString ButtonName(int button) {
    if (button < FirstTileButton)
        return ItemText(CommandEntryOf(button == 0 ? CommandId::TilePaintingMode
                                                   : CommandId::HeightEditingMode))
                   .replace('\t', " (") +
               ')';
    const std::string_view name = TileDisplayName(button - FirstTileButton);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

ToolPalette::ToolPalette(Editor& editor, QWidget* parent, const PaletteImages& images,
                         std::function<void(CommandId)> sendCommand, QWidget* keyTarget)
    : QFrame(parent), ScopedDocumentListener(editor.document), editor_(editor),
      sendCommand_(std::move(sendCommand)), keyTarget_(keyTarget) {
    setObjectName("ToolPalette");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(EdgeWidth);
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(colours);
    setFixedSize(PaletteClientWidth + 2 * EdgeWidth,
                 PaletteClientHeight + CaptionHeight + 2 * EdgeWidth);

    const QPoint origin = ClientRect().topLeft();
    for (int k = 0; k < PaletteButtonCount; ++k) {
        auto* button =
            new PaletteButton(this, k, [this](QPainter& painter, const PaletteButton& b) {
                PaintButton(painter, b);
            });
        button->setGeometry(origin.x() + PaletteMargin + PaletteButtonPitch * (k % 4),
                            origin.y() + PaletteMargin + PaletteButtonPitch * (k / 4),
                            PaletteButtonSize, PaletteButtonSize);
        connect(button, &QAbstractButton::pressed, this, [this, k] { ButtonPressed(k); });
        button->setToolTip(ButtonName(k));
        // The two mode buttons carry a command; a tile button's choice is made on its press.
        if (k < FirstTileButton)
            connect(button, &QAbstractButton::clicked, this, [this, k] {
                sendCommand_(k == 0 ? CommandId::TilePaintingMode : CommandId::HeightEditingMode);
            });
        buttons_[k] = button;
    }
    AddToolButtons(origin);
    for (int i = 0; i < PaletteImageCount; ++i)
        scaled_[i] = ButtonPicture(images.images[i], i % PaletteButtonCount);
    if (parent)
        parent->installEventFilter(this);
    FollowParentCorner();
    raise();
}

void ToolPalette::AddToolButtons(QPoint origin) {
    // Each button's tooltip names the command and its shortcut.
    struct Entry {
        CommandId command;
        const char* text;
    };
    static constexpr Entry Entries[] = {
        {CommandId::SelectTool, "Select"},   {CommandId::FillSelection, "Fill"},
        {CommandId::FloodFillTool, "Flood"}, {CommandId::LineTool, "Line"},
        {CommandId::Paste, "Paste"},         {CommandId::HeightBrushTool, "Brush"},
    };
    const int top = origin.y() + PaletteMargin + PaletteButtonPitch * (PaletteButtonCount / 4);
    for (size_t i = 0; i < std::size(Entries); ++i) {
        auto* button = new QToolButton(this);
        button->setText(Entries[i].text);
        const CommandEntry& entry = CommandEntryOf(Entries[i].command);
        QString tip =
            QString::fromUtf8(entry.label.data(), static_cast<qsizetype>(entry.label.size()))
                .remove('&');
        if (!entry.shortcuts.empty())
            tip += QStringLiteral(" (%1)").arg(
                QString::fromUtf8(entry.shortcuts.front().data(),
                                  static_cast<qsizetype>(entry.shortcuts.front().size())));
        button->setToolTip(tip);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCheckable(CommandCheckMark(editor_, Entries[i].command).has_value());
        const int slot = static_cast<int>(i);
        button->setGeometry(origin.x() + PaletteMargin + PaletteButtonPitch * (slot % 4),
                            top + PaletteButtonPitch * (slot / 4), PaletteButtonSize,
                            PaletteButtonSize);
        const CommandId command = Entries[i].command;
        connect(button, &QToolButton::clicked, this, [this, command] { sendCommand_(command); });
        toolButtons_.emplace_back(command, button);
    }
}

QToolButton* ToolPalette::ToolButton(CommandId command) const {
    for (const auto& [id, button] : toolButtons_)
        if (id == command)
            return button;
    return nullptr;
}

QRect ToolPalette::ClientRect() const {
    return QRect(EdgeWidth, EdgeWidth + CaptionHeight, PaletteClientWidth, PaletteClientHeight);
}

void ToolPalette::FollowParentCorner() {
    if (!parentWidget())
        return;
    MoveWithinParent(movedByUser_ ? pos() : QPoint(parentWidget()->width() - width(), 0));
}

void ToolPalette::MoveWithinParent(QPoint position) {
    const QSize room = parentWidget() ? parentWidget()->size() : size();
    move(std::clamp(position.x(), 0, std::max(0, room.width() - width())),
         std::clamp(position.y(), 0, std::max(0, room.height() - ClientRect().top())));
}

void ToolPalette::wheelEvent(QWheelEvent* event) {
    if (!parentWidget()) {
        QFrame::wheelEvent(event);
        return;
    }
    const int room = parentWidget()->height();
    const int top = std::min(0, room - height());              // the bottom row in view
    const int bottom = std::max(0, room - ClientRect().top()); // the caption in view
    const int step = event->angleDelta().y() * PaletteButtonPitch / 120;
    move(x(), std::clamp(y() + step, top, bottom));
    event->accept();
}

bool ToolPalette::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        FollowParentCorner();
    return QFrame::eventFilter(watched, event);
}

bool ToolPalette::IsCurrent(int index) const {
    if (index < FirstTileButton)
        return index == editor_.PaletteMode;
    return index - FirstTileButton == editor_.SelectedTile;
}

void ToolPalette::ButtonPressed(int index) {
    // The choice is made as soon as the button goes down, before it is released.
    if (index < FirstTileButton) {
        if (editor_.PaletteMode >= 0 && editor_.PaletteMode < FirstTileButton)
            buttons_[editor_.PaletteMode]->update();
        editor_.PaletteMode = index;
    } else {
        const int previous = FirstTileButton + editor_.SelectedTile;
        if (previous < PaletteButtonCount)
            buttons_[previous]->update();
        editor_.SelectedTile = static_cast<TileCode>(index - FirstTileButton);
    }
    buttons_[index]->update();
}

void ToolPalette::PaintButton(QPainter& painter, const PaletteButton& button) const {
    const int index = button.Index();
    const bool pressed = button.isDown() || IsCurrent(index);
    const QImage& picture = scaled_[index + (pressed ? PaletteButtonCount : 0)];
    const QRect rect = button.rect();
    if (!picture.isNull())
        painter.drawImage(rect.topLeft(), picture);
    if (index >= FirstTileButton && index - FirstTileButton == editor_.SelectedTile) {
        // A one-pixel frame of black diagonal cross-hatch on the opaque white background.
        const QRegion frame = QRegion(rect) - QRegion(rect.adjusted(1, 1, -1, -1));
        for (const QRect& part : frame) {
            painter.fillRect(part, Qt::white);
            painter.fillRect(part, QBrush(Qt::black, Qt::DiagCrossPattern));
        }
    }
}

void ToolPalette::ForwardKey(QKeyEvent* event) {
    if (keyTarget_)
        QCoreApplication::postEvent(keyTarget_,
                                    new QKeyEvent(event->type(), event->key(), event->modifiers(),
                                                  event->text(), event->isAutoRepeat(),
                                                  static_cast<ushort>(event->count())));
}

// A forwarded key is done with here: it must not also reach the view beneath as the
// palette's parent.
void ToolPalette::keyPressEvent(QKeyEvent* event) {
    ForwardKey(event);
    event->accept();
}

void ToolPalette::keyReleaseEvent(QKeyEvent* event) {
    ForwardKey(event);
    event->accept();
}

void ToolPalette::mousePressEvent(QMouseEvent* event) {
    // The caption strip moves the palette, as a window's caption does.
    if (event->button() == Qt::LeftButton && event->position().y() < ClientRect().top())
        dragOffset_ = event->position().toPoint();
    else
        dragOffset_ = QPoint(-1, -1);
    QFrame::mousePressEvent(event);
}

void ToolPalette::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && dragOffset_.y() >= 0) {
        MoveWithinParent(mapToParent(event->position().toPoint()) - dragOffset_);
        movedByUser_ = true;
    }
    QFrame::mouseMoveEvent(event);
}

void ToolPalette::paintEvent(QPaintEvent* event) {
    // The tool buttons show the current tool, as the menu's check marks do.
    for (const auto& [command, button] : toolButtons_)
        if (const auto current = CommandCheckMark(editor_, command))
            button->setChecked(*current);
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect caption(EdgeWidth, EdgeWidth, PaletteClientWidth, CaptionHeight);
    painter.fillRect(caption, palette().color(QPalette::Highlight));
}
