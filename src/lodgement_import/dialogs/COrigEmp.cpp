#include "lodgement_import/dialogs/COrigEmp.h"

#include "lodgement_import/OrigEmpDetails.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* readOnlyEdit(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setCursorPosition(0);
    return edit;
}

} // namespace

COrigEmp::COrigEmp(AppContext& context, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quillastrand - Original VESK.A01 File Details"));
    setApplicationIcon(this);

    const OrigEmpDetails details = OrigEmpDetailsOf(context.report());

    auto* intro = new QLabel(
        QStringLiteral("The data in this report was originally imported from an existing VESK.A01 File."), this);
    intro->setObjectName(QStringLiteral("introLabel"));
    intro->setWordWrap(true);

    auto* fields = new QGridLayout;
    const struct {
        const char* label;
        const char* objectName;
        QString text;
    } rows[] = {
        { "Year Ended 30 June:", "origYear", details.year },
        { "VESK.A01 File Version:", "origVersion", details.version },
        { "Software Product:", "origSoftware", details.software },
    };
    int row = 0;
    for (const auto& r : rows) {
        auto* edit = readOnlyEdit(QString::fromLatin1(r.objectName), r.text, this);
        auto* label = new QLabel(QString::fromLatin1(r.label), this);
        label->setBuddy(edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        ++row;
    }
    // The software product takes the full width; year and version are short.
    fields->setColumnStretch(1, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(520, 250);
}
