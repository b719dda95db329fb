#pragma once
// Checks shared by the tests of the file commands: what the user was shown and asked.

#include "support/RecordingShell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Exactly one message box was shown, with this owner, text, caption and icon.
inline void ExpectOnlyMessage(const RecordingShell& shell, WindowId owner, const std::string& text,
                              const std::string& caption, MessageIcon icon) {
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].owner, owner);
    EXPECT_EQ(shell.messages[0].text, text);
    EXPECT_EQ(shell.messages[0].caption, caption);
    EXPECT_EQ(shell.messages[0].icon, icon);
}

// The file dialog opened once per mode, in that order, with this filter, and since every one
// was cancelled nothing else reached the user.
inline void ExpectCancelledDialogs(const RecordingShell& shell,
                                   const std::vector<FileDialogMode>& modes,
                                   const std::string& description, const std::string& pattern) {
    ASSERT_EQ(shell.dialogs.size(), modes.size());
    for (size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(shell.dialogs[i].mode, modes[i]);
        EXPECT_EQ(shell.dialogs[i].description, description);
        EXPECT_EQ(shell.dialogs[i].pattern, pattern);
    }
    EXPECT_EQ(shell.calls, std::vector<std::string>(modes.size(), "dialog"));
}

// Only the message that the rail tables are full was shown.
inline void ExpectRailLimitMessage(const RecordingShell& shell) {
    ExpectOnlyMessage(shell, WindowId::None, "Maximum Number of Rail Sections Exceeded", "Error",
                      MessageIcon::None);
}
