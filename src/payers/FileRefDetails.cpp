#include "payers/FileRefDetails.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/CharChecks.h"
#include "report/FieldHelpers.h"

const QString kFileRefAtoNote = QStringLiteral(
    "According to the ATO:\n\nThe Supplier file reference is used to record the supplier\u2019s own reference "
    "number.  This number can be used by the Tax Office in the event of any problems or questions about "
    "information contained in the report. The supplier may find this useful when submitting a large number of "
    "reports to the Tax Office.");

FileRefDetails::FileRefDetails(AppContext& context)
    : m_context(context)
{
}

void FileRefDetails::OnInitDialog()
{
    reference = m_context.report().fileReference;
}

bool FileRefDetails::OnBnClickedOk()
{
    const QString text = CollapseDoubleSpaces(TrimString(reference));
    if (!text.isEmpty() && CheckFileRefChars(text) > 0) {
        m_context.ui.message(
            QStringLiteral("The File Ref contains invalid characters, please use alpha numerics only."));
        return false;
    }
    m_context.report().fileReference = text;
    m_context.document.SetModifiedFlag();
    return true;
}
