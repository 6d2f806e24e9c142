// Velorin's settings in an INI file of the user's configuration directory:
// ControlDefaults, DrawPreviews, LastFile1 to LastFile4, the workgroup file
// proposed at start, and where to look for the list controls. Nothing else is
// kept.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <string>

#include "control_defaults.h"

namespace velorin {

class SettingsStore {
  public:
    // `file` holds the settings; `legacyFile`, when it exists, the settings of
    // the program's earlier name, moved over once and then deleted.
    SettingsStore(const QString& file, const QString& legacyFile);
    // The user's own files.
    static std::unique_ptr<SettingsStore> ForUser();

    // A missing value reads as "". An empty text is stored as empty: every
    // reader trims or tests for "", so the registry's single blank is not kept.
    std::string Read(const QString& name) const;
    void Write(const QString& name, const std::string& text);

    void MigrateLegacy();

    // Whether conversions draw form previews: "1" or "0". ControlDefaults keeps
    // the eleven characters earlier versions read and write, so this option
    // has a value of its own.
    bool DrawPreviews() const { return Read("DrawPreviews") == "1"; }
    void SetDrawPreviews(bool on) { Write("DrawPreviews", on ? "1" : "0"); }

    RecentFiles Recent() const;
    void SetRecent(const RecentFiles& files);

    // Removes what earlier versions wrote that nothing reads: the Access
    // add-in entry they made while running and left behind after a crash.
    void RemoveUnread();

    // Set by the user in the INI file: the workgroup file proposed at start,
    // and the folder holding the ActiveX control files (.ocx).
    std::string DefaultWorkgroupFile() const { return Read("Jet/SystemDB"); }
    std::string ControlFilesFolder() const { return Read("ControlFilesFolder"); }

    QString FileName() const { return settings_.fileName(); }

  private:
    mutable QSettings settings_;
    QString legacyFile_;
};

}  // namespace velorin
