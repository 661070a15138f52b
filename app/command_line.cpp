#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

namespace recibo::app {
namespace {

const QString kProgram = QStringLiteral("recibo-haberes");

// The usual status of a command-line usage error.
constexpr int kUsageError = 2;

QString helpText()
{
    return QStringLiteral("Uso: %1 [opción]\n"
                          "Calcula el recibo de haberes mensual de un docente.\n"
                          "Sin opciones abre la ventana de ingreso de datos.\n"
                          "\n"
                          "Opciones:\n"
                          "  -h, --help     Muestra esta ayuda y termina.\n"
                          "  -v, --version  Muestra la versión del programa y termina.\n")
        .arg(kProgram);
}

QString refusal(const QString &what)
{
    return QStringLiteral("%1: %2\nPruebe «%1 --help» para ver las opciones.\n").arg(kProgram, what);
}

// The refusal quotes the first argument typed that is not one of the options as spelled.
QString whatIsWrong(const QStringList &arguments)
{
    const QStringList known{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"),
                            QStringLiteral("--version")};
    for (const QString &argument : arguments.mid(1)) {
        if (known.contains(argument))
            continue;
        if (argument.startsWith('-') && argument.size() > 1)
            return QStringLiteral("opción no válida «%1».").arg(argument);
        return QStringLiteral("argumento no esperado «%1».").arg(argument);
    }
    return QStringLiteral("argumentos no válidos.");
}

}  // namespace

CommandLineRequest readCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, showVersion});

    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty())
        return {CommandLineAction::Refuse, refusal(whatIsWrong(arguments))};
    if (parser.isSet(help))
        return {CommandLineAction::ShowHelp, helpText()};
    if (parser.isSet(showVersion))
        return {CommandLineAction::ShowVersion, QStringLiteral("%1 %2\n").arg(kProgram, version)};
    return {};
}

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineRequest request = readCommandLine(arguments, QStringLiteral(RECIBO_VERSION));
    switch (request.action) {
    case CommandLineAction::Start:
        return std::nullopt;
    case CommandLineAction::Refuse:
        std::fputs(request.text.toLocal8Bit().constData(), stderr);
        return kUsageError;
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion:
        std::fputs(request.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

}  // namespace recibo::app
