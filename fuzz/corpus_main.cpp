// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the fuzz target's checks once over every file in the folders given, without
// libFuzzer, so the ordinary test run judges the seed records too. A sample named invalid-*
// must be refused by Open and every other one accepted.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "RecordText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int files = 0, wrong = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            const bool opens = ParseRecordText(ReadRecordItems(bytes)).valid;
            if (opens == entry.path().filename().string().starts_with("invalid-"))
                std::cerr << entry.path() << (opens ? " opens\n" : " is refused\n"), ++wrong;
            ++files;
        }
    }
    return files >= 20 && wrong == 0 ? 0 : 1;
}
