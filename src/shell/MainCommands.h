#pragma once

#include "shell/MainFormModel.h"
#include "shell/VersionCheck.h"

#include <QString>

class AppContext;

// What the step handlers need of the main form.
class MainFormHost {
public:
    virtual ~MainFormHost() = default;
    // The two edits as the form shows them.
    virtual FormEdits formEdits() const = 0;
    virtual void refreshView() = 0;
    virtual void closeMainWindow() = 0;
};

inline const QString kSelectPayerFirst = QStringLiteral("Please select a Payer first.");
inline const QString kSetYearFirst = QStringLiteral("You must set a Year for this file before proceeding.");

// Names under which the commands of subsystems built elsewhere are opened
// through UserInterface::runDialog.
namespace MainCommandNames {
inline const QString kLoadA01 = QStringLiteral("OnBnClickedLoadA01");
inline const QString kFixA01LineBreaks = QStringLiteral("OnFixA01LineBreaks");
} // namespace MainCommandNames

// The main form's step buttons and the main window's commands: each shows
// the wait cursor, checks its precondition, copies the form's edits into
// the report, opens its dialog and refreshes the form.
class MainCommands {
public:
    MainCommands(AppContext& context, MainFormHost& host, VersionCheckOptions versionCheck = {})
        : m_context(context), m_host(host), m_updateCheck(context, std::move(versionCheck))
    {
    }

    void OnBnClickedPayer();
    void OnBnClickedYear();
    void OnBnClickedPayees();
    void OnBnClickedSupplier();
    void OnBnClickedRefNo();
    void OnBnClickedDataReview();
    void OnBnClickedGenerateFiles();
    void OnBnClickedChangeYear();
    void OnBnClickedHowToUse();
    void OnBnClickedOriginalA01Details();
    void OnBnClickedLoadA01();
    void OnSetUserPreferences();
    void OnFixA01LineBreaks();
    void OnHelpFinder();
    void OnBnClickedHelp();
    void OnBnClickedLogo();
    void OnBnClickedClose();
    void OnAppAbout();
    // Starts the check and returns; its answer comes when the server gives
    // one. A second request while one is under way is not made.
    void OnCheckForUpdate();
    void OnDownloadUpdate();
    void OnVisitWebsite();

private:
    // Sync (when asked), precondition, dialog, refresh.
    void step(const QString& dialogClass, bool sync, const QString& failedMessage = QString(),
              bool preconditionHolds = true);
    bool hasPayer() const;

    AppContext& m_context;
    MainFormHost& m_host;
    UpdateCheck m_updateCheck;
};
