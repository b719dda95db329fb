#pragma once
// Paths are the file system's own bytes and are kept as such (std::string) everywhere. Qt
// shows and returns them as text, decoding the bytes as UTF-8, which turns a name that is no
// UTF-8 (a Latin-1 "caf\xe9.tm") into one with U+FFFD in it. These helpers cross between the two.

#include <QString>
#include <string>

// The text to show for a path (bytes that are no UTF-8 show as U+FFFD).
QString PathToText(const std::string& path);

// The path that a text from Qt (a file dialog's choice) names: the text's UTF-8 bytes, except
// that each component the file system does not hold under those bytes is matched against the
// entries of its folder as Qt shows them; a single entry that shows the same is taken with its
// own bytes. Components nothing matches (a new file's name) keep the text's bytes.
std::string PathFromText(const QString& text);
