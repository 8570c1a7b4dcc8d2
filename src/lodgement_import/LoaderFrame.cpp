#include "lodgement_import/LoaderFrame.h"

#include "platform/UserInterface.h"
#include "report/FieldHelpers.h"
#include "report/PayeeIds.h"
#include "report/Report.h"

#include <QtGlobal>

namespace {

// The white space TrimString removes.
bool isAsciiSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isAsciiSpace(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isAsciiSpace(text.back()))
        text.chop(1);
    return text;
}

// CleanField on a piece of the record, copying only what is kept: a large
// file has millions of fields.
QString cleaned(QStringView text)
{
    text = trimmed(text);
    if (!text.contains(u"  "))
        return text.toString();
    return CollapseDoubleSpaces(text.toString());
}

// StringToInt of the trimmed field, reading plain digits directly.
qint32 converted(QStringView text)
{
    text = trimmed(text);
    if (text.isEmpty() || text.size() > 9)
        return StringToInt(text.toString());
    qint32 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return StringToInt(text.toString());
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString firstNonBlank(QStringView text)
{
    for (const QChar c : text) {
        if (!isAsciiSpace(c))
            return QString(c).toUpper();
    }
    return {};
}

// The member's value from the field's characters; a number that does not
// convert adds to failures.
void readField(const LoadField& field, QStringView record, CCards& card, int& failures)
{
    // A record shorter than the field gives what it holds, possibly nothing.
    const QStringView raw = record.mid(field.start, field.length);
    switch (field.treatment) {
    case Treatment::Number: {
        const qint32 value = converted(raw);
        if (value == kNotANumber)
            ++failures;
        card.*field.number = value;
        return;
    }
    case Treatment::Text:
        card.*field.text = cleaned(raw);
        return;
    case Treatment::Upper:
        card.*field.text = cleaned(raw).toUpper();
        return;
    case Treatment::Tfn:
        card.*field.text = trimmed(raw).toString().remove(u' ');
        return;
    case Treatment::Flag:
        card.*field.text = raw.toString().toUpper();
        return;
    case Treatment::Code: {
        // A mapped text is clean already and stays shared.
        const QString mapped = field.map(raw.toString());
        card.*field.text = mapped.isEmpty() || mapped != raw ? mapped : cleaned(mapped);
        return;
    }
    case Treatment::MappedText:
        card.*field.text = field.map(cleaned(raw));
        return;
    case Treatment::FirstNonBlank:
        card.*field.text = firstNonBlank(raw);
        return;
    case Treatment::Constant:
        card.*field.text = field.constant;
        return;
    }
}

} // namespace

QString NumericalFieldsWarning(qint32 id, NumericalWording wording)
{
    const QString rest = wording == NumericalWording::LineBreak
        ? QStringLiteral("'. One or more numerical \nfields where changed to 999999 as the loaded data was invalid.")
        : QStringLiteral("'. One or more numerical fields where changed to 999999 as the loaded data was invalid.");
    return QStringLiteral("Take care with Payee ID '") + IntToString(id) + rest;
}

QString ComponentsWarning(qint32 id)
{
    return QStringLiteral("Take care with Payee ID '") + IntToString(id)
        + QStringLiteral("'. \n\r\n\rTaxable and Tax Free components could not be extracted from VESK.A01 file and "
                         "have been set to $0. \n\r\n\rYou will need to change these.\n\r\n\rSee Help for more "
                         "information");
}

qint32 LoadPayeeRecord(Report& report, UserInterface& ui, const RecordLoader& loader, QStringView record)
{
    const LoaderLayout& layout = loader.layoutFor(report.importVersion, report.reportYearNumber);
    // Every member the record does not carry stays "" or 0.
    CCards card;
    card.payeeType = loader.payeeType;
    card.dataSource = loader.dataSource;
    int failures = 0;
    for (const LoadField& field : layout.fields)
        readField(field, record, card, failures);

    const qint32 id = AssignLoadedPayeeId(report);
    card.payeeId = id;
    // The ID is free: a payee already in the report is never written over.
    report.payees.emplace_hint(report.payees.end(), id, std::move(card));
    ++report.importedCount;

    if (failures > 0)
        ui.message(NumericalFieldsWarning(id, loader.wording));
    if (layout.componentsMissing)
        ui.message(ComponentsWarning(id));
    report.payeesChanged = 1;
    return id;
}

namespace loadfield {

const FieldLayout& writerField(RecordLayout layout, std::string_view name)
{
    const FieldLayout* field = findField(layout, name);
    if (!field)
        qFatal("The lodgement record table has no field \"%.*s\"", int(name.size()), name.data());
    return *field;
}

LoadField text(RecordLayout layout, std::string_view name, QString CCards::*member, Treatment treatment)
{
    const FieldLayout& field = writerField(layout, name);
    return ownText(field.position - 1, field.width, member, treatment);
}

LoadField number(RecordLayout layout, std::string_view name, qint32 CCards::*member)
{
    const FieldLayout& field = writerField(layout, name);
    return ownNumber(field.position - 1, field.width, member);
}

LoadField code(RecordLayout layout, std::string_view name, QString CCards::*member, QString (*map)(const QString&))
{
    LoadField field = text(layout, name, member, Treatment::Code);
    field.map = map;
    return field;
}

void date(std::vector<LoadField>& fields, RecordLayout layout, std::string_view name, QString CCards::*day,
    QString CCards::*month, QString CCards::*year)
{
    ownDate(fields, writerField(layout, name).position - 1, day, month, year);
}

void nameAndAddress(std::vector<LoadField>& fields, RecordLayout layout)
{
    fields.push_back(text(layout, "surname", &CCards::surname));
    fields.push_back(text(layout, "first given name", &CCards::firstName));
    fields.push_back(text(layout, "second given name", &CCards::secName));
    fields.push_back(text(layout, "address line 1", &CCards::addLine1));
    fields.push_back(text(layout, "address line 2", &CCards::addLine2));
    fields.push_back(text(layout, "suburb, town or city", &CCards::suburb, Treatment::Upper));
    fields.push_back(text(layout, "state or territory", &CCards::state));
    fields.push_back(number(layout, "postcode", &CCards::pCode));
    fields.push_back(text(layout, "country", &CCards::country, Treatment::Upper));
}

LoadField ownText(int start, int length, QString CCards::*member, Treatment treatment)
{
    LoadField field;
    field.start = start;
    field.length = length;
    field.treatment = treatment;
    field.text = member;
    return field;
}

LoadField ownNumber(int start, int length, qint32 CCards::*member)
{
    LoadField field;
    field.start = start;
    field.length = length;
    field.treatment = Treatment::Number;
    field.number = member;
    return field;
}

LoadField constant(QString CCards::*member, const QString& value)
{
    LoadField field;
    field.treatment = Treatment::Constant;
    field.text = member;
    field.constant = value;
    return field;
}

void ownDate(
    std::vector<LoadField>& fields, int start, QString CCards::*day, QString CCards::*month, QString CCards::*year)
{
    fields.push_back(ownText(start, 2, day));
    fields.push_back(ownText(start + 2, 2, month));
    fields.push_back(ownText(start + 4, 4, year));
}

void ownNameAndAddress(std::vector<LoadField>& fields, int start)
{
    fields.push_back(ownText(start, 30, &CCards::surname));
    fields.push_back(ownText(start + 30, 15, &CCards::firstName));
    fields.push_back(ownText(start + 45, 15, &CCards::secName));
    fields.push_back(ownText(start + 60, 38, &CCards::addLine1));
    fields.push_back(ownText(start + 98, 38, &CCards::addLine2));
    fields.push_back(ownText(start + 136, 27, &CCards::suburb, Treatment::Upper));
    fields.push_back(ownText(start + 163, 3, &CCards::state));
    fields.push_back(ownNumber(start + 166, 4, &CCards::pCode));
    fields.push_back(ownText(start + 170, 20, &CCards::country, Treatment::Upper));
}

} // namespace loadfield
