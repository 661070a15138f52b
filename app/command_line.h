#pragma once
// The command line: --help and --version answer and leave, without a display; any other argument
// is refused before a window opens.

#include <QString>
#include <QStringList>

#include <optional>

namespace recibo::app {

enum class CommandLineAction { Start, ShowHelp, ShowVersion, Refuse };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Start;
    QString text;  // the help, the version line or the refusal, ready to print
};

// `arguments` starts with the program's own name, as argv does.
CommandLineRequest readCommandLine(const QStringList &arguments, const QString &version);

// Prints what the command line asks for; the exit status when the program must leave at once.
std::optional<int> answerCommandLine(int argc, char *argv[]);

}  // namespace recibo::app
