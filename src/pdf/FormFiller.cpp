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

#include <array>
#include <map>
#include <string>

namespace {

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

// The width of a PDF string literal's text, "(...)" with its escapes.
double literalWidth(const std::string& literal, double fontSize)
{
    double thousandths = 0;
    for (size_t i = 1; i + 1 < literal.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(literal[i]);
        if (c == '\\' && i + 2 < literal.size())
            c = static_cast<unsigned char>(literal[++i]);
        thousandths += (c >= 32 && c <= 126) ? kHelveticaWidths[c - 32] : 556;
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

// The appearance the library draws always starts a value at the box's left
// edge, whatever the field's alignment: move a right-aligned value (the
// amounts) so that it ends as far inside the right edge as it started
// inside the left one. A value wider than its box stays where it was.
std::string alignedRight(const std::string& drawn, double boxWidth)
{
    double fontSize = 0;
    double left = 0;
    double y = 0;
    size_t at = 0;
    size_t xStart = 0;
    const size_t tf = drawn.find(" Tf");
    const size_t td = drawn.find(" Td", tf == std::string::npos ? 0 : tf);
    if (tf == std::string::npos || td == std::string::npos || !numberBefore(drawn, tf, fontSize, at)
        || !numberBefore(drawn, td, y, at) || at == 0 || !numberBefore(drawn, at - 1, left, xStart))
        return drawn;
    const size_t open = drawn.find('(', td);
    if (open == std::string::npos)
        return drawn;
    size_t close = open + 1;
    while (close < drawn.size() && drawn[close] != ')')
        close += drawn[close] == '\\' ? 2 : 1;
    if (close >= drawn.size())
        return drawn;
    const double x = boxWidth - left - literalWidth(drawn.substr(open, close - open + 1), fontSize);
    if (x <= left)
        return drawn;
    return drawn.substr(0, xStart) + QByteArray::number(x, 'f', 2).toStdString() + drawn.substr(at - 1);
}

} // namespace

QByteArray FillForm(const QByteArray& blank, const FieldPlan& plan, FormFinish finish)
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
                if (form.getFieldForAnnotation(widget).getQuadding() == 2 && box.isRectangle()) {
                    const QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
                    stream = alignedRight(stream, r.urx - r.llx);
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
