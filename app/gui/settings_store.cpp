#include "settings_store.h"

#include <QFile>

namespace velorin {
namespace {

const QString kAddInGroup = "Menu Add-Ins/&Converter";

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

void SettingsStore::RegisterAddIn(const std::string& library) {
    Write(kAddInGroup + "/Expression", "=ConvertAllMacros()");
    Write(kAddInGroup + "/Library", library);
}

void SettingsStore::RemoveAddIn() {
    settings_.remove(kAddInGroup);
    settings_.sync();
}

bool SettingsStore::AddInRegistered() const {
    return settings_.contains(kAddInGroup + "/Expression");
}

}  // namespace velorin
