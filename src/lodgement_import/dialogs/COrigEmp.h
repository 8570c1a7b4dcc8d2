#pragma once

#include <QDialog>

class AppContext;

// "Quillastrand - Original VESK.A01 File Details": the year, version and
// software of the lodgement file the report was loaded from. Read-only.
class COrigEmp : public QDialog
{
    Q_OBJECT
public:
    explicit COrigEmp(AppContext& context, QWidget* parent = nullptr);
};
