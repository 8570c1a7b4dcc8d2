#pragma once

#include <QSettings>
#include <QString>

#include <array>

class FileSystem;

// The user's preferences, read once at start-up from the profile group
// "User Preferences".
struct Preferences {
    QString defaultFolder; // documents folder + "/Quillastrand"
    QString pathSavedReports;
    QString pathSavedD01Files;
    QString pathPayerListFile;
    QString pathPayeePDFFiles;
    QString prefsSet = QStringLiteral("0");
    QString prefsSet1 = QStringLiteral("0");
    QString printZero = QStringLiteral("Yes");
    std::array<QString, 12> allowanceNames{};
    std::array<QString, 12> organisationNames{};
    QString checkUpdates = QStringLiteral("2");

    // A folder preference to use: an empty one means the default folder,
    // never the root of the file system.
    QString folderOrDefault(const QString& folder) const { return folder.isEmpty() ? defaultFolder : folder; }
    QString reportsFolder() const { return folderOrDefault(pathSavedReports); }
    QString lodgementFolder() const { return folderOrDefault(pathSavedD01Files); }
    QString payerListFolder() const { return folderOrDefault(pathPayerListFile); }
    QString pdfFolder() const { return folderOrDefault(pathPayeePDFFiles); }

};

inline const QString kPrefPathSavedReports = QStringLiteral("Path Saved Reports");
inline const QString kPrefPathSavedD01Files = QStringLiteral("Path Saved D01 Files");
inline const QString kPrefPathPayerListFile = QStringLiteral("Path PayerList File");
inline const QString kPrefPathPayeePDFFiles = QStringLiteral("Path Payee PDF Files");
inline const QString kPrefSet = QStringLiteral("Set");
inline const QString kPrefSet1 = QStringLiteral("Set1");
inline const QString kPrefPrintZero = QStringLiteral("Print Zero");
inline const QString kPrefCheckUpdates = QStringLiteral("Check Updates");
// "Allow01".."Allow12" and "Organ01".."Organ12"; index from 0.
QString allowanceKey(int index);
QString organisationKey(int index);

// The folder "Quillastrand" in the documents folder, created when missing;
// the documents folder itself when it cannot be created.
QString DefaultFolder(FileSystem& files, const QString& documentsFolder);

// Reads every preference from the group "User Preferences" of the profile.
// An absent key takes its default; a stored empty folder stays empty.
Preferences ReadPreferences(QSettings& profile, const QString& defaultFolder);

// Writes one preference to the group "User Preferences".
void WritePreference(QSettings& profile, const QString& key, const QString& value);
