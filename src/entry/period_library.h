#pragma once
// The periods the program offers: the built-in one, every period file found in the user's and the
// installed data folders, and one named on the command line. A file with any problem is left out,
// with the reason kept to be said once.

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "period_reader.h"

namespace recibo::entry {

struct PeriodOffer {
    // Newest first (by the date each starts from); the built-in period is among them.
    std::vector<const Period *> periods;
    // For each file left out: its name and its first problems, with their lines.
    QStringList leftOut;
};

// Only the built-in period.
PeriodOffer builtInOffer();

class PeriodLibrary {
public:
    // Reads every *.toml file of `folders` (in order; a missing folder is skipped) and `extraFile`
    // when not empty. A file that holds the built-in period unchanged is not offered twice.
    PeriodLibrary(const QStringList &folders, const QString &extraFile);
    PeriodLibrary(const PeriodLibrary &) = delete;
    PeriodLibrary &operator=(const PeriodLibrary &) = delete;

    const PeriodOffer &offer() const { return offer_; }

private:
    void add(const QString &file);

    std::vector<std::unique_ptr<const Period>> read_;
    PeriodOffer offer_;
};

// $XDG_DATA_HOME/recibo-haberes/periodos, then the installed data folder's periodos.
QStringList periodFolders();

// How a refused period file is said: "2009-08.toml: línea 12, …" with at most `shown` problems.
QString leftOutText(const QString &file, const std::vector<PeriodProblem> &problems, int shown = 3);

}  // namespace recibo::entry
