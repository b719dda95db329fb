#pragma once
// How maptool's subcommands turn down a command line or report a file they could not write:
// one line "maptool: REASON" on standard error.

#include <cstdint>
#include <span>
#include <string>

// Prints the reason; returns false so that a parser can `return Refuse(...)`.
bool Refuse(const std::string& reason);
// Writes the file whole or not at all; a failure is refused with the path and the reason.
bool WriteOrRefuse(const std::string& path, std::span<const uint8_t> bytes);
