#include "pdf/PdfTestKit.h"

#include "pdf/BlankForms.h"
#include "pdf/FieldPlans.h"
#include "pdf/FormFiller.h"
#include "pdf/PaymentSummary.h"
#include "report/FieldHelpers.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <stdexcept>

namespace
{

QString writeTemp(const QTemporaryDir& dir, const QByteArray& pdf)
{
    const QString path = dir.filePath(QStringLiteral("doc.pdf"));
    writeFile(path, pdf);
    return path;
}

QByteArray run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        throw std::runtime_error(("failed: " + program).toStdString());
    return process.readAllStandardOutput();
}

// Helvetica's advance widths from its font metrics, in thousandths of the
// size, for the characters 32 to 126.
constexpr int kHelvetica[95] = { 278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, 556,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667, 611, 778,
    722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469,
    556, 333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, 556, 556, 333, 500, 278, 556,
    500, 722, 500, 500, 500, 334, 260, 334, 584 };

// The bytes of the literal string that starts at `at` (its "("), and the
// place after its ")".
QByteArray literalAt(const QByteArray& text, qsizetype& at)
{
    QByteArray bytes;
    int depth = 0;
    for (; at < text.size(); ++at) {
        char c = text[at];
        if (c == '(' && depth++ == 0)
            continue;
        if (c == ')' && --depth == 0) {
            ++at;
            return bytes;
        }
        if (c == '\\') {
            if (++at == text.size())
                break;
            c = text[at];
            if (c >= '0' && c <= '7') {
                int code = 0;
                for (int n = 0; n < 3 && at < text.size() && text[at] >= '0' && text[at] <= '7'; ++n)
                    code = code * 8 + (text[at++] - '0');
                --at;
                c = char(code);
            } else if (c == 'n') {
                c = '\n';
            } else if (c == 'r') {
                c = '\r';
            } else if (c == 't') {
                c = '\t';
            }
        }
        bytes += c;
    }
    throw std::runtime_error("a string that does not end");
}

// The advance width of a byte in thousandths of the size.
double glyphWidth(QPDFObjectHandle font, unsigned char byte)
{
    if (font.getKey("/Widths").isArray() && font.getKey("/FirstChar").isInteger()) {
        const int index = int(byte) - font.getKey("/FirstChar").getIntValueAsInt();
        QPDFObjectHandle widths = font.getKey("/Widths");
        if (index >= 0 && index < widths.getArrayNItems())
            return widths.getArrayItem(index).getNumericValue();
        throw std::runtime_error("a byte outside the font's widths");
    }
    if (font.getKey("/BaseFont").isNameAndEquals("/Helvetica") && byte >= 32 && byte <= 126)
        return kHelvetica[byte - 32];
    throw std::runtime_error("no width for a byte of the font");
}

} // namespace

std::vector<DrawnText> drawnTexts(const QByteArray& pdf)
{
    QPDF doc;
    doc.setSuppressWarnings(true);
    doc.processMemoryFile("pdf", pdf.constData(), size_t(pdf.size()));
    QPDFPageObjectHelper page = QPDFPageDocumentHelper(doc).getAllPages().at(0);
    Pl_Buffer buffer("page");
    page.pipeContents(&buffer);
    const std::shared_ptr<Buffer> content = buffer.getBufferSharedPointer();
    const QByteArray pageText(reinterpret_cast<const char*>(content->getBuffer()), qsizetype(content->getSize()));
    QPDFObjectHandle xobjects = page.getAttribute("/Resources", false).getKey("/XObject");

    static const QRegularExpression drawn(QStringLiteral("/(\\S+) Do"));
    static const QRegularExpression font(QStringLiteral("/(\\S+) ([0-9.]+) Tf"));
    static const QRegularExpression start(QStringLiteral("([-0-9.]+) ([-0-9.]+) Td\\s*\\("));
    std::vector<DrawnText> texts;
    for (const QRegularExpressionMatch& m : drawn.globalMatch(QString::fromLatin1(pageText))) {
        QPDFObjectHandle xobject = xobjects.getKey("/" + m.captured(1).toStdString());
        if (!xobject.isStream())
            throw std::runtime_error("a drawn object the page does not have");
        const std::shared_ptr<Buffer> data = xobject.getStreamData(qpdf_dl_generalized);
        const QByteArray stream(reinterpret_cast<const char*>(data->getBuffer()), qsizetype(data->getSize()));
        const QString streamText = QString::fromLatin1(stream);
        const QRegularExpressionMatch f = font.match(streamText);
        const QRegularExpressionMatch s = start.match(streamText);
        if (!s.hasMatch())
            continue; // an empty box
        if (!f.hasMatch())
            throw std::runtime_error("a value drawn without a font");
        QPDFObjectHandle fontDict
            = xobject.getDict().getKey("/Resources").getKey("/Font").getKey("/" + f.captured(1).toStdString());
        if (!fontDict.isDictionary())
            throw std::runtime_error("a value drawn in a font the appearance does not have");
        const QPDFObjectHandle::Rectangle box = xobject.getDict().getKey("/BBox").getArrayAsRectangle();
        DrawnText t;
        t.font = QString::fromStdString(fontDict.getKey("/BaseFont").getName()).mid(1);
        t.size = f.captured(2).toDouble();
        t.x = s.captured(1).toDouble() - box.llx;
        t.boxWidth = box.urx - box.llx;
        qsizetype at = s.capturedEnd() - 1;
        const QByteArray bytes = literalAt(stream, at);
        t.text = QString::fromLatin1(bytes);
        double thousandths = 0;
        for (char c : bytes)
            thousandths += glyphWidth(fontDict, static_cast<unsigned char>(c));
        t.width = thousandths * t.size / 1000;
        texts.push_back(t);
    }
    return texts;
}

std::map<QString, FormField> readFormFields(const QByteArray& pdf, int* warnings)
{
    QPDF doc;
    doc.setSuppressWarnings(true);
    doc.processMemoryFile("pdf", pdf.constData(), size_t(pdf.size()));
    std::map<QString, FormField> fields;
    QPDFAcroFormDocumentHelper form(doc);
    for (QPDFFormFieldObjectHelper& field : form.getFormFields()) {
        FormField f;
        f.type = QString::fromStdString(field.getFieldType());
        f.value = QString::fromStdString(field.getValueAsString());
        f.flags = field.getFlags();
        f.quadding = field.getQuadding();
        std::vector<QPDFAnnotationObjectHelper> widgets = form.getAnnotationsForField(field);
        if (!widgets.empty()) {
            const QPDFObjectHandle::Rectangle rect = widgets.front().getRect();
            f.left = rect.llx;
            f.right = rect.urx;
        }
        fields[QString::fromStdString(field.getFullyQualifiedName())] = f;
    }
    if (warnings)
        *warnings = int(doc.getWarnings().size());
    return fields;
}

QString pdfText(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, pdf);
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), { path, QStringLiteral("-") }));
}

QString popplerMissing()
{
    for (const QString& tool : { QStringLiteral("pdftotext"), QStringLiteral("pdftoppm") }) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return tool + QStringLiteral(" (poppler-utils) is not installed");
    }
    return {};
}

std::vector<PdfWord> pdfWords(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, pdf);
    const QString html = QString::fromUtf8(run(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
            path, QStringLiteral("-") }));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.push_back({ text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
            m.captured(4).toDouble() });
    }
    return words;
}

std::vector<PdfLine> pdfReadingLines(const QByteArray& pdf)
{
    std::vector<PdfWord> words = pdfWords(pdf);
    // Words of one line share their baseline; the bottom of a word's box is
    // its baseline plus the font's descent, nearly the same for every size.
    std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) { return a.yMax < b.yMax; });
    std::vector<std::vector<PdfWord>> lines;
    for (const PdfWord& w : words) {
        if (lines.empty() || w.yMax - lines.back().front().yMax > 1.5)
            lines.emplace_back();
        lines.back().push_back(w);
    }
    std::vector<PdfLine> texts;
    for (std::vector<PdfWord>& line : lines) {
        std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
        QStringList parts;
        for (const PdfWord& w : line)
            parts.append(w.text);
        texts.push_back({ parts.join(QLatin1Char(' ')), line.front().yMax });
    }
    return texts;
}

bool pageHasInk(const QByteArray& pdf)
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, pdf);
    // Plain PGM on stdout: header "P5 w h 255" then one byte per pixel.
    const QByteArray pgm = run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-gray"), QStringLiteral("-singlefile"), path });
    int fields = 0;
    qsizetype at = 0;
    while (fields < 4 && at < pgm.size()) {
        while (at < pgm.size() && QChar::isSpace(uchar(pgm[at])))
            ++at;
        while (at < pgm.size() && !QChar::isSpace(uchar(pgm[at])))
            ++at;
        ++fields;
    }
    ++at;
    for (; at < pgm.size(); ++at) {
        if (uchar(pgm[at]) < 128)
            return true;
    }
    return false;
}

bool hasClassicXrefOnly(const QByteArray& pdf)
{
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0)
        return false;
    const qsizetype offset = pdf.mid(start + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
    return pdf.mid(offset, 4) == "xref" && !pdf.contains("/ObjStm") && !pdf.contains("/XRef");
}

void setSummaryPayer2018(Report& r)
{
    r.reportYear = QStringLiteral("2018");
    r.priorYear = QStringLiteral("2017");
    r.reportYearNumber = 2018;
    r.payerName = QStringLiteral("Acme Pty Ltd");
    r.payerAbn = QStringLiteral("53004085616");
    r.payerBranch = QStringLiteral("001");
    r.payerContact = QStringLiteral("J Smith");
}

CCards samplePayee(const QString& type)
{
    CCards c;
    c.payeeType = type;
    c.tfn = QStringLiteral("123 456 782");
    c.firstName = QStringLiteral("Ann");
    c.surname = QStringLiteral("Lee");
    c.addLine1 = QStringLiteral("1 Main St");
    c.suburb = QStringLiteral("Hobart");
    c.state = QStringLiteral("TAS");
    c.pCode = 7000;
    c.country = QStringLiteral("Australia");
    return c;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

PdfValues plainValues(const CCards& card)
{
    PdfValues v;
    v.card = card;
    v.fullName = PaymentSummaryFullName(card);
    v.address = card.suburb + QLatin1Char(' ') + card.state + QLatin1Char(' ') + PostcodeText(card.pCode);
    v.date1 = card.startDay + QLatin1Char('/') + card.startMonth + QLatin1Char('/') + card.startYear;
    v.date2 = card.endDay + QLatin1Char('/') + card.endMonth + QLatin1Char('/') + card.endYear;
    v.date3 = card.paymentDay + QLatin1Char('/') + card.paymentMonth + QLatin1Char('/') + card.paymentYear;
    v.fileName = QLatin1Char('/') + card.surname;
    AmountTexts& t = v.texts;
    t.taxWithheld = IntToString(card.taxWithheld);
    t.gross = IntToString(card.gross);
    t.totalAllow = IntToString(card.totalAllow);
    t.allow1 = IntToString(card.allow1);
    t.allow2 = IntToString(card.allow2);
    t.allow3 = IntToString(card.allow3);
    t.allow4 = IntToString(card.allow4);
    t.lumpA = IntToString(card.lumpA);
    t.lumpB = IntToString(card.lumpB);
    t.lumpD = IntToString(card.lumpD);
    t.lumpE = IntToString(card.lumpE);
    t.lumpEYrMinus2 = IntToString(card.lumpEYrMinus2);
    t.lumpEYrMinus3 = IntToString(card.lumpEYrMinus3);
    t.lumpEPreYrMinus3 = IntToString(card.lumpEPreYrMinus3);
    t.cdep = IntToString(card.cdep);
    t.rfbt = IntToString(card.rfbt);
    t.resc = IntToString(card.resc);
    t.giving = IntToString(card.giving);
    t.unionFees = IntToString(card.unionFees);
    t.exemptForeign = IntToString(card.exemptForeign);
    t.annuity = IntToString(card.annuity);
    t.other1 = IntToString(card.other1);
    t.taxable = IntToString(card.taxable);
    t.taxFree = IntToString(card.taxFree);
    return v;
}

CCards fullSummaryPayee(const QString& type)
{
    CCards c = samplePayee(type);
    c.addLine2 = QStringLiteral("Unit 4");
    c.startDay = QStringLiteral("01");
    c.startMonth = QStringLiteral("07");
    c.startYear = QStringLiteral("2017");
    c.endDay = QStringLiteral("30");
    c.endMonth = QStringLiteral("06");
    c.endYear = QStringLiteral("2018");
    c.incomeType = QStringLiteral("Salary or Wages");
    c.taxWithheld = 12345;
    c.gross = 98765;
    c.cdep = 1200;
    c.rfbt = 4321;
    c.fbtExempt = QStringLiteral("N");
    c.resc = 2500;
    c.lumpA = 700;
    c.lumpAType = QStringLiteral("R");
    c.lumpB = 80;
    c.lumpD = 900;
    c.totalAllow = 1070;
    c.allow1Name = QStringLiteral("Car");
    c.allow1 = 400;
    c.allow2Name = QStringLiteral("Tools");
    c.allow2 = 600;
    c.allow3Name = QStringLiteral("Laundry");
    c.allow3 = 50;
    c.allow4Name = QStringLiteral("Uniform");
    c.allow4 = 20;
    c.unionName = QStringLiteral("AWU");
    c.unionFees = 52;
    c.giving = 25;
    c.exemptForeign = 7000;
    c.annuity = 150;
    c.lumpE = 900;
    c.lumpEYrMinus2 = 300;
    c.lumpEYrMinus3 = 200;
    c.lumpEPreYrMinus3 = 400;
    return c;
}

QByteArray flattenedSummary2018(const CCards& card)
{
    return filledSummary2018(card, FormFinish::Flatten);
}

QByteArray filledSummary2018(const CCards& card, FormFinish finish)
{
    Report report;
    setSummaryPayer2018(report);
    report.declarationDate = QStringLiteral("14/07/2018");
    const PdfValues values = PreparePaymentSummaryValues(card, report, PdfNamePattern::defaults());
    const bool fei = card.payeeType == QLatin1String("FEI");
    const FieldPlan plan
        = fei ? PlanFEI(values, report, QStringLiteral("No")) : PlanINB(values, report, QStringLiteral("No"));
    return FillForm(BlankForms::bytes(FormNumber(card.payeeType, 2018, QStringLiteral("O"))), plan, finish);
}
