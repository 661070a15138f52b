// Writes the seed corpora of the fuzz targets from the golden receipt cases: for the computation,
// one file per case holding its input in the bytes the target reads; for the number readers,
// every distinct text the cases type. Usage: fuzz_seed_corpus COMPUTE_DIR NUMBER_DIR CASE.json...

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "builtin_period.h"
#include "case_json.h"
#include "snapshot_bytes.h"

namespace {

void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("usage: fuzz_seed_corpus COMPUTE_DIR NUMBER_DIR CASE.json...\n", stderr);
        return 2;
    }
    const std::filesystem::path computeDir = argv[1];
    const std::filesystem::path numberDir = argv[2];
    std::filesystem::create_directories(computeDir);
    std::filesystem::create_directories(numberDir);
    std::set<std::string> texts;
    for (int i = 3; i < argc; ++i) {
        const std::filesystem::path casePath = argv[i];
        std::ifstream in(casePath);
        const auto input = recibo::cases::inputFromJson(nlohmann::ordered_json::parse(in).at("input"), recibo::builtInPeriod());
        writeFile(computeDir / casePath.stem(),
                  recibo::fuzz::toBytes({input.snapshot, input.decimalSeparator}));
        for (const auto &field : recibo::fuzz::kTextFields) {
            const std::string &text = input.snapshot.*field.member;
            if (texts.insert(text).second)
                writeFile(numberDir / (casePath.stem().string() + '-' + std::string(field.name)), text);
        }
    }
    return 0;
}
