// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOpenSwitch = "/open ";

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
}

// ASCII only: the bytes of UTF-8 names outside ASCII must pass through untouched.
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// The entry of `folder` named `name` but for case; the first in name order when several
// differ only by case, so the choice does not depend on the directory's order.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    std::optional<std::string> best;
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (EqualIgnoringCase(candidate, name) && (!best || candidate < *best)) best = candidate;
    }
    if (!best) return std::nullopt;
    return folder / *best;
}

std::optional<std::string> MatchIgnoringCase(const std::string& path) {
    const fs::path wanted(path);
    fs::path found = wanted.root_path();
    for (const fs::path& part : wanted.relative_path()) {
        const std::string name = part.string();
        if (name.empty() || name == "." || name == "..") {
            found /= part;
            continue;
        }
        if (Exists(found / part)) {
            found /= part;
            continue;
        }
        const auto match = FindIgnoringCase(found, name);
        if (!match) return std::nullopt;
        found = *match;
    }
    if (!Exists(found)) return std::nullopt;
    return found.string();
}

}  // namespace

std::string ArgumentText(const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) text += ' ';
        text += arguments[i];
    }
    return text;
}

std::string ProperCase(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    bool wordStart = true;
    for (char c : text) {
        if (IsWhiteSpace(c)) {
            wordStart = true;
            result += c;
            continue;
        }
        result += wordStart ? UpperAscii(c) : LowerAscii(c);
        wordStart = false;
    }
    return result;
}

std::optional<std::string> OpenArgumentPath(std::string_view argumentText) {
    if (argumentText.size() < kOpenSwitch.size() ||
        !EqualIgnoringCase(argumentText.substr(0, kOpenSwitch.size()), kOpenSwitch))
        return std::nullopt;
    return ProperCase(argumentText.substr(kOpenSwitch.size()));
}

std::string ResolveRecordPath(const std::string& asGiven, const std::string& properCased) {
    if (!asGiven.empty() && Exists(asGiven)) return asGiven;
    if (properCased.empty()) return properCased;
    if (Exists(properCased)) return properCased;
    return MatchIgnoringCase(properCased).value_or(properCased);
}
