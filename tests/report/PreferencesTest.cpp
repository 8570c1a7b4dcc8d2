#include "platform/Profile.h"
#include "report/Preferences.h"
#include "support/FaultyFileSystem.h"
#include "support/TestProfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Preferences, FreshProfileGivesTheDefaults)
{
    TestProfile profileDir;
    QTemporaryDir docs;
    FaultyFileSystem files;
    const QString folder = DefaultFolder(files, docs.path());
    EXPECT_EQ(folder, docs.path() + QStringLiteral("/Quillastrand"));
    EXPECT_TRUE(QDir(folder).exists());

    const auto profile = openProfile();
    const Preferences p = ReadPreferences(*profile, folder);
    EXPECT_EQ(p.pathSavedReports, folder);
    EXPECT_EQ(p.pathSavedD01Files, folder);
    EXPECT_EQ(p.pathPayerListFile, folder);
    EXPECT_EQ(p.pathPayeePDFFiles, folder);
    EXPECT_EQ(p.prefsSet, QStringLiteral("0"));
    EXPECT_EQ(p.prefsSet1, QStringLiteral("0"));
    EXPECT_EQ(p.printZero, QStringLiteral("Yes"));
    EXPECT_EQ(p.allowanceNames[0], QStringLiteral("Fares Allowance"));
    EXPECT_EQ(p.allowanceNames[1], QStringLiteral("Motor Vehicle Allowance"));
    EXPECT_EQ(p.allowanceNames[2], QStringLiteral("Tool Allowance"));
    EXPECT_EQ(p.allowanceNames[3], QStringLiteral("Travel Allowance"));
    for (int i = 4; i < 12; ++i)
        EXPECT_TRUE(p.allowanceNames[size_t(i)].isEmpty());
    for (const QString& name : p.organisationNames)
        EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(p.checkUpdates, QStringLiteral("2"));
}

TEST(Preferences, StoredValuesComeBack)
{
    TestProfile profileDir;
    {
        const auto profile = openProfile();
        WritePreference(*profile, kPrefPathSavedReports, QStringLiteral("/reports"));
        WritePreference(*profile, kPrefPathSavedD01Files, QString()); // stored empty
        WritePreference(*profile, kPrefPrintZero, QStringLiteral("No"));
        WritePreference(*profile, kPrefSet, QStringLiteral("1"));
        WritePreference(*profile, allowanceKey(4), QStringLiteral("Meal Allowance"));
        WritePreference(*profile, organisationKey(11), QStringLiteral("Union Twelve"));
        WritePreference(*profile, kPrefCheckUpdates, QStringLiteral("1"));
    }
    const auto profile = openProfile();
    const Preferences p = ReadPreferences(*profile, QStringLiteral("/default"));
    EXPECT_EQ(p.pathSavedReports, QStringLiteral("/reports"));
    EXPECT_EQ(p.pathSavedD01Files, QString());
    EXPECT_EQ(p.lodgementFolder(), QStringLiteral("/default")); // empty means the default, never the root
    EXPECT_EQ(p.printZero, QStringLiteral("No"));
    EXPECT_EQ(p.prefsSet, QStringLiteral("1"));
    EXPECT_EQ(p.allowanceNames[4], QStringLiteral("Meal Allowance"));
    EXPECT_EQ(p.organisationNames[11], QStringLiteral("Union Twelve"));
    EXPECT_EQ(p.checkUpdates, QStringLiteral("1"));
}

TEST(Preferences, StoredEmptyPrintZeroBecomesYes)
{
    TestProfile profileDir;
    const auto profile = openProfile();
    WritePreference(*profile, kPrefPrintZero, QString());
    EXPECT_EQ(ReadPreferences(*profile, QStringLiteral("/d")).printZero, QStringLiteral("Yes"));
}

TEST(Preferences, KeysAreNamedWithTwoDigits)
{
    EXPECT_EQ(allowanceKey(0), QStringLiteral("Allow01"));
    EXPECT_EQ(allowanceKey(11), QStringLiteral("Allow12"));
    EXPECT_EQ(organisationKey(4), QStringLiteral("Organ05"));
}

TEST(DefaultFolder, FallsBackToTheDocumentsFolderWhenItCannotBeMade)
{
    QTemporaryDir docs;
    FaultyFileSystem files;
    files.fail(FaultyFileSystem::Op::MakeFolder, docs.path() + QStringLiteral("/Quillastrand"), FileError::AccessDenied);
    EXPECT_EQ(DefaultFolder(files, docs.path()), docs.path());
}

TEST(DefaultFolder, KeepsAnExistingFolder)
{
    QTemporaryDir docs;
    QDir(docs.path()).mkdir(QStringLiteral("Quillastrand"));
    FaultyFileSystem files;
    files.fail(FaultyFileSystem::Op::MakeFolder, docs.path(), FileError::AlreadyExists);
    EXPECT_EQ(DefaultFolder(files, docs.path()), docs.path() + QStringLiteral("/Quillastrand"));
}

} // namespace
