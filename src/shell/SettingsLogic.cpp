#include "shell/SettingsLogic.h"

#include "platform/FileSystem.h"
#include "platform/FolderProbe.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/Preferences.h"

namespace {

const QString kCheckOn = QStringLiteral("2");
const QString kCheckOff = QStringLiteral("1");
const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");

const QString kBrowseRefused =
    QStringLiteral("you do not seem to have write access to this \nfolder, please try a different location.");

QString browseTitle(SettingsFolder which)
{
    switch (which) {
    case SettingsFolder::Reports:
        return QStringLiteral("Please select a folder for storing Report files:");
    case SettingsFolder::Lodgement:
        return QStringLiteral("Please select a folder for saving VESK.A01 files:");
    case SettingsFolder::PayerList:
        return QStringLiteral("Please select a folder for the PayerList file:");
    case SettingsFolder::Pdf:
        return QStringLiteral("Please select a folder for saving Payment Summaries:");
    }
    return {};
}

// What Save says after "Sorry1 - " or "Sorry3 - " for each folder.
QString saveRefused(SettingsFolder which)
{
    switch (which) {
    case SettingsFolder::Reports:
        return QStringLiteral(
            "you do not seem to have write access to the Report folder, Click Browse 1 to select a different location.");
    case SettingsFolder::Lodgement:
        return QStringLiteral("you do not seem to have write access to the VESK.A01 folder, Click Browse 2 to select a "
                              "different location.");
    case SettingsFolder::PayerList:
        return QStringLiteral("you do not seem to have write access to the PayerList folder, Click Browse 3 to select a "
                              "different location.");
    case SettingsFolder::Pdf:
        return QStringLiteral("you do not seem to have write access to the Payment Summaries folder, Click Browse 4 to "
                              "select a different location.");
    }
    return {};
}

bool& knownWritable(KnownWritable& writable, SettingsFolder which)
{
    switch (which) {
    case SettingsFolder::Reports:
        return writable.reports;
    case SettingsFolder::Lodgement:
        return writable.lodgement;
    case SettingsFolder::PayerList:
        return writable.payerList;
    case SettingsFolder::Pdf:
        break;
    }
    return writable.pdf;
}

// The preference that holds a folder; const or not as the preferences are.
template <typename Prefs>
auto& folderPreference(Prefs& prefs, SettingsFolder which)
{
    switch (which) {
    case SettingsFolder::Reports:
        return prefs.pathSavedReports;
    case SettingsFolder::Lodgement:
        return prefs.pathSavedD01Files;
    case SettingsFolder::PayerList:
        return prefs.pathPayerListFile;
    case SettingsFolder::Pdf:
        break;
    }
    return prefs.pathPayeePDFFiles;
}

const QString kMovePayerListQuestion = QStringLiteral(
    "This will not move your existing Payer List. Before changing the Payer List location, you should export your "
    "existing Payer List. \n\nThis will allow you to later import all the Payers into another Payer List file at the "
    "new location. \n\nDo you want to proceed with changing the Payer List location?");

} // namespace

SettingsLogic::SettingsLogic(AppContext& context) : m_context(context) {}

void SettingsLogic::init()
{
    Preferences& prefs = m_context.prefs;
    if (prefs.checkUpdates.isEmpty())
        prefs.checkUpdates = kCheckOn;
    else if (prefs.checkUpdates != kCheckOn)
        prefs.checkUpdates = kCheckOff;
    if (prefs.printZero.isEmpty())
        prefs.printZero = kYes;
    else if (prefs.printZero != kYes)
        prefs.printZero = kNo;
}

QString SettingsLogic::folder(SettingsFolder which) const
{
    return folderPreference(m_context.prefs, which);
}

bool SettingsLogic::checkUpdatesTicked() const
{
    return m_context.prefs.checkUpdates == kCheckOn;
}

bool SettingsLogic::printZeroTicked() const
{
    return m_context.prefs.printZero == kYes;
}

void SettingsLogic::toggleCheckUpdates()
{
    QString& value = m_context.prefs.checkUpdates;
    if (value == kCheckOn || value.isEmpty())
        value = kCheckOff;
    else if (value == kCheckOff)
        value = kCheckOn;
}

void SettingsLogic::togglePrintZero()
{
    QString& value = m_context.prefs.printZero;
    if (value == kYes)
        value = kNo;
    else if (value == kNo)
        value = kYes;
}

bool SettingsLogic::browse(SettingsFolder which)
{
    if (which == SettingsFolder::PayerList)
        return browsePayerList();
    QString& preference = folderPreference(m_context.prefs, which);
    const std::optional<QString> chosen =
        m_context.ui.chooseFolder(browseTitle(which), m_context.prefs.folderOrDefault(preference));
    if (!chosen || chosen->isEmpty())
        return false;
    if (!ProveFolderWritable(m_context.files, m_context.ui, *chosen, kBrowseRefused))
        return false;
    knownWritable(m_context.writable, which) = true;
    preference = *chosen;
    return true;
}

bool SettingsLogic::browsePayerList()
{
    Preferences& prefs = m_context.prefs;
    if (prefs.prefsSet1 == QStringLiteral("1")) {
        if (m_context.ui.message(kMovePayerListQuestion, MessageButtons::YesNoCancel) != Answer::Yes)
            return false;
    }
    const std::optional<QString> chosen = m_context.ui.chooseFolder(browseTitle(SettingsFolder::PayerList),
                                                                    prefs.folderOrDefault(prefs.pathPayerListFile));
    if (!chosen || chosen->isEmpty())
        return false;
    if (!ProveFolderWritable(m_context.files, m_context.ui, *chosen, kBrowseRefused))
        return false;
    if (m_context.files.exists(joinPath(*chosen, QStringLiteral("LivePayerList.mpl"))))
        m_context.ui.message(QStringLiteral("Quillastrand will use the existing Payer List file located in this folder."));
    m_context.writable.payerList = true;
    prefs.pathPayerListFile = *chosen;
    prefs.prefsSet = QStringLiteral("1");
    // The next load reads the Payer List of the new folder.
    m_context.payers.clear();
    return true;
}

bool SettingsLogic::save()
{
    Preferences& prefs = m_context.prefs;
    prefs.prefsSet = QStringLiteral("1");
    for (SettingsFolder which :
         {SettingsFolder::Reports, SettingsFolder::Lodgement, SettingsFolder::PayerList, SettingsFolder::Pdf}) {
        bool& proved = knownWritable(m_context.writable, which);
        if (proved)
            continue;
        if (!ProveFolderWritable(m_context.files, m_context.ui, prefs.folderOrDefault(folderPreference(prefs, which)),
                                 saveRefused(which)))
            return false;
        proved = true;
    }
    const std::unique_ptr<QSettings> profile = openProfile();
    WritePreference(*profile, kPrefPathSavedReports, prefs.pathSavedReports);
    WritePreference(*profile, kPrefPathSavedD01Files, prefs.pathSavedD01Files);
    WritePreference(*profile, kPrefPathPayerListFile, prefs.pathPayerListFile);
    WritePreference(*profile, kPrefPathPayeePDFFiles, prefs.pathPayeePDFFiles);
    WritePreference(*profile, kPrefCheckUpdates, prefs.checkUpdates);
    WritePreference(*profile, kPrefSet, prefs.prefsSet);
    WritePreference(*profile, kPrefPrintZero, prefs.printZero);
    return true;
}

void SettingsLogic::setAllowances()
{
    m_context.ui.runDialog(QStringLiteral("CAllowances1"));
}

void SettingsLogic::setOrganisations()
{
    m_context.ui.runDialog(QStringLiteral("COrganisations1"));
}
