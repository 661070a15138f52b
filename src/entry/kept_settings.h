#pragma once
// What the program keeps between runs in the user's configuration ($XDG_CONFIG_HOME/recibo-haberes):
// the entries as they were at exit (with their period, the receipt's comment and the typed slip),
// the file they belong to, where the windows stood, the last folder used and the files opened last.

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

#include "teacher_file.h"

namespace recibo::entry {

struct KeptState {
    std::optional<file::TeacherFile> entries;
    QString openFile;
    QByteArray ingresoGeometry;
    std::optional<QPoint> receiptPosition;
    QString lastFolder;
    QStringList recentFiles;  // newest first
};

inline constexpr int kRecentFiles = 5;

class KeptSettings {
public:
    // The configuration file; by default the user's, under $XDG_CONFIG_HOME.
    explicit KeptSettings(QString path = defaultPath());
    static QString defaultPath();

    // What was kept. A configuration that cannot be read, or whose entries the teacher's file
    // reader refuses, is set aside under another name and nothing is kept; `setAside` then names
    // it, to be said once.
    KeptState load(const file::PeriodLookup &periods, QString &setAside) const;
    // Keeps `state`; `period` is the one its entries are for.
    void save(const KeptState &state, const Period &period) const;

    const QString &path() const { return path_; }

private:
    QString path_;
};

// `file` first in `recent`, without repeats, at most kRecentFiles.
QStringList withRecent(QStringList recent, const QString &file);

}  // namespace recibo::entry
