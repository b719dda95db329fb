#pragma once
// The Shell of maptool: completion notices go to standard output, failures to standard
// error; there are no dialogs, windows or cursors, so everything else is ignored (and a file
// question, which no subcommand should ask, is answered with Cancel).

#include "core/SilentShell.h"

class ConsoleShell : public SilentShell {
  public:
    // Whether any failure message was shown.
    bool Failed() const { return failed_; }

    void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                     MessageIcon icon) override;

  private:
    bool failed_ = false;
};
