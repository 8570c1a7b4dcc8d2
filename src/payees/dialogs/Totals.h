#pragma once

#include <QDialog>

class AppContext;

// "Quillastrand - Totals": the count, main amounts and tax of the report's
// payees per type, recomputed each time it opens. Nothing can be edited.
class Totals : public QDialog {
    Q_OBJECT
public:
    explicit Totals(AppContext& context, QWidget* parent = nullptr);
};
