// Runs receipt case files through the computation and prints each outcome as JSON:
//   receipt_case CASE.json...   ("-" reads one case from standard input)
// A case is {"input": {...}} (an "expected" member, if any, is ignored) or the input object itself.

#include <fstream>
#include <iostream>

#include "case_json.h"

namespace {

int runCase(std::istream &stream, const std::string &name)
{
    try {
        const auto json = nlohmann::ordered_json::parse(stream);
        const auto &input = json.contains("input") ? json["input"] : json;
        const auto in = recibo::cases::inputFromJson(input);
        const auto outcome = recibo::compute(in.snapshot, in.decimalSeparator);
        std::cout << recibo::cases::outcomeToJson(outcome).dump(2) << '\n';
        return 0;
    } catch (const std::exception &error) {
        std::cerr << name << ": " << error.what() << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "usage: receipt_case CASE.json... (or - for standard input)\n";
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "-") {
            status |= runCase(std::cin, name);
            continue;
        }
        std::ifstream file(name);
        if (!file) {
            std::cerr << name << ": cannot open\n";
            status = 1;
            continue;
        }
        status |= runCase(file, name);
    }
    return status;
}
