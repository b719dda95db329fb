#include "app/QtShell.h"

#include "app/FileDialogFilter.h"
#include "app/ListMessageBox.h"
#include "core/io/NativePath.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QWindow>

namespace {

size_t Slot(WindowId id) {
    return static_cast<size_t>(id);
}

QStyle::StandardPixmap ListBoxIcon(MessageIcon icon) {
    return icon == MessageIcon::Exclamation ? QStyle::SP_MessageBoxWarning
                                            : QStyle::SP_MessageBoxInformation;
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

FileChoice SplitChosenPath(const QString& path) {
    const std::string bytes = PathFromText(path);
    const size_t nameStart = bytes.find_last_of('/') + 1; // 0 without a folder
    FileChoice choice;
    choice.name = bytes.substr(nameStart);
    choice.folder = bytes.substr(0, nameStart);
    return choice;
}

QtShell::QtShell() = default;
QtShell::~QtShell() = default;

void QtShell::SetWindow(WindowId id, QWidget* widget) {
    windows_[Slot(id)] = widget;
}

QWidget* QtShell::Window(WindowId id) const {
    return windows_[Slot(id)].data();
}

QWidget* QtShell::BeforeModalBox(WindowId owner) {
    if (releasePointer)
        releasePointer();
    QWidget* ownerWidget = owner == WindowId::None ? nullptr : Window(owner);
    return ownerWidget ? ownerWidget->window() : nullptr;
}

void QtShell::ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                          MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, BeforeModalBox(owner));
    box.exec();
}

void QtShell::ShowMessageWithList(WindowId owner, const std::string& text, const std::string& list,
                                  const std::string& caption, MessageIcon icon) {
    ListMessageBox box(BeforeModalBox(owner), QString::fromStdString(caption),
                       QString::fromStdString(text), QString::fromStdString(list),
                       ListBoxIcon(icon));
    box.exec();
}

bool QtShell::AskBeforeLosing(WindowId owner, const QString& text, const QString& action) {
    QMessageBox box(QMessageBox::Warning, "Notice", text, QMessageBox::NoButton,
                    BeforeModalBox(owner));
    QPushButton* go = box.addButton(action, QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(QMessageBox::Cancel);
    // Enter and Escape both keep the work: only a deliberate choice throws it away.
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == go;
}

bool QtShell::ConfirmDiscardChanges(WindowId owner, const std::string& text) {
    return AskBeforeLosing(owner, QString::fromStdString(text), "&Discard Changes");
}

bool QtShell::ConfirmReplaceFile(const std::string& path) {
    return AskBeforeLosing(WindowId::Main, PathToText(path) + " already exists.\n\nReplace it?",
                           "&Replace");
}

std::optional<FileChoice> QtShell::AskFileName(FileDialogMode mode, const std::string& description,
                                               const std::string& pattern,
                                               const std::string& proposedPath) {
    BeforeModalBox(WindowId::None);
    // No owner, and neither an overwrite question nor an existence check here: the callers
    // ask about replacing and report files they cannot open or write. Without a proposal the
    // dialog opens in the current folder.
    QFileDialog dialog(nullptr, QString(), QString(), FileDialogFilter(description, pattern));
    if (!proposedPath.empty()) {
        const QFileInfo proposed(PathToText(proposedPath));
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    dialog.setAcceptMode(mode == FileDialogMode::Open ? QFileDialog::AcceptOpen
                                                      : QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().front());
    if (QFileInfo(path).fileName().isEmpty())
        return std::nullopt;
    return SplitChosenPath(path);
}

void QtShell::SetWindowVisible(WindowId window, bool visible) {
    if (QWidget* widget = Window(window))
        widget->window()->setVisible(visible);
}

void QtShell::MenuChecksChanged() {
    if (menuChecksChanged)
        menuChecksChanged();
}

void QtShell::ScrollPositionsChanged() {
    if (scrollPositionsChanged)
        scrollPositionsChanged();
}

void QtShell::DestroyMainWindow() {
    if (destroyMainWindow)
        destroyMainWindow();
}

void QtShell::FocusMainWindow() {
    if (QWidget* widget = Window(WindowId::Main)) {
        widget->activateWindow();
        widget->setFocus(Qt::MouseFocusReason);
    }
}

void QtShell::HandPointerTo3D(int screenY) {
    if (handPointerTo3D)
        handPointerTo3D(screenY);
}

void QtShell::SetWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtShell::BeginProgress(const std::string& text, int steps) {
    // Modeless and without an owner. The work runs on this thread, so each step lets the
    // event loop show and paint the dialog (a window is painted only once it is exposed);
    // the user's input waits until the work is done.
    progress_ = std::make_unique<QProgressDialog>();
    progress_->setWindowTitle("Map Editor");
    progress_->setLabelText(QString::fromStdString(text));
    progress_->setCancelButton(nullptr);
    progress_->setWindowModality(Qt::NonModal);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    progress_->setRange(0, steps < 0 ? 0 : steps);
    progress_->setValue(0);
    progress_->show();
    // The work starts once the window system has put the dialog on the screen, so that its
    // first paint shows (or after half a second, should the window system never say so).
    QElapsedTimer waited;
    waited.start();
    while (!progress_->windowHandle()->isExposed() && waited.elapsed() < 500) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
    PaintProgress();
}

void QtShell::StepProgress() {
    if (!progress_)
        return;
    if (progress_->value() < progress_->maximum())
        progress_->setValue(progress_->value() + 1);
    PaintProgress();
}

void QtShell::PaintProgress() {
    progress_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtShell::EndProgress() {
    progress_.reset();
}
