#include "payees/dialogs/Totals.h"

#include "payees/Totals.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    setBlue(label);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

Totals::Totals(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Totals"));
    setWindowTitle(QStringLiteral("Quillastrand - Totals"));
    setApplicationIcon(this);

    const PayeeTotals t = ComputeTotals(context.report().payees);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Totals from All Payees in Report"), this);
    heading->setObjectName(QStringLiteral("heading"));
    QFont headingFont(QStringLiteral("Tahoma"));
    headingFont.setPointSize(14);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    QFont rowFont(QStringLiteral("Tahoma"));
    rowFont.setPointSize(12);

    // Columns: type, count, first amount, second amount, tax, RFBT, RESC.
    auto captions = [&](int row, const QStringList& texts, const QList<int>& columns) {
        for (int i = 0; i < texts.size(); ++i)
            grid->addWidget(caption(texts.at(i), this), row, columns.at(i));
    };
    auto edit = [&](const char* name, qint64 value, int row, int column) {
        auto* e = new QLineEdit(QString::number(value), this);
        e->setObjectName(QLatin1StringView(name));
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        grid->addWidget(e, row, column);
    };
    auto typeLabel = [&](const QString& text, int row) {
        auto* label = new QLabel(text, this);
        label->setFont(rowFont);
        grid->addWidget(label, row, 0);
    };

    captions(0, {QStringLiteral("Count"), QStringLiteral("Gross"), QStringLiteral("Allowances"), QStringLiteral("Tax"),
                 QStringLiteral("RFBT"), QStringLiteral("RESC")},
             {1, 2, 3, 4, 5, 6});
    typeLabel(QStringLiteral("INB:"), 1);
    edit("inbCount", t.inbCount, 1, 1);
    edit("inbGross", t.inbGross, 1, 2);
    edit("inbAllowances", t.inbAllowances, 1, 3);
    edit("inbTax", t.inbTax, 1, 4);
    edit("inbRfbt", t.inbRfbt, 1, 5);
    edit("inbResc", t.inbResc, 1, 6);

    captions(2, {QStringLiteral("Count"), QStringLiteral("Taxable"), QStringLiteral("Tax Free"), QStringLiteral("Tax")},
             {1, 2, 3, 4});
    typeLabel(QStringLiteral("ETP:"), 3);
    edit("etpCount", t.etpCount, 3, 1);
    edit("etpTaxable", t.etpTaxable, 3, 2);
    edit("etpTaxFree", t.etpTaxFree, 3, 3);
    edit("etpTax", t.etpTax, 3, 4);

    captions(4, {QStringLiteral("Count"), QStringLiteral("Gross or Attrib"), QStringLiteral("Tax")}, {1, 2, 4});
    typeLabel(QStringLiteral("BUS:"), 5);
    edit("busCount", t.busCount, 5, 1);
    edit("busGross", t.busGross, 5, 2);
    edit("busTax", t.busTax, 5, 4);
    edit("busResc", t.busResc, 5, 6);
    typeLabel(QStringLiteral("FEI:"), 6);
    edit("feiCount", t.feiCount, 6, 1);
    edit("feiGross", t.feiGross, 6, 2);
    edit("feiTax", t.feiTax, 6, 4);
    edit("feiRfbt", t.feiRfbt, 6, 5);
    edit("feiResc", t.feiResc, 6, 6);
    typeLabel(QStringLiteral("PEN:"), 7);
    edit("penCount", t.penCount, 7, 1);
    edit("penTaxedElement", t.penTaxedElement, 7, 2);
    edit("penTax", t.penTax, 7, 4);
    typeLabel(QStringLiteral("SLS:"), 8);
    edit("slsCount", t.slsCount, 8, 1);
    edit("slsTaxedElement", t.slsTaxedElement, 8, 2);
    edit("slsTax", t.slsTax, 8, 4);
    typeLabel(QStringLiteral("DAS:"), 9);
    edit("dasCount", t.dasCount, 9, 1);
    edit("dasTaxedElement", t.dasTaxedElement, 9, 2);
    edit("dasTax", t.dasTax, 9, 4);

    grid->addWidget(caption(QStringLiteral("Total Tax:"), this), 10, 3);
    edit("totalTax", t.totalTax, 10, 4);

    auto* note = new QLabel(QStringLiteral("Note: Some fields are not shown here, eg  CDEP, Lump Sums etc"), this);
    note->setObjectName(QStringLiteral("note"));
    layout->addWidget(note);

    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    row->addWidget(close);
    layout->addLayout(row);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    installHelp(this, nullptr, context);
}
