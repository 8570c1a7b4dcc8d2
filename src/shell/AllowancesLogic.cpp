#include "shell/AllowancesLogic.h"

#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/Preferences.h"

AllowancesLogic::AllowancesLogic(AppContext& context, NameList list) : m_context(context), m_list(list) {}

std::array<QString, 12>& AllowancesLogic::names() const
{
    return m_list == NameList::Allowances ? m_context.prefs.allowanceNames : m_context.prefs.organisationNames;
}

std::array<QString, 12> AllowancesLogic::rows() const
{
    return names();
}

void AllowancesLogic::save(const std::array<QString, 12>& rows)
{
    names() = rows;
    const std::unique_ptr<QSettings> profile = openProfile();
    for (int i = 0; i < 12; ++i) {
        const QString key = m_list == NameList::Allowances ? allowanceKey(i) : organisationKey(i);
        WritePreference(*profile, key, rows[size_t(i)]);
    }
    profile->sync();
    if (profile->status() != QSettings::NoError) {
        m_context.ui.message(m_list == NameList::Allowances
                                 ? QStringLiteral("An error occurred while trying to save Allowances to Registry.")
                                 : QStringLiteral("An error occurred while trying to save Organisations to Registry."));
    }
}
