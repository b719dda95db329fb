#pragma once
// A message box for a text that ends in a long list: the text on top beside the box's icon,
// the list one item a line in a read-only scrolled area below it, and an OK button. The box
// never grows past the screen it opens on, so OK stays in reach.

#include <QDialog>
#include <QStyle>

class QPlainTextEdit;

class ListMessageBox : public QDialog {
    Q_OBJECT
  public:
    // `list` holds the items separated by blanks or line breaks.
    ListMessageBox(QWidget* owner, const QString& caption, const QString& text, const QString& list,
                   QStyle::StandardPixmap icon);

    QPlainTextEdit& ListArea() { return *list_; }

  private:
    QPlainTextEdit* list_ = nullptr;
};
