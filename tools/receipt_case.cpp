// Runs receipt case files through the computation and prints each outcome as JSON:
//   receipt_case [--explain] [--periodo PERIODO.toml] CASE.json...   ("-" reads one case from standard input)
//   receipt_case --exportar-periodo
//   receipt_case --comparar RECIBO.json [--periodo PERIODO.toml] CASE.json...
// A case is {"input": {...}} (an "expected" member, if any, is ignored) or the input object itself,
// or a teacher's file (.recibo), read as the program reads it; its period must be the one computed with.
// --explain adds to each row and total how it was reached: {"text", "formula"}. --periodo computes
// with that period instead of the built-in one; --exportar-periodo writes the built-in period's file.
// --comparar compares each receipt with the pay slip RECIBO.json says and prints {"lines",
// "explanations"}; a count's change from or to "0" also ticks or clears its box.

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "builtin_period.h"
#include "case_json.h"
#include "comparison_json.h"
#include "period_reader.h"
#include "teacher_file.h"

namespace {

struct Options {
    bool explained = false;
    bool exportPeriod = false;
    std::optional<std::string> periodFile;
    std::optional<std::string> slipFile;
    std::vector<std::string> cases;
};

std::optional<Options> readOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--explain")
            options.explained = true;
        else if (argument == "--exportar-periodo")
            options.exportPeriod = true;
        else if (argument == "--periodo" && i + 1 < argc)
            options.periodFile = argv[++i];
        else if (argument == "--comparar" && i + 1 < argc)
            options.slipFile = argv[++i];
        else if (argument.starts_with("--"))
            return std::nullopt;
        else
            options.cases.push_back(argument);
    }
    if (options.exportPeriod != options.cases.empty() || (options.slipFile && (options.explained || options.exportPeriod)))
        return std::nullopt;
    return options;
}

// A refusal whose message already names the file.
struct NamedRefusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The entries of a teacher's file, as the program reads them.
recibo::cases::CaseInput teacherEntries(std::istream &stream, const std::string &name, const recibo::Period &period)
{
    const std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    const auto reading = recibo::file::readTeacherFile(bytes, [&period](std::string_view wanted) {
        return wanted == period.name ? &period : nullptr;
    });
    if (!reading.file)
        throw NamedRefusal(recibo::problemText(*reading.problem, name));
    return {reading.file->entries, '.'};
}

bool isTeacherFile(const std::string &name)
{
    return name.size() > 7 && name.compare(name.size() - 7, 7, ".recibo") == 0;
}

int runCase(std::istream &stream, const std::string &name, const recibo::Period &period, bool explained,
            const recibo::Slip *slip)
{
    try {
        const auto in = isTeacherFile(name) ? teacherEntries(stream, name, period) : [&] {
            const auto json = nlohmann::ordered_json::parse(stream);
            return recibo::cases::inputFromJson(json.contains("input") ? json["input"] : json, period);
        }();
        if (slip) {
            std::cout << recibo::slips::compareCase(in, period, *slip).dump(2) << '\n';
            return 0;
        }
        if (!explained) {
            const auto outcome = recibo::compute(in.snapshot, period, in.decimalSeparator);
            std::cout << recibo::cases::outcomeToJson(outcome).dump(2) << '\n';
            return 0;
        }
        const auto working = std::make_unique<recibo::ReceiptWorking>();
        const auto outcome = recibo::compute(in.snapshot, period, in.decimalSeparator, *working);
        std::cout << recibo::cases::outcomeToJson(outcome, working.get()).dump(2) << '\n';
        return 0;
    } catch (const NamedRefusal &error) {
        std::cerr << error.what() << '\n';
        return 1;
    } catch (const std::exception &error) {
        std::cerr << name << ": " << error.what() << '\n';
        return 1;
    }
}

}  // namespace

int main(int argc, char **argv)
{
    const auto options = readOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: receipt_case [--explain] [--periodo PERIOD.toml] CASE.json... (or - for standard input)\n"
                     "       receipt_case --exportar-periodo\n"
                     "       receipt_case --comparar RECIBO.json [--periodo PERIOD.toml] CASE.json...\n";
        return 2;
    }
    if (options->exportPeriod) {
        std::cout << recibo::builtInPeriodText();
        return std::cout ? 0 : 1;
    }
    std::optional<recibo::Period> chosen;
    if (options->periodFile) {
        recibo::PeriodReading reading = recibo::readPeriodFile(*options->periodFile);
        for (const recibo::PeriodProblem &problem : reading.problems)
            std::cerr << recibo::problemText(problem, *options->periodFile) << '\n';
        if (!reading.period)
            return 1;
        chosen = std::move(reading.period);
    }
    const recibo::Period &period = chosen ? *chosen : recibo::builtInPeriod();
    std::optional<recibo::Slip> slip;
    if (options->slipFile) {
        slip = recibo::slips::readSlipFile(*options->slipFile, std::cerr);
        if (!slip)
            return 1;
    }
    int status = 0;
    for (const std::string &name : options->cases) {
        if (name == "-") {
            status |= runCase(std::cin, name, period, options->explained, slip ? &*slip : nullptr);
            continue;
        }
        std::ifstream file(name, std::ios::binary);
        if (!file) {
            std::cerr << name << ": cannot open\n";
            status = 1;
            continue;
        }
        status |= runCase(file, name, period, options->explained, slip ? &*slip : nullptr);
    }
    return status;
}
