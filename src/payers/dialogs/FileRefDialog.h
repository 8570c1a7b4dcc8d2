#pragma once

#include "payers/FileRefDetails.h"

#include <QDialog>

class AppContext;
class QLineEdit;

// "Quillastrand - Supplier File Reference": step 5 of the main form.
class CFileRef1 : public QDialog
{
    Q_OBJECT
public:
    explicit CFileRef1(AppContext& context, QWidget* parent = nullptr);

private:
    void OnBnClickedOk();

    FileRefDetails m_details;
    QLineEdit* m_reference = nullptr;
};
