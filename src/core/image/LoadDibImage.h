#pragma once
// Reading a bitmap file of any colour depth as a plain RGB image, the form that texture
// upload needs. Failures are shown as "Error" message boxes and give no image.

#include "core/Shell.h"
#include "core/image/RgbImage.h"

#include <optional>
#include <string>

// `owner` is the window that has the keyboard focus when the file is read.
std::optional<RgbImage> LoadDibImage(Shell& shell, const std::string& fileName,
                                     WindowId owner = WindowId::None);
