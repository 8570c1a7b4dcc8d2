#pragma once

#include <QString>

class AppContext;

// The text beside the file reference edit.
extern const QString kFileRefAtoNote;

// The logic of the supplier file reference dialog: the report's optional
// file reference, which the lodgement file carries.
class FileRefDetails
{
public:
    explicit FileRefDetails(AppContext& context);

    // What the edit holds.
    QString reference;

    void OnInitDialog();
    // True when the reference was stored and the dialog may close.
    bool OnBnClickedOk();

private:
    AppContext& m_context;
};
