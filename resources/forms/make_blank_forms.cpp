// Writes the program's blank payment-summary forms and its media form, one
// A4 page each, from the field lists below. Run by the build; the output is
// the same bytes on every run (deterministic ID, no dates), with a classic
// cross-reference table and no object streams, so that an incremental
// update can be appended to a form later.
//
// Usage: make_blank_forms <output folder>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <exception>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

constexpr double kPageWidth = 595;
constexpr double kPageHeight = 842;
constexpr double kMargin = 40;
constexpr double kGap = 8;
// The boxes of a details area stand closer than labelled boxes; a line of a
// list stands indented under the box holding the list's heading.
constexpr double kEntryPitch = 17;
constexpr double kEntryHeight = 14;
constexpr double kIndent = 18;
constexpr double kPadding = 2;
constexpr double kFooterBaseline = kMargin + 3;

struct Field {
    std::string name;
    std::string label;
    // Its part of the row's width, against the other fields' parts.
    double share = 1;

    // Amounts stand right-aligned, as on every printed form; their labels
    // end in "$".
    bool amount() const { return !label.empty() && label.back() == '$'; }
};

// A line of the page: a heading, a row of fields sharing the width, one
// box of a details area, or a plain area left for the user to complete by
// hand.
struct Line {
    enum class Kind { Heading, Fields, Entry, Area } kind;
    std::string text;
    std::vector<Field> fields;
    double height = 0;
    bool indented = false;
};

Line heading(std::string text)
{
    return { Line::Kind::Heading, std::move(text), {}, 16 };
}

Line row(std::vector<Field> fields)
{
    return { Line::Kind::Fields, {}, std::move(fields), 0 };
}

// A box across the page without a label of its own: the heading of its
// area says what its boxes hold, and the filler writes captioned lines.
Line entry(std::string name, bool indented)
{
    return { Line::Kind::Entry, {}, { { std::move(name), {} } }, kEntryPitch, indented };
}

Line area(std::string text, double height)
{
    return { Line::Kind::Area, std::move(text), {}, height };
}

struct Form {
    int number;
    std::string title;
    bool amended;
    bool yearBox; // "Year ending 30 June" and Year1
    double rowHeight;
    std::vector<Line> lines;
};

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

std::string number(double value)
{
    std::ostringstream s;
    s.precision(6);
    s << value;
    return s.str();
}

// The fields every payment summary has, in the order they are drawn.
std::vector<Line> payeeLines()
{
    return {
        heading("Payee details"),
        // Wide enough for the longest name a lodgement record holds, 30 and
        // twice 15 characters, at the smallest size the filler draws.
        row({ { "Name1", "Payee's name", 3 }, { "TFN1", "Payee's tax file number", 1 } }),
        row({ { "Name2", "Payee's address line 1" }, { "Name3", "Payee's address line 2" } }),
        row({ { "Name4", "Payee's address line 3" }, { "Name5", "Payee's address line 4" } }),
    };
}

std::vector<Line> payerLines()
{
    return {
        heading("Payer details"),
        row({ { "PayerName1", "Payer's name" }, { "PayerABN1", "Payer's ABN or withholding payer number" },
            { "Branch1", "Branch number" } }),
        row({ { "Authorised1", "Signature of authorised person" }, { "Date1", "Date" } }),
    };
}

void append(std::vector<Line>& to, const std::vector<Line>& lines)
{
    to.insert(to.end(), lines.begin(), lines.end());
}

std::vector<Line> inbLines(bool withMarkers, bool fei)
{
    std::vector<Line> lines = payeeLines();
    lines.push_back(row({ { "FromDate", "Period of payment from" }, { "ToDate", "Period of payment to" } }));
    lines.push_back(heading("Amounts"));
    lines.push_back(row({ { "Tax1", "Total tax withheld $" }, { "Gross1", "Gross payments $" } }));
    if (fei) {
        lines.push_back(row({ { "GType", "Type of gross payments (F or J)" }, { "FTax2", "Foreign tax paid $" } }));
        lines.push_back(row({ { "RFBT1", "Reportable fringe benefits amount $" },
            { "RESC1", "Reportable employer superannuation contributions $" } }));
        lines.push_back(row({ { "LumpA1", "Lump sum A $" }, { "LumpAType", "Lump sum A type" } }));
        lines.push_back(row({ { "LumpD1", "Lump sum D $" }, { "LumpE1", "Lump sum E $" } }));
    } else {
        lines.push_back(row({ { "CDEP1", "CDEP salary or wage $" }, { "TotalAllow1", "Allowances $" },
            { "RFBT1", "Reportable fringe benefits $" } }));
        lines.push_back(row({ { "RESC1", "Reportable employer superannuation contributions $" } }));
        lines.push_back(
            row({ { "LumpA1", "Lump sum A $" }, { "LumpAType", "Lump sum A type" }, { "LumpB1", "Lump sum B $" } }));
        lines.push_back(row({ { "LumpD1", "Lump sum D $" }, { "LumpE1", "Lump sum E $" } }));
    }
    if (withMarkers) {
        std::vector<Field> markers = { { "RFBTYes", "Exempt from FBT: Yes" }, { "RFBTNo", "Exempt from FBT: No" } };
        if (!fei)
            markers.push_back({ "IncomeType", "Type of income (S, P or H)" });
        lines.push_back(row(markers));
    }
    // One column, in the order the filler writes: its headings and its
    // lines come from two cursors of their own, so a heading box must stand
    // directly above the first line box it can introduce.
    lines.push_back(heading("Lump Sum E: financial year of accrual and amount"));
    lines.push_back(entry("Title1", false));
    for (const char* detail : { "Detail1", "Detail2", "Detail3" })
        lines.push_back(entry(detail, true));
    // Title2 heads the allowances in Detail5-8, or a union fee alone in
    // Detail5; after allowances "Deductions:" comes in Title3 over the union
    // fee in Detail9. Every later title holds a captioned amount of its own.
    lines.push_back(heading("Allowances, deductions and union fees"));
    lines.push_back(entry("Title2", false));
    for (const char* detail : { "Detail5", "Detail6", "Detail7", "Detail8" })
        lines.push_back(entry(detail, true));
    lines.push_back(entry("Title3", false));
    lines.push_back(entry("Detail9", true));
    for (const char* title : { "Title4", "Title5", "Title6" })
        lines.push_back(entry(title, false));
    append(lines, payerLines());
    return lines;
}

std::vector<Line> busLines()
{
    std::vector<Line> lines = payeeLines();
    lines.push_back(row({ { "ABN1", "Payee's ABN" }, { "PaymentType", "Payment type" } }));
    lines.push_back(row({ { "FromDate", "Period of payment from" }, { "ToDate", "Period of payment to" } }));
    lines.push_back(heading("Amounts"));
    lines.push_back(row({ { "Tax1", "Total tax withheld $" }, { "Gross1", "Gross payment $" } }));
    lines.push_back(row({ { "RESC1", "Reportable employer superannuation contributions $" } }));
    append(lines, payerLines());
    return lines;
}

std::vector<Line> etpLines()
{
    std::vector<Line> lines = payeeLines();
    lines.push_back(row({ { "FromDate", "Date of payment" }, { "Code1", "ETP code" } }));
    lines.push_back(heading("Amounts"));
    lines.push_back(row({ { "Tax1", "Total tax withheld $" }, { "Taxable1", "Taxable component $" },
        { "TaxFree1", "Tax free component $" } }));
    append(lines, payerLines());
    return lines;
}

std::vector<Line> penLines(bool withMarkers)
{
    std::vector<Line> lines = payeeLines();
    lines.push_back(row({ { "FromDate", "Period of payment from" }, { "ToDate", "Period of payment to" } }));
    lines.push_back(heading("Amounts"));
    lines.push_back(row({ { "Tax1", "Total tax withheld $" }, { "TCTaxed", "Taxable component: taxed element $" } }));
    lines.push_back(
        row({ { "TCUntaxed", "Taxable component: untaxed element $" }, { "Tax Free", "Tax free component $" } }));
    lines.push_back(row({ { "Tax Offset", "Tax offset amount $" } }));
    lines.push_back(heading("Lump sum in arrears"));
    lines.push_back(row({ { "LSTaxed", "Taxed element $" }, { "LSUntaxed", "Untaxed element $" },
        { "LSTaxFree", "Tax free component $" } }));
    if (withMarkers)
        lines.push_back(row({ { "DBRISYes", "Death benefit reversionary income stream: Yes" },
            { "DBRISNo", "Death benefit reversionary income stream: No" } }));
    append(lines, payerLines());
    return lines;
}

std::vector<Line> lumpSumLines(bool sls)
{
    std::vector<Line> lines = payeeLines();
    if (sls) {
        lines.push_back(row({ { "Date", "Date of payment" }, { "Code1", "Death benefit indicator" } }));
        lines.push_back(row({ { "Tax Offset", "Type of death benefit" } }));
    } else {
        lines.push_back(row({ { "Date", "Date of payment" } }));
    }
    lines.push_back(heading("Amounts"));
    lines.push_back(row({ { "Tax1", "Total tax withheld $" }, { "TCTaxed", "Taxable component: taxed element $" } }));
    lines.push_back(
        row({ { "TCUntaxed", "Taxable component: untaxed element $" }, { "Tax Free", "Tax free component $" } }));
    append(lines, payerLines());
    return lines;
}

std::vector<Line> mediaLines()
{
    std::vector<Line> lines;
    lines.push_back(heading("Section A: Report and supplier details"));
    lines.push_back(row({ { "report-dateDay", "Period start: day" }, { "report-dateMonth", "month" },
        { "report-dateYear", "year" }, { "report-dateDayEnd", "Period end: day" }, { "report-dateMonthEnd", "month" },
        { "report-dateYearEnd", "year" } }));
    lines.push_back(row({ { "supplier-name", "Supplier's name" }, { "ABN-sep", "Supplier's ABN" } }));
    lines.push_back(
        row({ { "supplier-address", "Supplier's street address" }, { "supplier-addressSuburb", "Suburb" } }));
    lines.push_back(row({ { "supplier-addressState", "State" }, { "supplier-addressPostcode", "Postcode" },
        { "supplier-contactName", "Contact name" } }));
    lines.push_back(row({ { "suplier-phone", "Phone" }, { "supplier-fax", "Fax" }, { "supplier-email", "E-mail" } }));
    lines.push_back(heading("Payers whose payment summaries are on the medium"));
    lines.push_back(
        row({ { "payer-name", "Payer's name" }, { "payer-ABN-sep", "Payer's ABN" }, { "payer-branch", "Branch" } }));
    for (int i = 2; i <= 13; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back(row({ { "payer-name" + n, "Payer's name" }, { "payer-ABN-sep" + n, "Payer's ABN" },
            { "payer-branch" + n, "Branch" } }));
    }
    lines.push_back(area("Section B: Medium details (complete by hand)", 44));
    lines.push_back(area("Section C: Declaration (complete by hand)", 44));
    lines.push_back(area("Section D: Signature and date (complete by hand)", 44));
    return lines;
}

std::vector<Form> allForms()
{
    const std::string ps = "PAYG payment summary - ";
    std::vector<Form> forms;
    auto pair = [&](int original, int amended, const std::string& type, const std::vector<Line>& lines) {
        forms.push_back({ original, ps + type, false, true, 30, lines });
        forms.push_back({ amended, ps + type, true, true, 30, lines });
    };
    pair(353, 356, "individual non-business", inbLines(false, false));
    pair(368, 369, "individual non-business", inbLines(true, false));
    pair(357, 359, "business and personal services income", busLines());
    pair(360, 358, "employment termination payment", etpLines());
    pair(370, 371, "foreign employment", inbLines(true, true));
    pair(372, 373, "superannuation income stream", penLines(false));
    pair(378, 379, "superannuation income stream", penLines(true));
    pair(374, 375, "superannuation lump sum", lumpSumLines(true));
    pair(376, 377, "departing Australia superannuation payment", lumpSumLines(false));
    forms.push_back(
        { 362, "Media form - PAYG withholding payment summary annual report", false, false, 25, mediaLines() });
    return forms;
}

class PageBuilder
{
public:
    PageBuilder(QPDF& pdf, QPDFObjectHandle page, QPDFObjectHandle fields)
        : m_pdf(pdf)
        , m_page(std::move(page))
        , m_fields(std::move(fields))
    {
    }

    void text(double x, double y, double size, const std::string& value)
    {
        m_content << "BT /F1 " << number(size) << " Tf " << number(x) << ' ' << number(y) << " Td (" << escaped(value)
                  << ") Tj ET\n";
    }

    void box(double x, double y, double w, double h)
    {
        m_content << number(x) << ' ' << number(y) << ' ' << number(w) << ' ' << number(h) << " re S\n";
    }

    // userName names the field in messages; a labelled field goes by its
    // label.
    void field(const Field& f, double x, double y, double w, double h, std::string userName = {})
    {
        if (!f.label.empty())
            text(x, y + h + 2, 6.5, f.label);
        box(x, y, w, h);
        QPDFObjectHandle widget = QPDFObjectHandle::newDictionary();
        widget.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
        widget.replaceKey("/Subtype", QPDFObjectHandle::newName("/Widget"));
        widget.replaceKey("/FT", QPDFObjectHandle::newName("/Tx"));
        widget.replaceKey("/T", QPDFObjectHandle::newString(f.name));
        if (userName.empty()) {
            userName = f.label;
            if (f.amount())
                userName.erase(userName.find_last_not_of(" $") + 1);
        }
        if (!userName.empty())
            widget.replaceKey("/TU", QPDFObjectHandle::newString(userName));
        widget.replaceKey("/F", QPDFObjectHandle::newInteger(4));
        widget.replaceKey("/Ff", QPDFObjectHandle::newInteger(0));
        widget.replaceKey("/DA", QPDFObjectHandle::newString("/Helv 9 Tf 0 g"));
        if (f.amount())
            widget.replaceKey("/Q", QPDFObjectHandle::newInteger(2));
        // The field lies a little inside its drawn box, so that a value set
        // hard against the field's edge still stands clear of the line.
        widget.replaceKey(
            "/Rect", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(x + kPadding, y, x + w - kPadding, y + h)));
        widget.replaceKey("/P", m_page);
        widget = m_pdf.makeIndirectObject(widget);
        m_page.getKey("/Annots").appendItem(widget);
        m_fields.appendItem(widget);
    }

    std::string content() const { return m_content.str(); }

private:
    QPDF& m_pdf;
    QPDFObjectHandle m_page;
    QPDFObjectHandle m_fields;
    std::ostringstream m_content;
};

void writeForm(const Form& form, const std::string& folder)
{
    QPDF pdf;
    pdf.emptyPDF();

    QPDFObjectHandle font = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    QPDFObjectHandle pageFonts = QPDFObjectHandle::newDictionary();
    pageFonts.replaceKey("/F1", font);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", pageFonts);

    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey(
        "/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, kPageWidth, kPageHeight)));
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Annots", QPDFObjectHandle::newArray());
    page = pdf.makeIndirectObject(page);

    QPDFObjectHandle fields = QPDFObjectHandle::newArray();
    PageBuilder builder(pdf, page, fields);

    const double width = kPageWidth - 2 * kMargin;
    double y = kPageHeight - kMargin - 14;
    builder.text(kMargin, y, 14, form.title);
    if (form.amended) {
        y -= 18;
        builder.text(kMargin, y, 14, "AMENDED");
    }
    if (form.yearBox) {
        // Its caption stands beside the box: above it, it would touch the title.
        y -= 28;
        builder.text(kMargin, y + 4, 9, "Year ending 30 June");
        builder.field({ "Year1", {} }, kMargin + 100, y, 70, 15, "Year ending 30 June");
    }
    y -= 8;

    const double boxHeight = 15;
    // The boxes of an area are named in messages after its heading.
    std::string lastHeading;
    int entriesUnderHeading = 0;
    for (const Line& line : form.lines) {
        switch (line.kind) {
        case Line::Kind::Heading:
            y -= line.height;
            builder.text(kMargin, y + 4, 9, line.text);
            lastHeading = line.text;
            entriesUnderHeading = 0;
            break;
        case Line::Kind::Fields: {
            y -= form.rowHeight;
            double shares = 0;
            for (const Field& f : line.fields)
                shares += f.share;
            const double room = width - kGap * double(line.fields.size() - 1);
            double x = kMargin;
            for (const Field& f : line.fields) {
                const double w = room * f.share / shares;
                builder.field(f, x, y, w, boxHeight);
                x += w + kGap;
            }
            break;
        }
        case Line::Kind::Entry: {
            y -= line.height;
            const double indent = line.indented ? kIndent : 0;
            builder.field(line.fields.front(), kMargin + indent, y, width - indent, kEntryHeight,
                lastHeading + ", line " + std::to_string(++entriesUnderHeading));
            break;
        }
        case Line::Kind::Area:
            y -= line.height + 14;
            builder.text(kMargin, y + line.height + 2, 6.5, line.text);
            builder.box(kMargin, y, width, line.height);
            break;
        }
    }
    builder.text(kMargin, kFooterBaseline, 7, "Made by Quillastrand from its field list. Not an official ATO form.");
    if (y < kFooterBaseline + 12)
        throw std::runtime_error("form " + std::to_string(form.number) + " does not fit its page");

    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, builder.content()));
    QPDFPageDocumentHelper(pdf).addPage(page, false);

    QPDFObjectHandle formFonts = QPDFObjectHandle::newDictionary();
    formFonts.replaceKey("/Helv", font);
    QPDFObjectHandle formResources = QPDFObjectHandle::newDictionary();
    formResources.replaceKey("/Font", formFonts);
    QPDFObjectHandle acroForm = QPDFObjectHandle::newDictionary();
    acroForm.replaceKey("/Fields", fields);
    acroForm.replaceKey("/DR", formResources);
    acroForm.replaceKey("/DA", QPDFObjectHandle::newString("/Helv 9 Tf 0 g"));
    pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(acroForm));

    const std::string path = folder + "/" + std::to_string(form.number) + ".pdf";
    QPDFWriter writer(pdf, path.c_str());
    writer.setDeterministicID(true);
    writer.setObjectStreamMode(qpdf_o_disable);
    writer.setCompressStreams(true);
    writer.setMinimumPDFVersion("1.4");
    writer.write();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_blank_forms <output folder>\n");
        return 2;
    }
    try {
        for (const Form& form : allForms())
            writeForm(form, argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_blank_forms: %s\n", e.what());
        return 1;
    }
    return 0;
}
