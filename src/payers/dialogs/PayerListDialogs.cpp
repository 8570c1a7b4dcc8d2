#include "PayerListDialogs.h"

#include "AppContext.h"
#include "CAddPayer.h"
#include "CEditPayer.h"
#include "CPayer.h"
#include "CPayerList.h"
#include "QtUserInterface.h"

void registerPayerListDialogs(QtUserInterface& ui, AppContext& context)
{
    ui.registerDialog(QStringLiteral("CPayerList"), [&context](QWidget* parent) {
        CPayerList d(context, parent);
        return d.exec();
    });
    ui.registerDialog(QStringLiteral("CAddPayer"), [&context](QWidget* parent) {
        CAddPayer d(context, parent);
        return d.exec();
    });
    ui.registerDialog(QStringLiteral("CEditPayer"), [&context](QWidget* parent) {
        CEditPayer d(context, parent);
        return d.exec();
    });
    ui.registerDialog(QStringLiteral("CPayer"), [&context](QWidget* parent) {
        CPayer d(context, parent);
        return d.exec();
    });
}
