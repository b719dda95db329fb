#pragma once
// The Shell of maptool: completion notices go to standard output, failures to standard
// error; there are no dialogs, windows or cursors, so everything else is ignored (and a file
// question, which no subcommand should ask, is answered with Cancel).

#include "core/SilentShell.h"

class ConsoleShell : public SilentShell {
  public:
    // Whether any failure message was shown, and how many.
    bool Failed() const { return failures_ > 0; }
    int Failures() const { return failures_; }

    void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                     MessageIcon icon) override;

  private:
    int failures_ = 0;
};
