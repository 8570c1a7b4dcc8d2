#include "lodgement/LodgementLayouts.h"

QString payeeTypeCode(PayeeType type)
{
    switch (type) {
    case PayeeType::INB:
        return QStringLiteral("INB");
    case PayeeType::ETP:
        return QStringLiteral("ETP");
    case PayeeType::BUS:
        return QStringLiteral("BUS");
    case PayeeType::FEI:
        return QStringLiteral("FEI");
    case PayeeType::PEN:
        return QStringLiteral("PEN");
    case PayeeType::SLS:
        return QStringLiteral("SLS");
    case PayeeType::DAS:
        return QStringLiteral("DAS");
    }
    return {};
}

QString recordIdentifier(PayeeType type)
{
    switch (type) {
    case PayeeType::INB:
        return QStringLiteral("DINB");
    case PayeeType::ETP:
        return QStringLiteral("DEMP");
    case PayeeType::BUS:
        return QStringLiteral("DLVP");
    case PayeeType::FEI:
        return QStringLiteral("DFEI");
    case PayeeType::PEN:
        return QStringLiteral("DPEN");
    case PayeeType::SLS:
        return QStringLiteral("DSLS");
    case PayeeType::DAS:
        return QStringLiteral("DASP");
    }
    return {};
}

RecordLayout payeeRecordLayout(PayeeType type, int reportYear)
{
    switch (type) {
    case PayeeType::INB:
        return kDinbLayout;
    case PayeeType::ETP:
        return kDempLayout;
    case PayeeType::BUS:
        return kDlvpLayout;
    case PayeeType::FEI:
        return kDfeiLayout;
    case PayeeType::PEN:
        return reportYear >= 2018 ? RecordLayout(kDpenLayoutFrom2018) : RecordLayout(kDpenLayoutTo2017);
    case PayeeType::SLS:
        return kDslsLayout;
    case PayeeType::DAS:
        return kDaspLayout;
    }
    return {};
}

const FieldLayout* findField(RecordLayout layout, std::string_view name)
{
    for (const FieldLayout& field : layout) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}
