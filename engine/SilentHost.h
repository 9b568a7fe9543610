// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameHost.h"

// A host with no window: the engine plays, nothing is drawn, recorded or waited for. For
// code that only needs the rules, such as replaying a record to check it or benchmarking.
class SilentHost final : public GameHost {
  public:
    void DrawDisc(char, int16_t, int16_t) override {}
    void MarkLastMove(int16_t, int16_t) override {}
    void RecordMove(char, int16_t, int16_t) override {}
    void RefreshStatus() override {}
    void ShowScore(Side, int16_t) override {}
    void SetStatusLine0(const std::string&) override {}
    void ShowMessage(const std::string&) override {}
    void WaitMilliseconds(int32_t) override {}
};
