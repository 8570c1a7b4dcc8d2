#pragma once

#include "lodgement/LodgementLayouts.h"
#include "report/CCards.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <string_view>
#include <vector>

struct Report;
class UserInterface;

// How the characters of one field of a payee record become a member's value.
enum class Treatment {
    Text, // trimmed, every run of blanks made one blank
    Upper, // upper-cased, then as Text
    Tfn, // as Text, and every blank removed
    Number, // trimmed and converted; 999999, counted, when not a whole number
    Flag, // upper-cased and kept as it stands: a blank stays one blank
    Code, // the raw characters mapped, then as Text
    MappedText, // as Text, then mapped
    FirstNonBlank, // the first character that is not a blank, upper-cased
    Constant, // the field's constant; nothing is read
};

// One field of a loader's table: where it stands in the record (0-based),
// which member it fills and how.
struct LoadField {
    int start = 0;
    int length = 0;
    Treatment treatment = Treatment::Text;
    QString CCards::*text = nullptr;
    qint32 CCards::*number = nullptr;
    QString (*map)(const QString&) = nullptr; // Code and MappedText
    QString constant; // Constant
};

// The fields a record type is read with under one version or year.
struct LoaderLayout {
    std::vector<LoadField> fields;
    // The taxable and tax-free components are not in records of this layout:
    // they come in as 0 and the payee gets the components warning.
    bool componentsMissing = false;
};

// Where the 999999 warning breaks its line: after "numerical " or nowhere.
enum class NumericalWording { LineBreak, OneLine };

// A loader is data: the constants of its payee type and its layouts.
struct RecordLoader {
    QString payeeType;
    QString dataSource;
    NumericalWording wording = NumericalWording::LineBreak;
    // The layout for the file's version (times ten) and report year.
    const LoaderLayout& (*layoutFor)(int version, int year) = nullptr;
};

inline const QString kLoadedDataSource = QStringLiteral("Loaded from existing VESK.A01");

// Adds one payee to the report from a payee record: reads every field of
// the loader's layout, stores the payee under the next free ID (never over
// a payee already there), counts it and shows its warnings. Returns the ID.
qint32 LoadPayeeRecord(Report& report, UserInterface& ui, const RecordLoader& loader, QStringView record);

QString NumericalFieldsWarning(qint32 id, NumericalWording wording);
QString ComponentsWarning(qint32 id);

// Building tables from the writer's layouts, so that a field the writer
// writes is read where the writer puts it.
namespace loadfield {

// The writer's field of that name; stops the program when the table has
// none (a mistake in a loader's table, not in a file).
const FieldLayout& writerField(RecordLayout layout, std::string_view name);

LoadField text(
    RecordLayout layout, std::string_view name, QString CCards::*member, Treatment treatment = Treatment::Text);
LoadField number(RecordLayout layout, std::string_view name, qint32 CCards::*member);
LoadField code(RecordLayout layout, std::string_view name, QString CCards::*member, QString (*map)(const QString&));
// A date field of the writer read as its day (2), month (2) and year (4).
void date(std::vector<LoadField>& fields, RecordLayout layout, std::string_view name, QString CCards::*day,
    QString CCards::*month, QString CCards::*year);
// The name-and-address block every payee record carries.
void nameAndAddress(std::vector<LoadField>& fields, RecordLayout layout);

// Fields at positions of the loader's own (older files, or where the writer
// writes nothing for the member).
LoadField ownText(int start, int length, QString CCards::*member, Treatment treatment = Treatment::Text);
LoadField ownNumber(int start, int length, qint32 CCards::*member);
LoadField constant(QString CCards::*member, const QString& value);
// A date of eight characters from start: day (2), month (2), year (4).
void ownDate(
    std::vector<LoadField>& fields, int start, QString CCards::*day, QString CCards::*month, QString CCards::*year);
// The name-and-address block of 190 characters from start.
void ownNameAndAddress(std::vector<LoadField>& fields, int start);

} // namespace loadfield
