#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "command_line.h"

namespace recibo::app {
namespace {

struct CommandLineCase {
    std::vector<const char *> arguments;  // after the program name
    CommandLineAction action;
    const char *printed;  // a part of the text printed for it
};

void PrintTo(const CommandLineCase &c, std::ostream *os)
{
    for (const char *argument : c.arguments)
        *os << '[' << argument << ']';
}

class CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, AnswersOrRefusesBeforeAnyWindow)
{
    QStringList arguments{QStringLiteral("recibo-haberes")};
    for (const char *argument : GetParam().arguments)
        arguments.append(QString::fromUtf8(argument));
    const CommandLineRequest request = readCommandLine(arguments, QStringLiteral("7.3"));
    EXPECT_EQ(request.action, GetParam().action);
    EXPECT_TRUE(request.text.contains(QString::fromUtf8(GetParam().printed)))
        << request.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    testing::Values(
        CommandLineCase{{}, CommandLineAction::Start, ""},
        CommandLineCase{{"--help"}, CommandLineAction::ShowHelp, "Uso: recibo-haberes"},
        CommandLineCase{{"-h"}, CommandLineAction::ShowHelp, "Muestra la versión"},
        CommandLineCase{{"--version"}, CommandLineAction::ShowVersion, "recibo-haberes 7.3\n"},
        CommandLineCase{{"-v"}, CommandLineAction::ShowVersion, "recibo-haberes 7.3\n"},
        CommandLineCase{{"--ayuda"}, CommandLineAction::Refuse, "opción no válida «--ayuda»"},
        CommandLineCase{{"-x"}, CommandLineAction::Refuse, "opción no válida «-x»"},
        CommandLineCase{{"-platform", "xcb"}, CommandLineAction::Refuse, "opción no válida «-platform»"},
        CommandLineCase{{"recibo.txt"}, CommandLineAction::Refuse, "argumento no esperado «recibo.txt»"},
        CommandLineCase{{"--help", "recibo.txt"}, CommandLineAction::Refuse, "«recibo.txt»"},
        CommandLineCase{{"--version=2"}, CommandLineAction::Refuse, "«--version=2»"},
        CommandLineCase{{"--version", "--ayuda"}, CommandLineAction::Refuse, "«--ayuda»"},
        CommandLineCase{{"-hx"}, CommandLineAction::Refuse, "opción no válida «-hx»"},
        CommandLineCase{{"-"}, CommandLineAction::Refuse, "argumento no esperado «-»"}));

}  // namespace
}  // namespace recibo::app
