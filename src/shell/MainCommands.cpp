#include "shell/MainCommands.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "shell/AboutDlgLogic.h"
#include "widgets/HelpActions.h"

void MainCommands::step(const QString& dialogClass, bool sync, const QString& failedMessage, bool preconditionHolds)
{
    {
        WaitCursor wait(m_context.ui);
        if (sync)
            SyncEditsToDoc(m_context, m_host.formEdits());
    }
    if (!preconditionHolds) {
        m_context.ui.message(failedMessage, MessageButtons::Ok, MessageIcon::None);
        m_host.refreshView();
        return;
    }
    m_context.ui.runDialog(dialogClass);
    m_host.refreshView();
}

bool MainCommands::hasPayer() const
{
    return !m_context.report().payerName.isEmpty();
}

void MainCommands::OnBnClickedPayer() { step(QStringLiteral("CPayer"), true); }

void MainCommands::OnBnClickedYear()
{
    step(QStringLiteral("CDateSet1"), true, kSelectPayerFirst, hasPayer());
}

void MainCommands::OnBnClickedPayees()
{
    step(QStringLiteral("CPayeeList"), true, kSetYearFirst, !m_context.report().reportYear.isEmpty());
}

void MainCommands::OnBnClickedSupplier() { step(QStringLiteral("CSupplier"), true); }
void MainCommands::OnBnClickedRefNo() { step(QStringLiteral("CFileRef1"), true); }
void MainCommands::OnBnClickedDataReview() { step(QStringLiteral("CDataReview1"), true); }
void MainCommands::OnBnClickedGenerateFiles() { step(QStringLiteral("CGenerate1"), true); }

void MainCommands::OnBnClickedChangeYear()
{
    step(QStringLiteral("ChangeYear"), true, kSelectPayerFirst, hasPayer());
}

void MainCommands::OnBnClickedHowToUse() { step(QStringLiteral("CSummary"), true); }
void MainCommands::OnBnClickedOriginalA01Details() { step(QStringLiteral("COrigEmp"), false); }
void MainCommands::OnBnClickedLoadA01() { step(MainCommandNames::kLoadA01, true); }
void MainCommands::OnSetUserPreferences() { step(QStringLiteral("CSettings"), false); }
void MainCommands::OnFixA01LineBreaks() { step(MainCommandNames::kFixA01LineBreaks, false); }

void MainCommands::OnHelpFinder()
{
    OpenHelp(m_context);
    m_host.refreshView();
}

void MainCommands::OnBnClickedHelp()
{
    OpenHelp(m_context);
}

void MainCommands::OnBnClickedLogo()
{
    WaitCursor wait(m_context.ui);
    m_host.refreshView();
}

void MainCommands::OnBnClickedClose()
{
    m_host.closeMainWindow();
}

void MainCommands::OnAppAbout() { step(QStringLiteral("CAboutDlg"), false); }
void MainCommands::OnCheckForUpdate()
{
    m_updateCheck.start(UpdateCheckKind::OnRequest, [this](UpdateCheckResult) { m_host.refreshView(); });
}

void MainCommands::OnDownloadUpdate()
{
    ::OnDownloadUpdate(m_context);
    m_host.refreshView();
}

void MainCommands::OnVisitWebsite()
{
    ::OnVisitWebsite(m_context);
    m_host.refreshView();
}
