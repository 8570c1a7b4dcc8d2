#pragma once

#include "lodgement/LodgementLayouts.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class FileWriter;

// Why a field cannot go into the file as it stands. The file is ASCII with
// records of exactly 628 bytes; a value that would break either is refused
// rather than written.
enum class FieldFault {
    None,
    Character, // a character outside printable ASCII
    Length,    // a value that must be written whole does not have the field's width
    Amount,    // an amount outside 0 to 99,999,999
    Postcode,  // a postcode outside 0 to 9999
};

struct FieldProblem {
    FieldFault fault = FieldFault::None;
    QString value;  // the stored value at fault
    QChar character; // the refused character (Character)
};

// What a record is built from: the report, for a payee record the payee, for
// the file total the number of payee records written.
struct RecordSource {
    const Report& report;
    const CCards* payee = nullptr;
    qint64 payeeRecords = 0;
};

struct RecordProblem {
    const FieldLayout* field = nullptr;
    FieldProblem problem;
};

// Writes one field's width characters to out.
FieldProblem writeField(const FieldLayout& field, const RecordSource& source, char* out);
// Writes one whole record (628 characters) to out; the first field that
// cannot be written, if any.
std::optional<RecordProblem> writeRecord(RecordLayout layout, const RecordSource& source, char* out);
// One record as text; refused fields are left blank.
QByteArray buildRecord(RecordLayout layout, const RecordSource& source);

// A payee record layout compiled once for a report year: the record with its
// constants and fillers already in place, and one step for each field that
// comes from the payee. Writes exactly what writeRecord writes, and refuses
// the same first field, without forming a temporary string.
class RecordPlan {
public:
    RecordPlan(RecordLayout layout, const Report& report);

    std::optional<RecordProblem> write(const CCards& payee, char* out) const;

private:
    enum class Op { Text, Amount, Postcode, Date, Tfn, BusTfn, Generic };
    struct Step {
        Op op;
        int offset; // 0-based
        int width;
        int limit; // characters taken from a text
        const FieldLayout* field;
    };

    const Report& m_report;
    std::array<char, kRecordLength> m_template{};
    std::vector<Step> m_steps;
};

// The type of a payee by its stored code; none for any other text (the
// comparison is exact: "inb" is no type).
std::optional<PayeeType> payeeTypeOf(const QString& code);

// The TFN as the file carries it: nine digits, or nine zeros for anything
// that is not one to nine digits (and for the refused "987654321").
QString lodgementTfn(const QString& tfn);

// The count and the two sums of one payee type; 64-bit so a large payroll
// cannot overflow them.
struct TypeTotals {
    qint64 count = 0;
    qint64 amount = 0;
    qint64 tax = 0;
};

// Text that is ASCII by construction, held as its bytes (one a character).
// Reads as text where a caller wants one.
struct AsciiText {
    QByteArray bytes;

    qsizetype size() const { return bytes.size(); }
    bool isEmpty() const { return bytes.isEmpty(); }
    void clear() { bytes = QByteArray(); }
    operator QString() const { return QString::fromLatin1(bytes); }
    bool contains(QStringView text) const;
    bool endsWith(QStringView text) const;
};

// One run of the lodgement build: the file, the body of its summary and the
// counters, or the reason it stopped.
struct LodgementBuild {
    enum class Outcome { Built, Stopped2012, Refused };
    Outcome outcome = Outcome::Built;
    QByteArray fileText; // the joined records, ASCII (BuildLodgement only)
    AsciiText summaryBody; // the summary without its heading
    qint64 fileBytes = 0; // the size of the file the records make
    qint64 payeeRecords = 0;
    std::array<TypeTotals, 7> totals{}; // by PayeeType
    QString refusal;                    // the message when refused
};

// Builds the header records, the payee records grouped by type in ascending
// payee ID, the file total and the summary body. Changes nothing in the report.
LodgementBuild BuildLodgement(const Report& report);
// The same build without keeping the file: every record is made and checked
// and the summary read from it, one record at a time. The outcome, refusal,
// counts and summary are those of BuildLodgement; fileText stays empty.
LodgementBuild CheckLodgement(const Report& report);
// Appends the records of BuildLodgement's file to writer, through one
// buffer of about a megabyte reused as it fills; no summary is made. When
// the outcome is not Built, what was appended is no whole file.
LodgementBuild WriteLodgement(const Report& report, FileWriter& writer);

// The summary's heading before the body: the chosen path and the generation time.
QString SummaryHeading(const QString& path, const QString& generatedAt);
// The whole summary as the report keeps it, UTF-8: the heading, then the
// body. The build leaves room in front of the body, so a heading that fits
// is written there and the body's bytes are not copied.
QByteArray JoinSummary(const QString& heading, AsciiText&& body);

inline const QString kYear2012Message = QStringLiteral(
    "Note: This Version supports the 2012 year for INB type payment summaries only. Contact Torvek for more "
    "information. This process has been cancelled");
