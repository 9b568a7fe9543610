#include "WaitCondition.h"

#include <cstdio>

namespace {

bool ParseInt(const std::string& text, int& value) {
    try {
        size_t used = 0;
        value = std::stoi(text, &used);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

bool ParseWaitOptions(const std::vector<std::string>& args, WaitOptions& options,
                      std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--announce" || name == "--no-board") {
            (name == "--announce" ? options.announce : options.noBoard) = true;
            continue;
        }
        if (i + 1 == args.size()) {
            error = "missing value after " + name;
            return false;
        }
        const std::string& value = args[++i];
        bool ok = true;
        auto position = [&](std::optional<Position>& into) {
            into = Position::FromText(value);
            ok = into.has_value();
        };
        if (name == "--board") {
            position(options.board);
        } else if (name == "--changed-from") {
            position(options.changedFrom);
        } else if (name == "--base") {
            position(options.base);
        } else if (name == "--move-by") {
            options.moveBy = value.empty() ? 0 : value[0];
            ok = value == "B" || value == "W";
        } else if (name == "--size") {
            ok = ParseInt(value, options.size);
        } else if (name == "--marker") {
            ok = std::sscanf(value.c_str(), "%d,%d", &options.markerRow, &options.markerCol) == 2;
        } else if (name == "--buttons") {
            options.buttons = value;
            ok = value.size() == 5 && value.find_first_not_of("01") == std::string::npos;
        } else if (name == "--stable") {
            ok = ParseInt(value, options.stableMs);
        } else if (name == "--timeout") {
            ok = ParseInt(value, options.timeoutMs);
        } else if (name == "--interval") {
            ok = ParseInt(value, options.intervalMs) && options.intervalMs >= 0;
        } else if (name == "--shot") {
            options.shot = value;
        } else {
            ok = false;
        }
        if (!ok) {
            error = "bad option: " + name + " " + value;
            return false;
        }
    }
    if ((options.moveBy != 0) != options.base.has_value()) {
        error = "--move-by and --base go together";
        return false;
    }
    return true;
}

bool WaitCondition::Check(const std::optional<ScreenReading>& reading, long long atMs) {
    const std::string description = reading ? reading->Describe() : "no board on the screen\n";
    if (description != lastDescription_ || unchangedSinceMs_ == 0) unchangedSinceMs_ = atMs;
    lastDescription_ = description;
    last_ = reading;
    if (options_.noBoard) return !reading;
    if (!reading || !reading->Readable()) return false;
    if (options_.stableMs > 0 && atMs - unchangedSinceMs_ < options_.stableMs) return false;
    return Holds(*reading);
}

bool WaitCondition::Holds(const ScreenReading& reading) {
    const std::optional<Position> seen = Position::FromText(reading.cells);
    if (!seen) return false;
    if (options_.size > 0 && reading.size != options_.size) return false;
    if (options_.board && *seen != *options_.board) return false;
    if (options_.changedFrom && *seen == *options_.changedFrom) return false;
    if (options_.markerRow > 0 &&
        (reading.markerRow != options_.markerRow || reading.markerCol != options_.markerCol))
        return false;
    if (!options_.buttons.empty() && reading.buttons != options_.buttons) return false;
    if (options_.moveBy != 0) {
        move_.clear();
        for (const auto& [row, col] : options_.base->LegalMoves(options_.moveBy)) {
            if (options_.base->Play(options_.moveBy, row, col) == seen) {
                move_ = "move " + std::to_string(row) + " " + std::to_string(col) + "\n";
            }
        }
        if (move_.empty()) return false;
    }
    return true;
}

std::string WaitCondition::Report() const { return lastDescription_ + move_; }

std::string WaitCondition::Wanted() const {
    std::string wanted;
    if (options_.board) wanted += "\n board\n" + options_.board->Grid();
    if (options_.changedFrom) wanted += "\n a change from\n" + options_.changedFrom->Grid();
    if (options_.moveBy != 0)
        wanted +=
            std::string("\n a legal move of ") + options_.moveBy + " on\n" + options_.base->Grid();
    if (options_.size > 0) wanted += "\n side " + std::to_string(options_.size);
    if (options_.markerRow > 0)
        wanted += "\n the marker on row " + std::to_string(options_.markerRow) + " column " +
                  std::to_string(options_.markerCol);
    if (!options_.buttons.empty()) wanted += "\n replay buttons " + options_.buttons;
    if (options_.noBoard) wanted += "\n no board on the screen";
    if (options_.stableMs > 0)
        wanted += "\n no change for " + std::to_string(options_.stableMs) + " ms";
    return wanted.empty() ? " a board\n" : wanted + "\n";
}

std::string WaitCondition::LastSeen() const {
    std::string seen = "last seen:\n" + lastDescription_;
    if (last_) {
        if (const auto position = Position::FromText(last_->cells)) seen += position->Grid();
    }
    return seen;
}
