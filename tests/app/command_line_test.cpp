#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "builtin_period.h"
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
        CommandLineCase{{"perez.recibo", "gomez.recibo"}, CommandLineAction::Refuse,
                        "argumento no esperado «gomez.recibo»"},
        CommandLineCase{{"--verificar-periodo", "a.toml", "perez.recibo"}, CommandLineAction::Refuse, "Pruebe"},
        CommandLineCase{{"--version=2"}, CommandLineAction::Refuse, "«--version=2»"},
        CommandLineCase{{"--version", "--ayuda"}, CommandLineAction::Refuse, "«--ayuda»"},
        CommandLineCase{{"-hx"}, CommandLineAction::Refuse, "opción no válida «-hx»"},
        CommandLineCase{{"-"}, CommandLineAction::Refuse, "argumento no esperado «-»"},
        CommandLineCase{{"--periodo"}, CommandLineAction::Refuse, "falta el archivo después de «--periodo»"},
        CommandLineCase{{"--periodo", "a.toml", "--periodo", "b.toml"}, CommandLineAction::Refuse, "Pruebe"},
        CommandLineCase{{"--verificar-periodo"}, CommandLineAction::Refuse, "falta el archivo"}));

TEST(CommandLine, NamesThePeriodFileToOfferOrToVerify)
{
    const QString version = QStringLiteral("7.3");
    const CommandLineRequest offered = readCommandLine({"recibo-haberes", "--periodo", "2009-08.toml"}, version);
    EXPECT_EQ(offered.action, CommandLineAction::Start);
    EXPECT_EQ(offered.periodFile, QStringLiteral("2009-08.toml"));
    const CommandLineRequest verified =
        readCommandLine({"recibo-haberes", "--verificar-periodo", "2009-08.toml"}, version);
    EXPECT_EQ(verified.action, CommandLineAction::VerifyPeriod);
    EXPECT_EQ(verified.periodFile, QStringLiteral("2009-08.toml"));
    const CommandLineRequest opened = readCommandLine({"recibo-haberes", "perez-ana.recibo"}, version);
    EXPECT_EQ(opened.action, CommandLineAction::Start);
    EXPECT_EQ(opened.teacherFile, QStringLiteral("perez-ana.recibo"));
}

TEST(CommandLine, VerifyingAPeriodSaysItIsCorrectOrEveryProblem)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&folder](const char *name, std::string bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    };
    std::string text(builtInPeriodText());
    const PeriodVerdict good = verifyPeriod(write("2008-03.toml", text));
    EXPECT_TRUE(good.correct);
    EXPECT_EQ(good.text.toStdString(),
              "2008-03.toml: el período es correcto: «Marzo de 2.008», desde el 01/03/2008, 311 cargos.\n");

    text.replace(text.find("valor = 0.71"), 12, "valor = -1");
    text.replace(text.find("{ codigo = 985,"), 15, "{ codigo = 999,");
    const PeriodVerdict bad = verifyPeriod(write("roto.toml", text));
    EXPECT_FALSE(bad.correct);
    EXPECT_EQ(bad.text.toStdString(),
              "roto.toml, línea 13, clave «cargo.valor_punto_jornada.valor»: no puede ser negativo.\n"
              "roto.toml, línea 159, clave «cargos.lista[2].codigo»: el código 999 ya está en la línea 158.\n");
}

}  // namespace
}  // namespace recibo::app
