#pragma once

#include <QDialog>

class AppContext;

// "Quillastrand - Outline of Process": the picture of the seven steps.
class CSummary : public QDialog {
    Q_OBJECT
public:
    explicit CSummary(AppContext& context, QWidget* parent = nullptr);
};
