#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "period_reader.h"

namespace recibo::app {
namespace {

const QString kProgram = QStringLiteral("recibo-haberes");

// The usual status of a command-line usage error.
constexpr int kUsageError = 2;

QString helpText()
{
    return QStringLiteral("Uso: %1 [opción] [ARCHIVO.recibo]\n"
                          "Calcula el recibo de haberes mensual de un docente.\n"
                          "Sin opciones abre la ventana de ingreso de datos, con los datos de ARCHIVO.recibo\n"
                          "si se lo nombra.\n"
                          "\n"
                          "Opciones:\n"
                          "  -h, --help                     Muestra esta ayuda y termina.\n"
                          "  -v, --version                  Muestra la versión del programa y termina.\n"
                          "      --periodo ARCHIVO          Ofrece también el período de ARCHIVO.\n"
                          "      --verificar-periodo ARCHIVO\n"
                          "                                 Dice si ARCHIVO es un período correcto, o cada\n"
                          "                                 problema que tiene, y termina.\n")
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
    const QStringList withFile{QStringLiteral("--periodo"), QStringLiteral("--verificar-periodo")};
    bool fileNamed = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (known.contains(argument)) {
            continue;
        }
        if (withFile.contains(argument)) {
            if (i + 1 == arguments.size()) {
                return QStringLiteral("falta el archivo después de «%1».").arg(argument);
            }
            ++i;
            continue;
        }
        if (argument.startsWith('-') && argument.size() > 1) {
            return QStringLiteral("opción no válida «%1».").arg(argument);
        }
        if (argument != QLatin1String("-") && !fileNamed) {
            fileNamed = true;
            continue;
        }
        return QStringLiteral("argumento no esperado «%1».").arg(argument);
    }
    return QStringLiteral("argumentos no válidos.");
}

// 2008-03-01 as 01/03/2008.
QString dayText(const std::string &isoDate)
{
    const QString date = QString::fromStdString(isoDate);
    return QStringLiteral("%1/%2/%3").arg(date.mid(8, 2), date.mid(5, 2), date.left(4));
}

}  // namespace

CommandLineRequest readCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption period(QStringLiteral("periodo"), QString(), QStringLiteral("ARCHIVO"));
    const QCommandLineOption verify(QStringLiteral("verificar-periodo"), QString(), QStringLiteral("ARCHIVO"));
    parser.addOptions({help, showVersion, period, verify});

    const bool parsed = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1 || files.contains(QStringLiteral("-")) || parser.values(period).size() > 1
        || parser.values(verify).size() > 1 || (parser.isSet(verify) && !files.isEmpty())) {
        return {CommandLineAction::Refuse, refusal(whatIsWrong(arguments)), {}, {}};
    }
    if (parser.isSet(help)) {
        return {CommandLineAction::ShowHelp, helpText(), {}, {}};
    }
    if (parser.isSet(showVersion)) {
        return {CommandLineAction::ShowVersion, QStringLiteral("%1 %2\n").arg(kProgram, version), {}, {}};
    }
    if (parser.isSet(verify)) {
        return {CommandLineAction::VerifyPeriod, {}, parser.value(verify), {}};
    }
    return {CommandLineAction::Start, {}, parser.value(period), files.value(0)};
}

PeriodVerdict verifyPeriod(const QString &file)
{
    const PeriodReading reading = readPeriodFile(QFile::encodeName(file).toStdString());
    const QString name = QFileInfo(file).fileName();
    if (const auto &period = reading.period) {
        return {true, QStringLiteral("%1: el período es correcto: «%2», desde el %3, %4 cargos.\n")
                          .arg(name, QString::fromStdString(period->name), dayText(period->startDate))
                          .arg(period->positions.size())};
    }
    QString text;
    for (const PeriodProblem &problem : reading.problems) {
        text += QString::fromStdString(problemText(problem, name.toStdString())) + QLatin1Char('\n');
    }
    return {false, text};
}

CommandLineRequest answerCommandLine(int argc, char *argv[], std::optional<int> &status)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const CommandLineRequest request = readCommandLine(arguments, QStringLiteral(RECIBO_VERSION));
    switch (request.action) {
    case CommandLineAction::Start:
        break;
    case CommandLineAction::Refuse:
        std::fputs(request.text.toLocal8Bit().constData(), stderr);
        status = kUsageError;
        break;
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion:
        std::fputs(request.text.toLocal8Bit().constData(), stdout);
        status = 0;
        break;
    case CommandLineAction::VerifyPeriod: {
        const PeriodVerdict verdict = verifyPeriod(request.periodFile);
        std::fputs(verdict.text.toLocal8Bit().constData(), verdict.correct ? stdout : stderr);
        status = verdict.correct ? 0 : 1;
        break;
    }
    }
    return request;
}

}  // namespace recibo::app
