#include "shell/dialogs/CSumbridge1View.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "report/PayeeIds.h"
#include "widgets/DialogKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The step buttons' height and the read-only edits' widths, in pixels at
// 96 dots per inch; widths grow with the text they must show.
constexpr int kStepHeight = 47;
constexpr int kNumberEditWidth = 39;
constexpr int kReferenceEditWidth = 134;

// The widest text each read-only value shows: a four-digit year (with a
// digit to spare), the most payees a report holds, a file reference of
// sixteen characters (with two to spare).
const QString kYearSample(5, QLatin1Char('0'));
const QString kCountSample(QString::number(kMaxPayeesInAReport).size(), QLatin1Char('0'));
const QString kReferenceSample(18, QLatin1Char('0'));

// A read-only value as wide as its widest text needs in its own font and
// style, never narrower than its width at 96 dots per inch. It follows a
// change of font or style, since the layout asks it again then.
class ValueBox : public QLineEdit
{
public:
    ValueBox(QString widest, int least, QWidget* parent)
        : QLineEdit(parent)
        , m_widest(std::move(widest))
        , m_least(least)
    {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override { return { neededWidth(), QLineEdit::sizeHint().height() }; }
    QSize minimumSizeHint() const override { return { neededWidth(), QLineEdit::minimumSizeHint().height() }; }

private:
    int neededWidth() const
    {
        ensurePolished();
        const QFontMetrics metrics(font());
        // As the line edit lays out its text: two pixels each side inside the
        // frame, one for the cursor, and whatever a glyph draws beyond its
        // advance.
        constexpr int kInnerMargin = 2;
        constexpr int kCursor = 1;
        const QMargins text = textMargins();
        const QMargins contents = contentsMargins();
        const int width = metrics.horizontalAdvance(m_widest) + 2 * kInnerMargin + kCursor
            + qMax(0, -metrics.minLeftBearing()) + qMax(0, -metrics.minRightBearing()) + text.left() + text.right()
            + contents.left() + contents.right();
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QSize framed = style()->sizeFromContents(
            QStyle::CT_LineEdit, &option, QSize(width, QLineEdit::sizeHint().height()), this);
        return qMax(m_least, framed.width());
    }

    QString m_widest;
    int m_least;
};

QString shownText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void paintBlue(QLineEdit* edit)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, kCaptionBlue);
    edit->setPalette(palette);
}

// A caption above its value.
QVBoxLayout* stacked(QWidget* caption, QLayout* value)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->addWidget(caption);
    column->addLayout(value);
    return column;
}

QHBoxLayout* leftAligned(QWidget* first, QWidget* second = nullptr)
{
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    if (second) {
        row->addSpacing(40);
        row->addWidget(second);
    }
    row->addStretch(1);
    return row;
}

// Keeps a widget's place in the layout while it is hidden, for the widgets
// that take turns in one place.
void keepPlace(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

CSumbridge1View::CSumbridge1View(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_commands(context, *this)
{
    setObjectName(QStringLiteral("mainForm"));
    // The form's own font, as the dialog font of its layout; requested by
    // family, it falls back as the platform does and the layout follows.
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("formFrame"));
    m_thisReport = new MyGroupBox(QStringLiteral("This Report"), frame);
    m_thisReport->setObjectName(QStringLiteral("thisReportGroup"));
    m_thisReport->setCaptionColor(kCaptionBlue);

    using M = MainCommands;
    m_payer = button("payerButton", QStringLiteral("     1. Payer"), &M::OnBnClickedPayer);
    m_year = button("yearButton", QStringLiteral("     2. Year"), &M::OnBnClickedYear);
    m_payees = button("payeesButton", QStringLiteral("     3. Payees"), &M::OnBnClickedPayees);
    m_supplier = button("supplierButton", QStringLiteral("     4. Supplier"), &M::OnBnClickedSupplier);
    m_refNo = button("refNoButton", QStringLiteral("     5. Ref No."), &M::OnBnClickedRefNo);
    m_dataReview = button("dataReviewButton", QStringLiteral("     6. Data Review"), &M::OnBnClickedDataReview);
    m_generate = button("generateButton", QStringLiteral("     7. Generate Files"), &M::OnBnClickedGenerateFiles);
    const QList<QPushButton*> steps = {m_payer, m_supplier, m_year, m_payees, m_refNo, m_dataReview, m_generate};
    for (QPushButton* step : steps) {
        step->setStyleSheet(QStringLiteral("text-align: left; padding-left: 6px; padding-right: 10px;"));
        step->setMinimumHeight(kStepHeight);
        step->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    m_year->setEnabled(false);
    m_generate->setEnabled(false);

    m_payerShort = label("payerShort", QString());
    m_payerLong = label("payerLong", QString());
    auto* yearCaption = label("yearCaption", QStringLiteral("Year ended 30 June:"));
    yearCaption->setEnabled(false);
    m_yearEdit = edit("yearEdit", kYearSample, kNumberEditWidth, true);
    m_changeYear = button("changeYearButton", QStringLiteral("Change Year"), &M::OnBnClickedChangeYear);
    auto* includedCaption = label("payeesIncludedCaption", QStringLiteral("Payees included:"));
    includedCaption->setEnabled(false);
    m_payeesIncluded = edit("payeesIncludedEdit", kCountSample, kNumberEditWidth, true);
    m_supplierShort = label("supplierShort", QString());
    m_supplierLong = label("supplierLong", QString());
    m_fileReference = edit("fileReferenceEdit", kReferenceSample, kReferenceEditWidth, false);
    auto* checkedCaption = label("toBeCheckedCaption", QStringLiteral("Payees to be Checked:"));
    checkedCaption->setEnabled(false);
    m_toBeChecked = edit("toBeCheckedEdit", kCountSample, kNumberEditWidth, true);
    m_disabledNote = label("disabledNote", QStringLiteral("Button is disabled until above steps are completed."));
    m_disabledNote->setEnabled(false);
    m_disabledNote->hide();

    m_title = label("titleLabel", QStringLiteral("Payment Summaries and VESK"));
    m_title->setAlignment(Qt::AlignCenter);
    m_subtitle = label("subtitleLabel", QStringLiteral("(Payment Summary Annual Report - VESK)"));
    m_subtitle->setAlignment(Qt::AlignCenter);

    m_loadA01 = button("loadA01Button", QStringLiteral("Load Data from existing VESK.A01 File"), &M::OnBnClickedLoadA01);
    m_loadA01->hide();
    m_originalA01 = button("originalA01Button", QStringLiteral("Original VESK.A01 File Details"),
                           &M::OnBnClickedOriginalA01Details);
    m_originalA01->hide();
    m_help = button("helpButton", QStringLiteral("Help"), &M::OnBnClickedHelp);
    m_howToUse = button("howToUseButton", QStringLiteral("How to use Quillastrand"), &M::OnBnClickedHowToUse);
    m_logo = button("logoButton", QString(), &M::OnBnClickedLogo);
    m_logo->hide();
    m_close = button("closeButton", QStringLiteral("Close"), &M::OnBnClickedClose);
    m_close->hide();
    m_close->setEnabled(false);
    m_internetNote = label("internetNote", QStringLiteral("Internet Connection required"));
    m_internetNote->setAlignment(Qt::AlignCenter);
    m_internetNote->hide();
    m_payerHolder = label("payerHolder", QString());
    m_payerHolder->hide();
    m_payerAbnHolder = label("payerAbnHolder", QString());
    m_payerAbnHolder->hide();

    for (QLabel* blue : {m_payerShort, m_payerLong, m_supplierShort, m_supplierLong}) {
        setBlue(blue);
        blue->setTextFormat(Qt::PlainText);
        blue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        blue->hide();
    }
    // A long name wraps over two lines within the width the form offers.
    for (QLabel* wrapped : {m_payerLong, m_supplierLong}) {
        wrapped->setWordWrap(true);
        wrapped->setMinimumWidth(330);
    }

    // The steps down the left, what each has given beside it.
    auto* grid = new QGridLayout(m_thisReport);
    grid->setContentsMargins(40, 12, 16, 12);
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    const auto place = [grid](int row, QPushButton* step) { grid->addWidget(step, row, 0); };
    place(0, m_payer);
    grid->addWidget(m_payerShort, 0, 1);
    grid->addWidget(m_payerLong, 0, 1);
    place(1, m_year);
    grid->addLayout(stacked(yearCaption, leftAligned(m_yearEdit, m_changeYear)), 1, 1);
    place(2, m_payees);
    grid->addLayout(stacked(includedCaption, leftAligned(m_payeesIncluded)), 2, 1);
    place(3, m_supplier);
    grid->addWidget(m_supplierShort, 3, 1);
    grid->addWidget(m_supplierLong, 3, 1);
    place(4, m_refNo);
    grid->addLayout(leftAligned(m_fileReference), 4, 1);
    place(5, m_dataReview);
    grid->addLayout(stacked(checkedCaption, leftAligned(m_toBeChecked)), 5, 1);
    place(6, m_generate);
    grid->addWidget(m_disabledNote, 6, 1);
    keepPlace(m_disabledNote);

    // The two A01 buttons take turns in one place, and keep it when both
    // are hidden, so the row does not shift.
    auto* foot = new QHBoxLayout;
    auto* a01 = new QGridLayout;
    a01->addWidget(m_loadA01, 0, 0);
    a01->addWidget(m_originalA01, 0, 0);
    keepPlace(m_loadA01);
    keepPlace(m_originalA01);
    foot->addLayout(a01);
    foot->addStretch(1);
    foot->addWidget(m_help);
    foot->addStretch(1);
    foot->addWidget(m_howToUse);

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(m_title);
    inner->addWidget(m_subtitle);
    inner->addSpacing(6);
    inner->addWidget(m_thisReport);
    inner->addLayout(foot);
    inner->addWidget(m_internetNote);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(frame);

    // The order of the form: each step, then what belongs to its row.
    const QList<QWidget*> order = {m_payer,    m_year,       m_yearEdit,      m_changeYear,  m_payees,
                                   m_payeesIncluded, m_supplier, m_refNo,    m_fileReference, m_dataReview,
                                   m_toBeChecked, m_generate, m_loadA01,   m_originalA01,   m_help,
                                   m_howToUse};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { m_commands.OnBnClickedHelp(); });

    addTooltips();
    refreshView();
}

QPushButton* CSumbridge1View::button(const char* objectName, const QString& text, void (MainCommands::*handler)())
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, handler] { (m_commands.*handler)(); });
    return b;
}

QLabel* CSumbridge1View::label(const char* objectName, const QString& text)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit* CSumbridge1View::edit(const char* objectName, const QString& widest, int width, bool rightAligned)
{
    auto* e = new ValueBox(widest, width, this);
    e->setObjectName(QString::fromLatin1(objectName));
    e->setReadOnly(true);
    if (rightAligned)
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    paintBlue(e);
    return e;
}

void CSumbridge1View::addTooltips()
{
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to Select/View/Add/Edit a Payer"), m_payer);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to choose a Date for this Report"), m_year);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to View/Add/Edit a Payee for this Report"), m_payees);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to View/Add/Edit a Supplier for this Report"), m_supplier);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Click to Add a Supplier File Reference Number (optional) for this Report"), m_refNo);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Click to Review Payee Data for this Report - only required if Payees to be Checked > 0"),
        m_dataReview);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Click to Generate Files based on this Report- Button disabled until above steps completed"),
        m_generate);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to view an outline of the Quillastrand process"),
                                       m_howToUse);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to open online help in browser window"), m_help);
    CToolTipCtrlExt::AddToolForControl(QStringLiteral("Click to Load data from an existing VESK.A01 file"), m_loadA01);
    CToolTipCtrlExt::AddToolForControl(
        QStringLiteral("Click to view the details of the VESK.A01 file this Report was loaded from"), m_originalA01);
}

int CSumbridge1View::dotsPerInch() const
{
    const QScreen* s = screen();
    return s ? qRound(s->logicalDotsPerInchX()) : 96;
}

FormEdits CSumbridge1View::formEdits() const
{
    return {m_yearEdit->text(), m_fileReference->text()};
}

void CSumbridge1View::refreshView()
{
    WaitCursor wait(m_context.ui);
    const MainFormState s = RefreshView(m_context, dotsPerInch());

    m_internetNote->hide();
    m_supplierLong->setVisible(s.supplierLongShown);
    m_supplierShort->setVisible(s.supplierShortShown);
    (s.supplierLongShown ? m_supplierLong : m_supplierShort)->setText(shownText(s.supplierText));
    m_payerLong->setVisible(s.payerLongShown);
    m_payerShort->setVisible(s.payerShortShown);
    (s.payerLongShown ? m_payerLong : m_payerShort)->setText(shownText(s.payerText));
    m_payerHolder->setText(shownText(s.payerText));
    m_payerAbnHolder->setText(s.payerAbnText);

    m_payeesIncluded->setText(s.payeesIncludedText);
    m_yearEdit->setText(s.yearText);
    m_fileReference->setText(s.fileReferenceText);
    m_toBeChecked->setText(s.payeesToBeCheckedText);

    m_generate->setEnabled(s.generateEnabled);
    m_disabledNote->setVisible(s.disabledNoteShown);

    // Fonts are requested by family and fall back as the platform does;
    // the pixel heights are scaled already, so they are not scaled again.
    QFont title(QStringLiteral("Tahoma"));
    title.setBold(true);
    const int titlePixels = s.fontHeight24 * 96 / qMax(1, dotsPerInch());
    title.setPixelSize(qMax(1, titlePixels));
    m_title->setFont(title);
    m_subtitle->setFont(title);
    QFont bold(QStringLiteral("Tahoma"));
    bold.setBold(true);
    bold.setPixelSize(qMax(1, s.fontHeight14 * 96 / qMax(1, dotsPerInch())));
    m_payerHolder->setFont(bold);
    m_payerAbnHolder->setFont(bold);

    m_loadA01->setVisible(s.loadA01Shown);
    m_loadA01->setEnabled(s.loadA01Enabled);
    m_originalA01->setVisible(s.originalA01Shown);
    m_year->setEnabled(s.yearEnabled);
    update();
}

void CSumbridge1View::closeMainWindow()
{
    if (QWidget* top = window())
        top->close();
}
