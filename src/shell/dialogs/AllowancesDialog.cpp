#include "shell/dialogs/AllowancesDialog.h"

#include "widgets/DialogKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NameListDialog::NameListDialog(AppContext& context, NameList list, QWidget* parent)
    : QDialog(parent), m_logic(context, list)
{
    const bool allowances = list == NameList::Allowances;
    setWindowTitle(allowances ? QStringLiteral("Quillastrand - Set Default Allowances List")
                              : QStringLiteral("Quillastrand - Set Default Organisations List"));
    setApplicationIcon(this);
    setMinimumWidth(470);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(allowances ? QStringLiteral("You can add up to 12 Frequently used Allowances below. They will "
                                                         "appear in the drop down list on the INB Payment Summary screen "
                                                         "in the order shown below.")
                                        : QStringLiteral("You can add up to 12 Frequently used Organisations below. They "
                                                         "will appear in the drop down list on the INB Payment Summary "
                                                         "screen in the order shown below."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* also = new QLabel(allowances ? QStringLiteral("You can also add an allowance description while on the INB "
                                                        "Payment Summary screen.")
                                       : QStringLiteral("You can also add an organisation description while on the INB "
                                                        "Payment Summary screen."),
                            this);
    also->setWordWrap(true);
    layout->addWidget(also);

    auto* rows = new QGridLayout;
    const auto names = m_logic.rows();
    for (int i = 0; i < 12; ++i) {
        rows->addWidget(new QLabel(QString::number(i + 1), this), i, 0);
        auto* edit = new QLineEdit(names[size_t(i)], this);
        edit->setObjectName(QStringLiteral("row%1").arg(i + 1));
        rows->addWidget(edit, i, 1);
        m_rows[size_t(i)] = edit;
    }
    layout->addLayout(rows);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &NameListDialog::OnBnClickedSave);
    installHelp(this, nullptr, context);
}

void NameListDialog::OnBnClickedSave()
{
    std::array<QString, 12> names;
    for (size_t i = 0; i < 12; ++i)
        names[i] = m_rows[i]->text();
    m_logic.save(names);
    accept();
}

CAllowances1::CAllowances1(AppContext& context, QWidget* parent) : NameListDialog(context, NameList::Allowances, parent)
{
}
