#include "pdf/FormFiller.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <map>
#include <string>

namespace
{

int keepFillableDepth = 0;

} // namespace

QByteArray FillForm(const QByteArray& blank, const FieldPlan& plan, FormFinish finish)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("blank form", blank.constData(), size_t(blank.size()));

    QPDFAcroFormDocumentHelper form(pdf);
    std::map<std::string, QPDFFormFieldObjectHelper> fields;
    for (QPDFFormFieldObjectHelper& field : form.getFormFields())
        fields.emplace(field.getFullyQualifiedName(), field);
    for (const PlannedField& planned : plan) {
        auto found = fields.find(planned.name.toStdString());
        if (found != fields.end())
            found->second.setV(planned.value.toStdString(), true);
    }
    form.generateAppearancesIfNeeded();
    if (finish == FormFinish::Flatten)
        QPDFPageDocumentHelper(pdf).flattenAnnotations();

    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setDeterministicID(true);
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
