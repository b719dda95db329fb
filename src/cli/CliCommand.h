#pragma once
// A maptool subcommand: its name, the arguments it takes, a line about what it does and the
// function that runs it. main.cpp keeps the table of all of them.

#include <cstdio>
#include <string>
#include <vector>

// Exit statuses shared by every subcommand.
constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1; // the operation reported a failure (unreadable file, ...)
constexpr int ExitUsage = 2;   // the command line itself was wrong

struct CliCommand {
    const char* name;
    const char* arguments; // shown after "maptool NAME "
    const char* summary;
    // Runs with the arguments after the subcommand's name; returns the exit status.
    int (*run)(const std::vector<std::string>& arguments);
};

// The subcommands (each in its own file).
int RunConvertDem(const std::vector<std::string>& arguments);
int RunRandomize(const std::vector<std::string>& arguments);
int RunExpandFields(const std::vector<std::string>& arguments);
int RunFieldTransitions(const std::vector<std::string>& arguments);
int RunMarkErrors(const std::vector<std::string>& arguments);
int RunRender(const std::vector<std::string>& arguments);
int RunInfo(const std::vector<std::string>& arguments);
int RunImportElevation(const std::vector<std::string>& arguments);
int RunExportHeights(const std::vector<std::string>& arguments);
int RunGenerate(const std::vector<std::string>& arguments);

// Prints "usage: maptool NAME ARGUMENTS" and the summary to the stream.
void PrintCommandUsage(const CliCommand& command, std::FILE* stream);
