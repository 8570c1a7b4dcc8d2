#include "pdf/dialogs/AdviceName.h"

#include "pdf/dialogs/PdfDateEdit.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"
#include "widgets/HelpActions.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AdviceName::AdviceName(AppContext& context, PdfNamePattern& pattern, QWidget* parent)
    : QDialog(parent)
    , m_logic(context, pattern)
{
    setWindowTitle(QStringLiteral("Quillastrand - Payment Summaries"));
    setApplicationIcon(this);

    m_title = new QLabel(QStringLiteral("Payment Summaries"), this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSize(14);
    m_title->setFont(titleFont);

    auto* dateLabel = new QLabel(QStringLiteral("Date to be shown on Payment Summaries:"), this);
    m_date = makePdfDateEdit(this);
    dateLabel->setBuddy(m_date);

    auto* nameLabel = new QLabel(QStringLiteral("Filename to use for Payment Summaries:"), this);

    // Every showing starts from the same pattern: the last one is not offered.
    const PdfNamePattern initial = AdviceNameForm::initialPattern();
    m_text1 = new QLineEdit(initial.text1, this);
    m_text1->setObjectName(QStringLiteral("text1"));
    m_text2 = new QLineEdit(initial.text2, this);
    m_text2->setObjectName(QStringLiteral("text2"));
    // Both texts have room for the default last text, frame and cursor
    // included, however narrow the screen makes the dialog.
    const QFontMetrics metrics(m_text2->font());
    const int textWidth = metrics.horizontalAdvance(initial.text2) + 3 * metrics.averageCharWidth();
    m_text1->setMinimumWidth(textWidth);
    m_text2->setMinimumWidth(textWidth);
    for (int i = 0; i < 4; ++i) {
        m_fields[i] = new QComboBox(this);
        m_fields[i]->setObjectName(QStringLiteral("field%1").arg(i + 1));
        m_fields[i]->addItems(PdfNamePattern::fieldItems());
        m_fields[i]->setCurrentIndex(AdviceNameForm::initialFieldIndex(i + 1));
        m_fields[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    auto* extension = new QLabel(QStringLiteral(".pdf"), this);

    auto* note = wrappedNote(QStringLiteral("There will be an underscore between each field. Fields can be left "
                                            "blank. Duplicate filenames will have 00 to 05 appended to file name."),
        QStringLiteral("note"), this);

    const HelpCancelOkRow row = makeHelpCancelOkRow(this, QString());
    m_help = row.help;
    m_cancel = row.cancel;
    m_selectFolder = row.ok;
    m_selectFolder->setText(QStringLiteral("Select Folder"));
    m_selectFolder->setObjectName(QStringLiteral("selectFolderButton"));

    connect(m_selectFolder, &QPushButton::clicked, this, [this] {
        PdfNamePattern typed;
        typed.text1 = m_text1->text();
        typed.field1 = m_fields[0]->currentText();
        typed.field2 = m_fields[1]->currentText();
        typed.field3 = m_fields[2]->currentText();
        typed.field4 = m_fields[3]->currentText();
        typed.text2 = m_text2->text();
        m_logic.OnBnClickedSelectFolder(m_date->date(), typed);
        accept();
    });
    // Help only: this dialog has no F1.
    connect(m_help, &QPushButton::clicked, this, [&context] { OpenHelp(context); });

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(m_date);
    dateRow->addStretch();

    // The six parts of the name in one row, each captioned above.
    auto* parts = new QGridLayout;
    const auto caption = [this](const QString& text) { return new QLabel(text, this); };
    parts->addWidget(caption(QStringLiteral("Text")), 0, 0);
    parts->addWidget(m_text1, 1, 0);
    for (int i = 0; i < 4; ++i) {
        parts->addWidget(caption(QStringLiteral("Field")), 0, i + 1);
        parts->addWidget(m_fields[i], 1, i + 1);
    }
    parts->addWidget(caption(QStringLiteral("Text")), 0, 5);
    parts->addWidget(m_text2, 1, 5);
    parts->addWidget(extension, 1, 6);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(dateRow);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(nameLabel);
    layout->addLayout(parts);
    layout->addWidget(note);
    layout->addStretch();
    layout->addLayout(row.row);
}

void AdviceName::reject()
{
    m_logic.OnBnClickedCancel();
    QDialog::reject();
}
