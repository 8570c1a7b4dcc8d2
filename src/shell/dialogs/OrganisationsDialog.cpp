#include "shell/dialogs/OrganisationsDialog.h"

COrganisations1::COrganisations1(AppContext& context, QWidget* parent)
    : NameListDialog(context, NameList::Organisations, parent)
{
}
