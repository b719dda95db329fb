#pragma once
// Helpers shared by the fuzz targets: the fuzzer's bytes as a file in a private temporary
// folder, so that every reader runs exactly as in the editor, through its path.

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to a file named `name` in the process's scratch folder; returns its path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);
// The process's scratch folder (created once), with a trailing separator.
const std::string& FuzzFolder();
