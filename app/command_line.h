#pragma once
// The command line: --help, --version and --verificar-periodo answer and leave, without a display;
// --periodo names a period file to offer beside the others; one teacher's file (.recibo) may be named
// to open; any other argument is refused before a window opens.

#include <QString>
#include <QStringList>

#include <optional>

namespace recibo::app {

enum class CommandLineAction { Start, ShowHelp, ShowVersion, VerifyPeriod, Refuse };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Start;
    QString text;        // the help, the version line or the refusal, ready to print
    QString periodFile;  // --periodo (Start) or --verificar-periodo (VerifyPeriod)
    QString teacherFile; // the .recibo file to open (Start)
};

// `arguments` starts with the program's own name, as argv does.
CommandLineRequest readCommandLine(const QStringList &arguments, const QString &version);

// What --verificar-periodo prints for a file, and whether the period is correct.
struct PeriodVerdict {
    bool correct = false;
    QString text;
};
PeriodVerdict verifyPeriod(const QString &file);

// The request of the program's arguments; `status` is set when the program must leave at once
// (after printing what was asked for).
CommandLineRequest answerCommandLine(int argc, char *argv[], std::optional<int> &status);

}  // namespace recibo::app
