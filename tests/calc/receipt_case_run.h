#pragma once
// Runs the receipt_case tool as a user would and gives what it printed and its exit status.

#include <cstdio>
#include <string>

namespace recibo::cases {

struct ToolRun {
    std::string output;
    int status = -1;
};

// `arguments` follow the tool's path on the shell's command line, quoted as the caller needs.
inline ToolRun runReceiptCase(const std::string &arguments)
{
    ToolRun run;
    const std::string command = std::string(RECIBO_RECEIPT_CASE) + " " + arguments;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        run.output.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

}  // namespace recibo::cases
