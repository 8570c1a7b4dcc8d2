#include "shell/dialogs/CSumbridge1View.h"

#include "platform/UserInterface.h"
#include "report/AppContext.h"
#include "widgets/DialogKit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace {

// Dialog units of the form's 8-point font, in pixels at 96 dots per inch.
constexpr double kUnitX = 1.5;
constexpr double kUnitY = 1.625;

QRect dialogRect(int x, int y, int w, int h)
{
    return QRect(qRound(x * kUnitX), qRound(y * kUnitY), qRound(w * kUnitX), qRound(h * kUnitY));
}

QString shownText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// The largest pixel size up to `pixels` at which the text fits the label:
// the requested family may fall back to a wider one.
QFont fittedFont(QFont font, int pixels, const QLabel* label)
{
    for (int size = qMax(1, pixels); size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width())
            return font;
    }
    font.setPixelSize(qMin(pixels, 6));
    return font;
}

void paintBlue(QLineEdit* edit)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, kCaptionBlue);
    edit->setPalette(palette);
}

} // namespace

QSize CSumbridge1View::formSize()
{
    return dialogRect(0, 0, 398, 348).size();
}

CSumbridge1View::CSumbridge1View(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_commands(context, *this)
{
    setObjectName(QStringLiteral("mainForm"));
    setFixedSize(formSize());
    // The dialog units above are those of an 8-point dialog font.
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("formFrame"));
    frame->setGeometry(dialogRect(7, 7, 384, 339));
    m_thisReport = new MyGroupBox(QStringLiteral("This Report"), this);
    m_thisReport->setObjectName(QStringLiteral("thisReportGroup"));
    m_thisReport->setGeometry(dialogRect(16, 57, 362, 255));
    m_thisReport->setCaptionColor(kCaptionBlue);

    using M = MainCommands;
    m_payer = button("payerButton", QStringLiteral("     1. Payer"), 60, 69, 76, 29, &M::OnBnClickedPayer);
    m_year = button("yearButton", QStringLiteral("     2. Year"), 60, 103, 76, 29, &M::OnBnClickedYear);
    m_payees = button("payeesButton", QStringLiteral("     3. Payees"), 60, 137, 76, 29, &M::OnBnClickedPayees);
    m_supplier = button("supplierButton", QStringLiteral("     4. Supplier"), 60, 171, 76, 29, &M::OnBnClickedSupplier);
    m_refNo = button("refNoButton", QStringLiteral("     5. Ref No."), 60, 205, 76, 29, &M::OnBnClickedRefNo);
    m_dataReview =
        button("dataReviewButton", QStringLiteral("     6. Data Review"), 60, 239, 76, 29, &M::OnBnClickedDataReview);
    m_generate = button("generateButton", QStringLiteral("     7. Generate Files"), 60, 273, 76, 29,
                        &M::OnBnClickedGenerateFiles);
    for (QPushButton* step : {m_payer, m_year, m_payees, m_supplier, m_refNo, m_dataReview, m_generate})
        step->setStyleSheet(QStringLiteral("text-align: left;"));
    m_year->setEnabled(false);
    m_generate->setEnabled(false);

    m_payerShort = label("payerShort", QString(), 151, 75, 217, 18);
    m_payerLong = label("payerLong", QString(), 151, 70, 220, 28);
    auto* yearCaption = label("yearCaption", QStringLiteral("Year ended 30 June:"), 151, 106, 85, 8);
    yearCaption->setEnabled(false);
    m_yearEdit = edit("yearEdit", 151, 115, 26, 13, true);
    m_changeYear = button("changeYearButton", QStringLiteral("Change Year"), 253, 110, 57, 13,
                          &M::OnBnClickedChangeYear);
    auto* includedCaption = label("payeesIncludedCaption", QStringLiteral("Payees included:"), 151, 141, 72, 8);
    includedCaption->setEnabled(false);
    m_payeesIncluded = edit("payeesIncludedEdit", 151, 150, 26, 13, true);
    m_supplierShort = label("supplierShort", QString(), 151, 177, 217, 20);
    m_supplierLong = label("supplierLong", QString(), 151, 173, 221, 24);
    m_fileReference = edit("fileReferenceEdit", 151, 212, 89, 13, false);
    auto* checkedCaption = label("toBeCheckedCaption", QStringLiteral("Payees to be Checked:"), 151, 243, 78, 8);
    checkedCaption->setEnabled(false);
    m_toBeChecked = edit("toBeCheckedEdit", 151, 252, 26, 13, true);
    m_disabledNote = label("disabledNote", QStringLiteral("Button is disabled until above steps are completed."), 151,
                           284, 214, 12);
    m_disabledNote->setEnabled(false);
    m_disabledNote->hide();

    m_title = label("titleLabel", QStringLiteral("Payment Summaries and VESK"), 69, 13, 257, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_subtitle = label("subtitleLabel", QStringLiteral("(Payment Summary Annual Report - VESK)"), 25, 34, 347, 20);
    m_subtitle->setAlignment(Qt::AlignCenter);

    m_loadA01 = button("loadA01Button", QStringLiteral("Load Data from existing VESK.A01 File"), 17, 318, 143, 13,
                       &M::OnBnClickedLoadA01);
    m_loadA01->hide();
    m_originalA01 = button("originalA01Button", QStringLiteral("Original VESK.A01 File Details"), 17, 318, 143, 13,
                           &M::OnBnClickedOriginalA01Details);
    m_originalA01->hide();
    m_help = button("helpButton", QStringLiteral("Help"), 174, 318, 49, 13, &M::OnBnClickedHelp);
    m_howToUse = button("howToUseButton", QStringLiteral("How to use Quillastrand"), 236, 318, 143, 13,
                        &M::OnBnClickedHowToUse);
    m_logo = button("logoButton", QString(), 236, 318, 143, 13, &M::OnBnClickedLogo);
    m_logo->hide();
    m_close = button("closeButton", QStringLiteral("Close"), 294, 126, 57, 13, &M::OnBnClickedClose);
    m_close->hide();
    m_close->setEnabled(false);
    m_internetNote = label("internetNote", QStringLiteral("Internet Connection required"), 65, 334, 266, 9);
    m_internetNote->setAlignment(Qt::AlignCenter);
    m_internetNote->hide();
    m_payerHolder = label("payerHolder", QString(), 15, 18, 21, 8);
    m_payerHolder->hide();
    m_payerAbnHolder = label("payerAbnHolder", QString(), 14, 26, 14, 11);
    m_payerAbnHolder->hide();

    for (QLabel* blue : {m_payerShort, m_payerLong, m_supplierShort, m_supplierLong}) {
        setBlue(blue);
        blue->setTextFormat(Qt::PlainText);
        blue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        blue->hide();
    }
    m_payerLong->setWordWrap(true);
    m_supplierLong->setWordWrap(true);
    m_thisReport->lower();
    frame->lower();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { m_commands.OnBnClickedHelp(); });

    addTooltips();
    refreshView();
}

QPushButton* CSumbridge1View::button(const char* objectName, const QString& text, int x, int y, int w, int h,
                                     void (MainCommands::*handler)())
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setGeometry(dialogRect(x, y, w, h));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, handler] { (m_commands.*handler)(); });
    return b;
}

QLabel* CSumbridge1View::label(const char* objectName, const QString& text, int x, int y, int w, int h)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setGeometry(dialogRect(x, y, w, h));
    l->setTextFormat(Qt::PlainText);
    // A fallback font may be wider than the one the layout was made for.
    if (!text.isEmpty())
        l->resize(qMax(l->width(), l->sizeHint().width()), l->height());
    return l;
}

QLineEdit* CSumbridge1View::edit(const char* objectName, int x, int y, int w, int h, bool rightAligned)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(objectName));
    e->setGeometry(dialogRect(x, y, w, h));
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
    m_title->setFont(fittedFont(title, titlePixels, m_title));
    m_subtitle->setFont(fittedFont(title, titlePixels, m_subtitle));
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
