#include "DesktopExec.h"

#include <sstream>

namespace {

// Escapes of string values: \s \n \t \r \\.
std::string UnescapeString(const std::string& value) {
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                text += ' ';
                break;
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case '\\':
                text += '\\';
                break;
            default:
                text += std::string("\\") + next;
        }
    }
    return text;
}

}  // namespace

std::optional<std::vector<std::string>> ExecArguments(const std::string& execValue,
                                                      const std::string& file) {
    const std::string command = UnescapeString(execValue);
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < command.size() &&
                       std::string("\"`$\\").find(command[i + 1]) != std::string::npos) {
                current += command[++i];
            } else {
                current += c;
            }
        } else if (c == ' ' || c == '\t') {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else if (c == '"') {
            quoted = inArgument = true;
        } else if (c == '%') {
            if (i + 1 == command.size()) return std::nullopt;
            const char code = command[++i];
            if (code == '%') {
                current += '%';
                inArgument = true;
            } else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
                current += file;
                inArgument = true;
            }
            // %i, %c, %k and the deprecated codes expand to nothing here.
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inArgument) arguments.push_back(current);
    if (arguments.empty()) return std::nullopt;
    return arguments;
}

std::optional<std::string> DesktopExecValue(const std::string& desktopFileText) {
    std::istringstream in(desktopFileText);
    std::string line;
    bool inMainGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup) continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string key = line.substr(0, equals);
        while (!key.empty() && key.back() == ' ') key.pop_back();
        if (key != "Exec") continue;
        size_t start = equals + 1;
        while (start < line.size() && line[start] == ' ') ++start;
        return line.substr(start);
    }
    return std::nullopt;
}
