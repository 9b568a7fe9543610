#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The sample records in tests/record/corpus, read as raw bytes.
inline std::filesystem::path CorpusPath(const std::string& name) {
    return std::filesystem::path(QUORVANE_RECORD_CORPUS) / name;
}

inline std::string ReadCorpusBytes(const std::string& name) {
    std::ifstream in(CorpusPath(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
