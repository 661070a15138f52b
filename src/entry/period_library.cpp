#include "period_library.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#include "builtin_period.h"
#include "period_reader.h"

namespace recibo::entry {
namespace {

const QString kPeriodsFolder = QStringLiteral("recibo-haberes/periodos");

QString textOf(const std::string &text)
{
    return QString::fromStdString(text);
}

}  // namespace

PeriodOffer builtInOffer()
{
    return PeriodOffer{{&builtInPeriod()}, {}};
}

PeriodLibrary::PeriodLibrary(const QStringList &folders, const QString &extraFile)
{
    offer_ = builtInOffer();
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.toml")}, QDir::Files | QDir::Readable, QDir::Name)) {
            add(dir.filePath(name));
        }
    }
    if (!extraFile.isEmpty()) {
        add(extraFile);
    }
    // Newest first; stable, so periods of the same date keep the order they were found in.
    std::stable_sort(offer_.periods.begin(), offer_.periods.end(),
                     [](const Period *a, const Period *b) { return a->startDate > b->startDate; });
}

void PeriodLibrary::add(const QString &file)
{
    PeriodReading reading = readPeriodFile(QFile::encodeName(file).toStdString());
    if (!reading.period) {
        offer_.leftOut.append(leftOutText(file, reading.problems));
        return;
    }
    const Period &found = *reading.period;
    if (found == builtInPeriod()) {
        return;
    }
    for (const Period *offered : offer_.periods) {
        if (offered->name == found.name) {
            offer_.leftOut.append(leftOutText(
                file, {{0, "nombre", "ya se ofrece otro período llamado «" + found.name + "»"}}));
            return;
        }
    }
    read_.push_back(std::make_unique<const Period>(std::move(*reading.period)));
    offer_.periods.push_back(read_.back().get());
}

QStringList periodFolders()
{
    return {QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(kPeriodsFolder),
            QStringLiteral(RECIBO_PERIODS_DIR)};
}

QString leftOutText(const QString &file, const std::vector<PeriodProblem> &problems, int shown)
{
    const std::string name = QFileInfo(file).fileName().toStdString();
    QStringList lines;
    for (int i = 0; i < std::min<int>(shown, static_cast<int>(problems.size())); ++i) {
        lines.append(textOf(problemText(problems[static_cast<std::size_t>(i)], name)));
    }
    if (static_cast<int>(problems.size()) > shown) {
        lines.append(QStringLiteral("… y %1 problemas más (recibo-haberes --verificar-periodo %2).")
                         .arg(problems.size() - static_cast<std::size_t>(shown))
                         .arg(file));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace recibo::entry
