#include "app/ListMessageBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>

#include <algorithm>

ListMessageBox::ListMessageBox(QWidget* owner, const QString& caption, const QString& text,
                               const QString& list, QStyle::StandardPixmap icon)
    : QDialog(owner) {
    setWindowTitle(caption);
    auto* layout = new QGridLayout(this);

    auto* iconLabel = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(iconSize, iconSize));
    layout->addWidget(iconLabel, 0, 0, Qt::AlignTop);

    auto* textLabel = new QLabel(text.trimmed(), this);
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(textLabel, 0, 1);

    list_ = new QPlainTextEdit(this);
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setPlainText(
        list.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).join(QLatin1Char('\n')));
    layout->addWidget(list_, 1, 1);
    layout->setRowStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 2, 0, 1, 2);

    // Tall enough for a good part of the list, never taller than the screen's free area.
    const QScreen* screen = owner ? owner->screen() : QDialog::screen();
    const QRect room = screen->availableGeometry();
    resize(std::min(sizeHint().width() + 200, room.width() * 3 / 4),
           std::min(room.height() * 2 / 3, 600));
    setMaximumSize(room.size());
}
