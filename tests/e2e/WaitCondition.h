#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Referee.h"
#include "ScreenReader.h"

struct WaitOptions {
    std::optional<Position> board;        // the cells must be exactly these
    std::optional<Position> changedFrom;  // the cells must differ from these, all readable
    std::optional<Position> base;         // with moveBy: the position before the move
    char moveBy = 0;                      // a legal move of this side on base was played
    bool noBoard = false;                 // no board may be on the screen
    int size = 0;
    int markerRow = 0, markerCol = 0;
    std::string buttons;
    int stableMs = 0;  // what is read must not have changed for this long
    int timeoutMs = 15000;
    int intervalMs = 20;
    std::string shot;  // where the last screenshot is kept
    bool announce = false;
};

// "--board POS --marker 3,4 ..." into options; false and a message for anything else.
bool ParseWaitOptions(const std::vector<std::string>& args, WaitOptions& options,
                      std::string& error);

// Judges one screen reading after another against the options.
class WaitCondition {
  public:
    explicit WaitCondition(const WaitOptions& options) : options_(options) {}

    bool Check(const std::optional<ScreenReading>& reading, long long atMs);
    std::string Report() const;    // the reading that satisfied it, and the move found
    std::string Wanted() const;    // the conditions, for a timeout message
    std::string LastSeen() const;  // the last reading, for a timeout message

  private:
    bool Holds(const ScreenReading& reading);

    const WaitOptions& options_;
    std::optional<ScreenReading> last_;
    std::string lastDescription_;
    long long unchangedSinceMs_ = 0;
    std::string move_;
};
