#pragma once

#include "shell/dialogs/AllowancesDialog.h"

// The frequently used Organisations list (unions and associations).
class COrganisations1 : public NameListDialog {
    Q_OBJECT
public:
    explicit COrganisations1(AppContext& context, QWidget* parent = nullptr);
};
