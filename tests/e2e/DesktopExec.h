#pragma once

#include <optional>
#include <string>
#include <vector>

// The command a desktop launcher runs for a desktop entry's Exec value and one file, as the
// freedesktop desktop-entry rules describe it: string escapes undone, the value split at blanks
// outside double quotes, quoting removed, %f/%F/%u/%U replaced by the file as one argument,
// %% by %, and the other field codes dropped. Nothing for a value that breaks the rules
// (an unterminated quote, a lone %).
std::optional<std::vector<std::string>> ExecArguments(const std::string& execValue,
                                                      const std::string& file);

// The Exec value of the [Desktop Entry] group of a desktop file's text.
std::optional<std::string> DesktopExecValue(const std::string& desktopFileText);
