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

#include <map>
#include <string>

namespace {

int keepFillableDepth = 0;

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
                appearance.replaceStreamData(
                    std::string(reinterpret_cast<const char*>(drawn->getBuffer()), drawn->getSize()),
                    QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
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
