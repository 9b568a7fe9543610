// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The argument text: the program's arguments joined by single spaces.
std::string ArgumentText(const std::vector<std::string>& arguments);

// Every letter lower case except the first letter of each word; words are separated by
// white space, not by "\" or "/".
std::string ProperCase(std::string_view text);

// For an argument text starting with "/open " in any case: the rest, proper-cased.
std::optional<std::string> OpenArgumentPath(std::string_view argumentText);

// The file to open for a command-line path: `asGiven` when it exists, else `properCased`
// when it exists, else the existing file whose path equals `properCased` but for case;
// `properCased` itself when nothing matches (the open then fails quietly).
std::string ResolveRecordPath(const std::string& asGiven, const std::string& properCased);
