#include "shell/dialogs/PreferencesDialogs.h"

#include "platform/Profile.h"
#include "platform/dialogs/QtUserInterface.h"
#include "report/AppContext.h"
#include "report/Preferences.h"
#include "shell/dialogs/AboutDlg.h"
#include "shell/dialogs/AllowancesDialog.h"
#include "shell/dialogs/OrganisationsDialog.h"
#include "shell/dialogs/SettingsDialog.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TestProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class PreferencesDialogsTest : public ::testing::Test {
protected:
    PreferencesDialogsTest()
    {
        for (const char* name : {"reports", "lodgement", "payers", "pdf", "chosen"})
            QDir(dir.path()).mkpath(QString::fromLatin1(name));
        context.prefs.defaultFolder = dir.path();
        context.prefs.pathSavedReports = path("reports");
        context.prefs.pathSavedD01Files = path("lodgement");
        context.prefs.pathPayerListFile = path("payers");
        context.prefs.pathPayeePDFFiles = path("pdf");
    }

    QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QString::fromLatin1(name); }

    template <typename W>
    static W* child(QWidget& dialog, const char* name)
    {
        W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static QString stored(const QString& key)
    {
        const auto settings = openProfile();
        settings->beginGroup(QString::fromLatin1(kUserPreferencesGroup));
        return settings->value(key, QStringLiteral("<absent>")).toString();
    }

    TestProfile profile;
    QTemporaryDir dir;
    ScriptedUi ui;
    FaultyFileSystem files;
    AppContext context{ui, files};
};

TEST_F(PreferencesDialogsTest, SettingsShowsThePreferencesAndSaves)
{
    context.prefs.checkUpdates.clear();
    context.prefs.printZero = QStringLiteral("No");
    CSettings dialog(context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Preferences"));
    EXPECT_EQ(child<QLineEdit>(dialog, "reportsFolder")->text(), path("reports"));
    EXPECT_EQ(child<QLineEdit>(dialog, "pdfFolder")->text(), path("pdf"));
    EXPECT_TRUE(child<QLineEdit>(dialog, "payerListFolder")->isReadOnly());
    EXPECT_EQ(child<QPushButton>(dialog, "browse1")->text(), QStringLiteral("Browse 1 "));
    EXPECT_EQ(child<QPushButton>(dialog, "browse3")->toolTip(),
              QStringLiteral("Click to select a new folder for the PayerList file"));
    QCheckBox* checkUpdates = child<QCheckBox>(dialog, "checkUpdates");
    QCheckBox* printZero = child<QCheckBox>(dialog, "printZero");
    EXPECT_TRUE(checkUpdates->isChecked());
    EXPECT_FALSE(printZero->isChecked());
    EXPECT_EQ(context.prefs.checkUpdates, QStringLiteral("2"));

    checkUpdates->click();
    printZero->click();
    EXPECT_EQ(context.prefs.checkUpdates, QStringLiteral("1"));
    EXPECT_EQ(context.prefs.printZero, QStringLiteral("Yes"));

    ui.answerFolder(path("chosen"));
    child<QPushButton>(dialog, "browse2")->click();
    EXPECT_EQ(child<QLineEdit>(dialog, "lodgementFolder")->text(), path("chosen"));

    child<QPushButton>(dialog, "save")->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(stored(kPrefPathSavedD01Files), path("chosen"));
    EXPECT_EQ(stored(kPrefCheckUpdates), QStringLiteral("1"));
    EXPECT_EQ(stored(kPrefSet), QStringLiteral("1"));
}

TEST_F(PreferencesDialogsTest, SettingsStaysOpenWhenAFolderIsRefused)
{
    files.fail(FaultyFileSystem::Op::Create, path("payers"), FileError::AccessDenied);
    CSettings dialog(context);
    dialog.show();
    child<QPushButton>(dialog, "save")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Sorry1 - you do not seem to have write access to the PayerList "
                                                     "folder, Click Browse 3 to select a different location.")});
    EXPECT_EQ(stored(kPrefSet), QStringLiteral("<absent>"));

    child<QPushButton>(dialog, "help")->click();
    child<QPushButton>(dialog, "setOrganisations")->click();
    EXPECT_EQ(ui.urlsOpened, QStringList{context.helpUrl()});
    EXPECT_EQ(ui.dialogsRun, QStringList{QStringLiteral("COrganisations1")});
    dialog.reject();
}

TEST_F(PreferencesDialogsTest, AllowancesRowFiveAndSixReachTheirKeys)
{
    CAllowances1 dialog(context);
    dialog.show();
    EXPECT_EQ(child<QLineEdit>(dialog, "row1")->text(), context.prefs.allowanceNames[0]);
    child<QLineEdit>(dialog, "row5")->setText(QStringLiteral("Meal Allowance"));
    child<QLineEdit>(dialog, "row6")->setText(QStringLiteral("Laundry Allowance"));
    child<QPushButton>(dialog, "save")->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(stored(QStringLiteral("Allow05")), QStringLiteral("Meal Allowance"));
    EXPECT_EQ(stored(QStringLiteral("Allow06")), QStringLiteral("Laundry Allowance"));
    EXPECT_EQ(context.prefs.allowanceNames[4], QStringLiteral("Meal Allowance"));
}

TEST_F(PreferencesDialogsTest, OrganisationsCancelChangesNothing)
{
    context.prefs.organisationNames[11] = QStringLiteral("Union Twelve");
    COrganisations1 dialog(context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillastrand - Set Default Organisations List"));
    EXPECT_EQ(child<QLineEdit>(dialog, "row12")->text(), QStringLiteral("Union Twelve"));
    child<QLineEdit>(dialog, "row12")->setText(QStringLiteral("Other"));
    child<QPushButton>(dialog, "cancel")->click();
    EXPECT_EQ(context.prefs.organisationNames[11], QStringLiteral("Union Twelve"));
    EXPECT_EQ(stored(QStringLiteral("Organ12")), QStringLiteral("<absent>"));
}

TEST_F(PreferencesDialogsTest, AboutShowsTheVersionAndOpensPages)
{
    CAboutDlg dialog(context);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Quillastrand"));
    EXPECT_EQ(child<QLabel>(dialog, "versionText")->text(), QStringLiteral("Version: 4.0.0.0"));
    EXPECT_EQ(child<QPushButton>(dialog, "checkForUpdate")->toolTip(),
              QStringLiteral("Click to check lastest available version number from Torvek website"));
    child<QPushButton>(dialog, "downloadUpdate")->click();
    child<QPushButton>(dialog, "visitWebsite")->click();
    EXPECT_EQ(ui.urlsOpened, (QStringList{context.updatesUrl(), context.homeUrl()}));
    child<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

TEST_F(PreferencesDialogsTest, EveryDialogIsRegisteredByItsClassName)
{
    QtUserInterface qtUi;
    registerPreferencesDialogs(qtUi, context);
    for (const char* name : {"CSettings", "CAllowances1", "COrganisations1", "CAboutDlg"}) {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->metaObject()->className();
                static_cast<QDialog*>(modal)->reject();
            }
        });
        EXPECT_EQ(qtUi.runDialog(QString::fromLatin1(name)), int(QDialog::Rejected)) << name;
        EXPECT_EQ(opened, QString::fromLatin1(name));
    }
}

} // namespace
