#include "pdf/FormFiller.h"

#include "pdf/QpdfFields.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <string>

namespace
{

int keepFillableDepth = 0;

// Helvetica's advance widths (thousandths of the font size), WinAnsi 32 to 126.
constexpr std::array<short, 95> kHelveticaWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P to _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // ` to o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584, // p to ~
};

// Every byte outside 32 to 126 counts as the font's widest glyph, so that
// an unusual character can only make a value smaller, never cut it.
constexpr short kWidestGlyph = 1015;

// The smallest size a value is drawn at to fit its box: still legible on paper.
constexpr double kSmallestFontSize = 6;

// The bytes of a PDF string as written in a content stream: a literal
// "(...)" with its escapes, or a hexadecimal string "<...>".
std::string stringBytes(const std::string& token)
{
    std::string bytes;
    if (token.size() >= 2 && token.front() == '<') {
        std::string digits;
        for (char c : token.substr(1, token.size() - 2)) {
            if (std::isxdigit(static_cast<unsigned char>(c)))
                digits += c;
        }
        if (digits.size() % 2)
            digits += '0';
        for (size_t i = 0; i < digits.size(); i += 2)
            bytes += char(std::stoi(digits.substr(i, 2), nullptr, 16));
        return bytes;
    }
    for (size_t i = 1; i + 1 < token.size(); ++i) {
        char c = token[i];
        if (c != '\\' || i + 2 >= token.size()) {
            bytes += c;
            continue;
        }
        c = token[++i];
        if (c >= '0' && c <= '7') {
            int code = 0;
            for (int digits = 0; digits < 3 && i + 1 < token.size() && token[i] >= '0' && token[i] <= '7'; ++digits)
                code = code * 8 + (token[i++] - '0');
            --i;
            bytes += char(code & 0xff);
            continue;
        }
        // A backslash at the end of a line continues the string on the next.
        if (c == '\n')
            continue;
        static const std::string escapes = "nrtbf";
        const size_t escape = escapes.find(c);
        bytes += escape == std::string::npos ? c : "\n\r\t\b\f"[escape];
    }
    return bytes;
}

// The width of the bytes drawn in Helvetica at the size, in points.
double textWidth(const std::string& bytes, double fontSize)
{
    double thousandths = 0;
    for (char byte : bytes) {
        const unsigned char c = static_cast<unsigned char>(byte);
        thousandths += (c >= 32 && c <= 126) ? kHelveticaWidths[c - 32] : kWidestGlyph;
    }
    return thousandths * fontSize / 1000.0;
}

// The number that ends text[0, end): "... 9" of "/Helv 9 Tf".
bool numberBefore(const std::string& text, size_t end, double& value, size_t& start)
{
    const size_t blank = text.find_last_of(" \n", end == 0 ? 0 : end - 1);
    start = blank == std::string::npos ? 0 : blank + 1;
    bool ok = false;
    // QByteArray's conversion ignores the locale, which a PDF must.
    value = QByteArray::fromStdString(text.substr(start, end - start)).toDouble(&ok);
    return ok;
}

// The end of the string token that starts at `open`; npos when it does not end.
size_t stringEnd(const std::string& text, size_t open)
{
    if (text[open] == '<') {
        const size_t close = text.find('>', open);
        return close == std::string::npos ? close : close + 1;
    }
    int depth = 0;
    for (size_t at = open; at < text.size(); ++at) {
        if (text[at] == '\\')
            ++at;
        else if (text[at] == '(')
            ++depth;
        else if (text[at] == ')' && --depth == 0)
            return at + 1;
    }
    return std::string::npos;
}

// A one-line value as the library draws it: "/Helv 9 Tf 0 g", "1 3.9 Td",
// "(text) Tj", and where each number stands in the stream.
struct DrawnValue {
    double size = 0;
    size_t sizeStart = 0;
    size_t sizeEnd = 0;
    double x = 0;
    double y = 0;
    size_t xStart = 0;
    size_t tdAt = 0; // the blank before "Td"
    std::string bytes;
};

std::optional<DrawnValue> drawnValue(const std::string& drawn)
{
    DrawnValue v;
    size_t yStart = 0;
    v.sizeEnd = drawn.find(" Tf");
    if (v.sizeEnd == std::string::npos || !numberBefore(drawn, v.sizeEnd, v.size, v.sizeStart) || v.size <= 0)
        return std::nullopt;
    v.tdAt = drawn.find(" Td", v.sizeEnd);
    if (v.tdAt == std::string::npos || !numberBefore(drawn, v.tdAt, v.y, yStart) || yStart == 0
        || !numberBefore(drawn, yStart - 1, v.x, v.xStart))
        return std::nullopt;
    const size_t open = drawn.find_first_of("(<", v.tdAt);
    if (open == std::string::npos)
        return std::nullopt;
    const size_t end = stringEnd(drawn, open);
    if (end == std::string::npos)
        return std::nullopt;
    v.bytes = stringBytes(drawn.substr(open, end - open));
    return v;
}

std::string number(double value)
{
    return QByteArray::number(value, 'f', 2).toStdString();
}

// The library draws a value at the form's size from the box's left edge,
// whatever its width and the field's alignment. A value wider than its box
// is drawn smaller, as far down as kSmallestFontSize, keeping its middle
// line; below that it stays at the smallest size and `cut` is set. A
// right-aligned value (the amounts) is moved to end as far inside the box's
// right edge as it starts inside the left one.
std::string fitted(const std::string& drawn, double boxWidth, bool rightAligned, bool& cut)
{
    cut = false;
    const std::optional<DrawnValue> value = drawnValue(drawn);
    if (!value)
        return drawn;
    const double inset = value->x;
    const double room = boxWidth - 2 * inset;
    double size = value->size;
    const double width = textWidth(value->bytes, size);
    if (width > room) {
        // Rounded down, so that the value at the size written still fits.
        size = std::floor(size * std::max(room, 0.0) / width * 100) / 100;
        if (size < kSmallestFontSize) {
            size = kSmallestFontSize;
            cut = true;
        }
    }
    double x = inset;
    if (rightAligned)
        x = std::max(inset, boxWidth - inset - textWidth(value->bytes, size));
    if (size == value->size && x == inset)
        return drawn;
    // The library puts the baseline 0.4 of the size below the box's middle.
    const double y = value->y + 0.4 * (value->size - size);
    return drawn.substr(0, value->sizeStart) + number(size)
        + drawn.substr(value->sizeEnd, value->xStart - value->sizeEnd) + number(x) + ' ' + number(y)
        + drawn.substr(value->tdAt);
}

} // namespace

QByteArray FillForm(const QByteArray& blank, const FieldPlan& plan, FormFinish finish, QStringList* cut)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("blank form", blank.constData(), size_t(blank.size()));

    QPDFAcroFormDocumentHelper form(pdf);
    std::map<std::string, QPDFFormFieldObjectHelper> fields = FieldsByName(form);
    for (const PlannedField& planned : plan) {
        auto found = fields.find(planned.name.toStdString());
        if (found != fields.end())
            found->second.setV(planned.value.toStdString(), false);
    }
    // Asked once for the whole form: asked per field, QPDF reads the whole
    // form again each time.
    form.setNeedAppearances(true);
    form.generateAppearancesIfNeeded();
    // The new appearances are filters that run when the document is
    // written; run them now, so that the streams can be written as they
    // stand, uncompressed: starting a compressor for each small appearance
    // stream costs far more than the bytes it saves.
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        for (QPDFAnnotationObjectHelper& widget : page.getAnnotations("/Widget")) {
            QPDFObjectHandle appearance = widget.getAppearanceStream("/N");
            if (appearance.isStream()) {
                const std::shared_ptr<Buffer> drawn = appearance.getStreamData(qpdf_dl_generalized);
                std::string stream(reinterpret_cast<const char*>(drawn->getBuffer()), drawn->getSize());
                QPDFObjectHandle box = appearance.getDict().getKey("/BBox");
                QPDFFormFieldObjectHelper field = form.getFieldForAnnotation(widget);
                if (box.isRectangle()) {
                    const QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
                    bool valueCut = false;
                    stream = fitted(stream, r.urx - r.llx, field.getQuadding() == 2, valueCut);
                    if (valueCut && cut)
                        cut->append(QString::fromStdString(field.getAlternativeName()));
                }
                appearance.replaceStreamData(stream, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
            }
        }
    }
    if (finish == FormFinish::Flatten)
        QPDFPageDocumentHelper(pdf).flattenAnnotations();

    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setDeterministicID(true);
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(false);
    writer.write();
    const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(written->getBuffer()), qsizetype(written->getSize()));
}

KeepPaymentSummariesFillable::KeepPaymentSummariesFillable()
{
    ++keepFillableDepth;
}

KeepPaymentSummariesFillable::~KeepPaymentSummariesFillable()
{
    --keepFillableDepth;
}

FormFinish PaymentSummaryFinish()
{
    return keepFillableDepth > 0 ? FormFinish::KeepFillable : FormFinish::Flatten;
}
