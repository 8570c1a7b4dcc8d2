#include "shell/dialogs/CSummary.h"

#include "widgets/DialogKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The outline of the process: the seven steps as a row of boxes.
QPixmap outlinePicture()
{
    const QStringList steps = {QStringLiteral("1. Payer"),       QStringLiteral("2. Year"),
                               QStringLiteral("3. Payees"),      QStringLiteral("4. Supplier"),
                               QStringLiteral("5. Ref No."),     QStringLiteral("6. Data Review"),
                               QStringLiteral("7. Generate Files")};
    const QStringList notes = {
        QStringLiteral("Choose the Payer from the Payer List, or add one"),
        QStringLiteral("Choose the Year ended 30 June"),
        QStringLiteral("Add, import or edit the Payees; Check All"),
        QStringLiteral("Enter the Supplier details"),
        QStringLiteral("Optional Supplier File Reference"),
        QStringLiteral("Review and correct any Payee marked Error"),
        QStringLiteral("VESK.A01 file, summary, Payment Summaries and media form")};
    QFont title(QStringLiteral("Tahoma"));
    title.setBold(true);
    title.setPixelSize(20);
    QFont text(QStringLiteral("Tahoma"));
    text.setPixelSize(14);
    const QString heading = QStringLiteral("Outline of the Quillastrand process");

    // Boxes and notes as wide as their longest text in the font in use.
    const QFontMetrics titleMetrics(title);
    const QFontMetrics textMetrics(text);
    int boxWidth = 200;
    for (const QString& step : steps)
        boxWidth = qMax(boxWidth, titleMetrics.horizontalAdvance(step) + 24);
    int noteWidth = 0;
    for (const QString& note : notes)
        noteWidth = qMax(noteWidth, textMetrics.horizontalAdvance(note));
    constexpr int kMargin = 40;
    constexpr int kGap = 20;
    const int width = qMax(kMargin + boxWidth + kGap + noteWidth + kMargin,
                           titleMetrics.horizontalAdvance(heading) + 2 * kMargin);

    QPixmap pixmap(width, 60 + 64 * steps.size());
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(title);
    p.setPen(kCaptionBlue);
    p.drawText(QRect(0, 10, pixmap.width(), 30), Qt::AlignCenter, heading);
    for (int i = 0; i < steps.size(); ++i) {
        const QRect box(kMargin, 55 + 64 * i, boxWidth, 44);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(230, 236, 250));
        p.drawRoundedRect(box, 6, 6);
        p.setFont(title);
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, steps.at(i));
        p.setFont(text);
        p.drawText(QRect(box.right() + kGap, box.top(), noteWidth + kMargin, box.height()),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, notes.at(i));
        if (i + 1 < steps.size())
            p.drawLine(box.center().x(), box.bottom() + 1, box.center().x(), box.bottom() + 19);
    }
    return pixmap;
}

} // namespace

CSummary::CSummary(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CSummary"));
    setWindowTitle(QStringLiteral("Quillastrand - Outline of Process"));
    setApplicationIcon(this);
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("outlinePicture"));
    picture->setPixmap(outlinePicture());
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    const HelpCancelOkRow buttons
        = makeHelpCancelOkRow(this, QStringLiteral("Click to close this dialog"), WithCancel::No);
    layout->addLayout(buttons.row);
    installHelp(this, buttons.help, context);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}
