#pragma once

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>

#include <map>
#include <string>

// The terminal fields of a form by their full names (UTF-8), as plans name
// them. Inside the pdf library only: it speaks QPDF.
inline std::map<std::string, QPDFFormFieldObjectHelper> FieldsByName(QPDFAcroFormDocumentHelper& form)
{
    std::map<std::string, QPDFFormFieldObjectHelper> fields;
    for (QPDFFormFieldObjectHelper& field : form.getFormFields())
        fields.emplace(field.getFullyQualifiedName(), field);
    return fields;
}
