#pragma once

#include "payers/SupplierDetails.h"
#include "report/AppContext.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedUi.h"

#include <vector>

// A supplier that passes every check, as typed into the dialog.
inline SupplierTexts validSupplierControls()
{
    return {
        QStringLiteral("Acme Payroll Services"),
        QStringLiteral("51 824 753 556"),
        QStringLiteral("1 Main Street"),
        QString(),
        QStringLiteral("Melbourne"),
        QStringLiteral("VIC"),
        QStringLiteral("3000"),
        QString(),
        QStringLiteral("PO Box 12"),
        QString(),
        QStringLiteral("Melbourne"),
        QStringLiteral("VIC"),
        QStringLiteral("3001"),
        QString(),
        QStringLiteral("Jo Smith"),
        QStringLiteral("03 9999 1234"),
        QString(),
        QStringLiteral("jo@acme.com.au"),
        QStringLiteral("GW-1"),
    };
}

// The same supplier as it is stored once cleaned.
inline SupplierTexts validSupplierStored()
{
    SupplierTexts texts = validSupplierControls();
    texts[kSupplierAbn] = QStringLiteral("51824753556");
    return texts;
}

inline std::vector<int> markedFields(const SupplierDetails& details)
{
    std::vector<int> fields;
    for (int i = 0; i < kSupplierFieldCount; ++i) {
        if (details.markers[i])
            fields.push_back(i);
    }
    return fields;
}

// A report whose supplier was committed earlier, both copies alike.
inline void commitSupplier(Report& report, const SupplierTexts& texts)
{
    SetSupplierWorkingCopy(report, texts);
    for (int i = 0; i < kSupplierFieldCount; ++i)
        report.supplierFieldsSaved[i] = texts[i];
    report.supplierFieldsSaved[kSupplierFieldCount] = kSupplierChecked;
}
