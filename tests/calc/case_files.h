#pragma once
// The golden case files, and a test name for each, shared by the suites that run every case.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace recibo::cases {

inline std::vector<std::string> caseFiles()
{
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(RECIBO_CASES_DIR))
        if (entry.path().extension() == ".json")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The file name without ".json", with every character a test name cannot hold made '_'.
inline std::string caseTestName(const testing::TestParamInfo<std::string> &info)
{
    std::string name = info.param.substr(0, info.param.size() - 5);
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

}  // namespace recibo::cases
