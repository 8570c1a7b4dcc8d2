#include "report/Preferences.h"

#include "platform/FileSystem.h"
#include "platform/Profile.h"

namespace {

const char* const kDefaultAllowances[4] = {"Fares Allowance", "Motor Vehicle Allowance", "Tool Allowance",
                                           "Travel Allowance"};

QString readText(QSettings& profile, const QString& key, const QString& fallback)
{
    const QVariant value = profile.value(key);
    return value.isValid() ? value.toString() : fallback;
}

} // namespace

QString allowanceKey(int index)
{
    return QStringLiteral("Allow%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QString organisationKey(int index)
{
    return QStringLiteral("Organ%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QString DefaultFolder(FileSystem& files, const QString& documentsFolder)
{
    if (!files.isFolder(documentsFolder))
        files.makeFolder(documentsFolder);
    const QString folder = joinPath(documentsFolder, QStringLiteral("Quillastrand"));
    if (files.isFolder(folder))
        return folder;
    const FileResult made = files.makeFolder(folder);
    if (made.ok() || made.error == FileError::AlreadyExists)
        return folder;
    return documentsFolder;
}

Preferences ReadPreferences(QSettings& profile, const QString& defaultFolder)
{
    Preferences prefs;
    prefs.defaultFolder = defaultFolder;
    profile.beginGroup(QString::fromLatin1(kUserPreferencesGroup));
    prefs.pathSavedReports = readText(profile, kPrefPathSavedReports, defaultFolder);
    prefs.pathSavedD01Files = readText(profile, kPrefPathSavedD01Files, defaultFolder);
    prefs.pathPayerListFile = readText(profile, kPrefPathPayerListFile, defaultFolder);
    prefs.pathPayeePDFFiles = readText(profile, kPrefPathPayeePDFFiles, defaultFolder);
    prefs.prefsSet = readText(profile, kPrefSet, QStringLiteral("0"));
    prefs.prefsSet1 = readText(profile, kPrefSet1, QStringLiteral("0"));
    prefs.printZero = readText(profile, kPrefPrintZero, QStringLiteral("Yes"));
    if (prefs.printZero.isEmpty())
        prefs.printZero = QStringLiteral("Yes");
    for (int i = 0; i < 12; ++i)
        prefs.allowanceNames[size_t(i)] =
            readText(profile, allowanceKey(i), i < 4 ? QString::fromLatin1(kDefaultAllowances[i]) : QString());
    for (int i = 0; i < 12; ++i)
        prefs.organisationNames[size_t(i)] = readText(profile, organisationKey(i), QString());
    prefs.checkUpdates = readText(profile, kPrefCheckUpdates, QStringLiteral("2"));
    profile.endGroup();
    return prefs;
}

void WritePreference(QSettings& profile, const QString& key, const QString& value)
{
    profile.beginGroup(QString::fromLatin1(kUserPreferencesGroup));
    profile.setValue(key, value);
    profile.endGroup();
}
