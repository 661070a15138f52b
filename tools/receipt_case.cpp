// Runs receipt case files through the computation and prints each outcome as JSON:
//   receipt_case [--explain] CASE.json...   ("-" reads one case from standard input)
// A case is {"input": {...}} (an "expected" member, if any, is ignored) or the input object itself.
// --explain adds to each row and total how it was reached: {"text", "formula"}.

#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "case_json.h"

namespace {

int runCase(std::istream &stream, const std::string &name, bool explained)
{
    try {
        const auto json = nlohmann::ordered_json::parse(stream);
        const auto &input = json.contains("input") ? json["input"] : json;
        const auto in = recibo::cases::inputFromJson(input);
        if (!explained) {
            const auto outcome = recibo::compute(in.snapshot, in.decimalSeparator);
            std::cout << recibo::cases::outcomeToJson(outcome).dump(2) << '\n';
            return 0;
        }
        const auto working = std::make_unique<recibo::ReceiptWorking>();
        const auto outcome = recibo::compute(in.snapshot, in.decimalSeparator, *working);
        std::cout << recibo::cases::outcomeToJson(outcome, working.get()).dump(2) << '\n';
        return 0;
    } catch (const std::exception &error) {
        std::cerr << name << ": " << error.what() << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char **argv)
{
    const bool explained = argc > 1 && std::strcmp(argv[1], "--explain") == 0;
    const int first = explained ? 2 : 1;
    if (argc <= first) {
        std::cerr << "usage: receipt_case [--explain] CASE.json... (or - for standard input)\n";
        return 2;
    }
    int status = 0;
    for (int i = first; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "-") {
            status |= runCase(std::cin, name, explained);
            continue;
        }
        std::ifstream file(name);
        if (!file) {
            std::cerr << name << ": cannot open\n";
            status = 1;
            continue;
        }
        status |= runCase(file, name, explained);
    }
    return status;
}
