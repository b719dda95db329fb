#pragma once
// Turns the program's filter pair ("Height Map Files (*.hm, *.raw)", "*.hm; *.raw") into
// the one-line filter that QFileDialog understands ("Height Map Files (*.hm *.raw)").

#include <QString>

#include <string>

QString FileDialogFilter(const std::string& description, const std::string& pattern);
