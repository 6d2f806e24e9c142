#include "settings_store.h"

#include <QFile>

namespace velorin {
namespace {

// Written by earlier versions while they ran, and left behind when one
// crashed; nothing reads it.
const QString kStaleAddInGroup = "Menu Add-Ins/&Converter";

}  // namespace

SettingsStore::SettingsStore(const QString& file, const QString& legacyFile)
    : settings_(file, QSettings::IniFormat), legacyFile_(legacyFile) {}

std::unique_ptr<SettingsStore> SettingsStore::ForUser() {
    const QSettings current(QSettings::IniFormat, QSettings::UserScope, "Korvath", "Velorin");
    const QSettings legacy(QSettings::IniFormat, QSettings::UserScope, "Krv", "Vlrn");
    return std::make_unique<SettingsStore>(current.fileName(), legacy.fileName());
}

std::string SettingsStore::Read(const QString& name) const {
    return settings_.value(name).toString().toStdString();
}

void SettingsStore::Write(const QString& name, const std::string& text) {
    settings_.setValue(name, QString::fromStdString(text));
    settings_.sync();
}

void SettingsStore::MigrateLegacy() {
    if (legacyFile_.isEmpty() || !QFile::exists(legacyFile_))
        return;
    {
        const QSettings legacy(legacyFile_, QSettings::IniFormat);
        for (const char* name :
             {"ControlDefaults", "LastFile1", "LastFile2", "LastFile3", "LastFile4"})
            Write(name, legacy.value(name).toString().toStdString());
    }
    QFile::remove(legacyFile_);
}

RecentFiles SettingsStore::Recent() const {
    return {Read("LastFile1"), Read("LastFile2"), Read("LastFile3"), Read("LastFile4")};
}

void SettingsStore::SetRecent(const RecentFiles& files) {
    for (size_t i = 0; i < files.size(); ++i)
        Write("LastFile" + QString::number(i + 1), files[i]);
}

void SettingsStore::RemoveUnread() {
    settings_.beginGroup(kStaleAddInGroup);
    const bool stale = !settings_.allKeys().isEmpty();
    settings_.endGroup();
    if (!stale)
        return;
    settings_.remove(kStaleAddInGroup);
    settings_.sync();
}

}  // namespace velorin
