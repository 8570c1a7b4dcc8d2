#include "pdf/FormUpdate.h"

#include "pdf/QpdfFields.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QList>

#include <map>
#include <stdexcept>
#include <string>

namespace {

// The offset the form's last "startxref" gives, which must open a classic
// cross-reference table.
qint64 classicXrefOffset(const QByteArray& form)
{
    const qsizetype keyword = form.lastIndexOf("startxref");
    if (keyword < 0)
        throw std::runtime_error("no startxref");
    bool ok = false;
    const qint64 offset = form.mid(keyword + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || offset < 0 || offset >= form.size() || form.mid(offset, 4) != "xref")
        throw std::runtime_error("the form has no classic cross-reference table");
    if (form.contains("/ObjStm"))
        throw std::runtime_error("the form has object streams");
    return offset;
}

QByteArray xrefEntry(qsizetype offset, int generation)
{
    // Exactly 20 bytes: ten-digit offset, five-digit generation, "n", blank and line feed.
    return QByteArray::number(qint64(offset)).rightJustified(10, '0') + ' '
        + QByteArray::number(generation).rightJustified(5, '0') + " n \n";
}

} // namespace

QByteArray AppendFormUpdate(const QByteArray& form, const FieldPlan& plan)
{
    const qint64 previousXref = classicXrefOffset(form);
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("form", form.constData(), size_t(form.size()));

    // The objects to write again, by object number.
    std::map<int, QPDFObjectHandle> changed;
    auto keep = [&changed](QPDFObjectHandle object) {
        if (!object.isIndirect())
            throw std::runtime_error("a changed object is not an object of its own");
        changed[object.getObjectID()] = object;
    };

    QPDFAcroFormDocumentHelper acroForm(pdf);
    std::map<std::string, QPDFFormFieldObjectHelper> fields = FieldsByName(acroForm);
    for (const PlannedField& planned : plan) {
        auto found = fields.find(planned.name.toStdString());
        if (found == fields.end())
            continue;
        QPDFObjectHandle object = found->second.getObjectHandle();
        object.replaceKey("/V", QPDFObjectHandle::newUnicodeString(planned.value.toStdString()));
        keep(object);
    }

    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle acroDict = root.getKey("/AcroForm");
    if (!acroDict.isDictionary())
        throw std::runtime_error("the form has no interactive form");
    acroDict.replaceKey("/NeedAppearances", QPDFObjectHandle::newBool(true));
    keep(acroDict.isIndirect() ? acroDict : root);

    QByteArray out = form;
    if (!out.endsWith('\n'))
        out += '\n';
    std::map<int, std::pair<qsizetype, int>> offsets;
    for (auto& [id, object] : changed) {
        offsets[id] = { out.size(), object.getGeneration() };
        out += QByteArray::number(id) + ' ' + QByteArray::number(object.getGeneration()) + " obj\n";
        out += QByteArray::fromStdString(object.unparseResolved());
        out += "\nendobj\n";
    }

    const qsizetype xref = out.size();
    out += "xref\n";
    // Subsections of consecutive object numbers.
    for (auto at = offsets.begin(); at != offsets.end();) {
        auto end = at;
        int next = at->first;
        while (end != offsets.end() && end->first == next) {
            ++end;
            ++next;
        }
        out += QByteArray::number(at->first) + ' ' + QByteArray::number(next - at->first) + '\n';
        for (; at != end; ++at)
            out += xrefEntry(at->second.first, at->second.second);
    }

    QPDFObjectHandle trailer = pdf.getTrailer().shallowCopy();
    trailer.removeKey("/Prev");
    trailer.removeKey("/XRefStm");
    trailer.replaceKey("/Prev", QPDFObjectHandle::newInteger(previousXref));
    out += "trailer\n" + QByteArray::fromStdString(trailer.unparse()) + '\n';
    out += "startxref\n" + QByteArray::number(qint64(xref)) + "\n%%EOF\n";
    return out;
}
