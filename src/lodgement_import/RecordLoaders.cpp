#include "lodgement_import/RecordLoaders.h"

#include "lodgement/LodgementLayouts.h"

using namespace loadfield;

QString IncomeTypeFromCode(const QString& code)
{
    const QString upper = code.toUpper();
    if (upper == u"S")
        return QStringLiteral("Salary or Wages");
    if (upper == u"P")
        return QStringLiteral("Non-Super Pension or Annuity");
    if (upper == u"H")
        return QStringLiteral("Working Holiday Maker");
    return {};
}

QString BusPaymentTypeFromCode(const QString& code)
{
    if (code == u"001")
        return QStringLiteral("Labour Hire");
    if (code == u"002")
        return QStringLiteral("Other Specified Payments");
    if (code == u"003")
        return QStringLiteral("Voluntary Agreement");
    if (code == u"004")
        return QStringLiteral("PS Attributed Income");
    return code;
}

QString GrossPaymentsTypeFromCode(const QString& code)
{
    const QString upper = code.toUpper();
    if (upper == u"F")
        return QStringLiteral("Foreign Income");
    if (upper == u"J")
        return QStringLiteral("JPDA Income");
    return {};
}

QString DeathBenefitTypeFromCode(const QString& code)
{
    if (code.isEmpty())
        return QStringLiteral("N/A");
    if (code == u"T")
        return QStringLiteral("Trustee of Deceased Estate");
    if (code == u"O")
        return QStringLiteral("Non-Dependent");
    return code;
}

namespace {

// ---- DINB ----

LoaderLayout inbLayout(bool fbtFlagRead)
{
    const RecordLayout w = kDinbLayout;
    LoaderLayout l;
    auto& f = l.fields;
    f.push_back(code(w, "income type", &CCards::incomeType, IncomeTypeFromCode));
    f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
    date(f, w, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
    nameAndAddress(f, w);
    date(f, w, "payment start date", &CCards::startDay, &CCards::startMonth, &CCards::startYear);
    date(f, w, "payment end date", &CCards::endDay, &CCards::endMonth, &CCards::endYear);
    f.push_back(number(w, "tax withheld", &CCards::taxWithheld));
    f.push_back(number(w, "gross payments", &CCards::gross));
    f.push_back(number(w, "total allowances", &CCards::totalAllow));
    f.push_back(number(w, "lump sum A", &CCards::lumpA));
    f.push_back(number(w, "lump sum B", &CCards::lumpB));
    f.push_back(number(w, "lump sum D", &CCards::lumpD));
    f.push_back(number(w, "lump sum E", &CCards::lumpE));
    f.push_back(number(w, "CDEP", &CCards::cdep));
    // The writer fills this with zeros; older files carry another income here.
    f.push_back(number(w, "former other income", &CCards::other1));
    f.push_back(number(w, "reportable fringe benefits amount", &CCards::rfbt));
    f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
    f.push_back(number(w, "reportable employer super contribution amount", &CCards::resc));
    f.push_back(text(w, "lump sum A type", &CCards::lumpAType, Treatment::Upper));
    f.push_back(number(w, "workplace giving deduction", &CCards::giving));
    f.push_back(number(w, "union or professional association deduction", &CCards::unionFees));
    f.push_back(number(w, "exempt foreign employment income", &CCards::exemptForeign));
    f.push_back(number(w, "deductible amount of annuity", &CCards::annuity));
    // The FBT exemption exists from 2017; before, it is one blank whatever
    // the record holds.
    if (fbtFlagRead)
        f.push_back(text(w, "FBT exempt indicator", &CCards::fbtExempt, Treatment::Flag));
    else
        f.push_back(constant(&CCards::fbtExempt, QStringLiteral(" ")));
    return l;
}

const LoaderLayout& inbLayoutFor(int, int year)
{
    static const LoaderLayout from2017 = inbLayout(true);
    static const LoaderLayout before2017 = inbLayout(false);
    return year >= 2017 ? from2017 : before2017;
}

// ---- DEMP and DETP ----

// Versions (times ten) where record layouts changed.
constexpr int kVersion8 = 80;
constexpr int kVersion11 = 110;

LoaderLayout etpLayout(int version)
{
    const RecordLayout w = kDempLayout;
    LoaderLayout l;
    auto& f = l.fields;
    if (version >= kVersion11)
        f.push_back(text(w, "ETP payment type code", &CCards::etpPaymentType, Treatment::Upper));
    f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
    nameAndAddress(f, w);
    date(f, w, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
    date(f, w, "payment date", &CCards::paymentDay, &CCards::paymentMonth, &CCards::paymentYear);
    if (version >= kVersion8) {
        f.push_back(number(w, "taxable component", &CCards::taxable));
        f.push_back(number(w, "tax-free component", &CCards::taxFree));
        f.push_back(number(w, "tax withheld", &CCards::taxWithheld));
    } else {
        // Before version 8.0 the tax withheld stood further on and the components were not there.
        f.push_back(ownNumber(312, 8, &CCards::taxWithheld));
        l.componentsMissing = true;
    }
    if (version >= kVersion11)
        f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
    else if (version >= kVersion8)
        f.push_back(ownText(250, 1, &CCards::origAmended, Treatment::Upper));
    return l;
}

const LoaderLayout& etpLayoutFor(int version, int)
{
    static const LoaderLayout from11 = etpLayout(kVersion11);
    static const LoaderLayout from8 = etpLayout(kVersion8);
    static const LoaderLayout older = etpLayout(0);
    return version >= kVersion11 ? from11 : version >= kVersion8 ? from8 : older;
}

// ---- DLVP, and the older DBUS, DLHO and DAIP ----

const LoaderLayout& lvpLayoutFor(int, int)
{
    static const LoaderLayout layout = [] {
        const RecordLayout w = kDlvpLayout;
        LoaderLayout l;
        auto& f = l.fields;
        f.push_back(code(w, "payment type code", &CCards::busPaymentType, BusPaymentTypeFromCode));
        f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
        // An ABN keeps its inner blanks (made one): the checks judge it later.
        f.push_back(text(w, "payee ABN", &CCards::abn));
        date(f, w, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
        nameAndAddress(f, w);
        date(f, w, "payment start date", &CCards::startDay, &CCards::startMonth, &CCards::startYear);
        date(f, w, "payment end date", &CCards::endDay, &CCards::endMonth, &CCards::endYear);
        f.push_back(number(w, "tax withheld", &CCards::taxWithheld));
        f.push_back(number(w, "gross or attributed income", &CCards::gross));
        f.push_back(number(w, "reportable employer super contribution amount", &CCards::resc));
        f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
        return l;
    }();
    return layout;
}

// The older business records, which the writer does not produce.
struct OlderBusRecord {
    QStringView paymentType; // the one payment type the identifier stands for
    int tfn; // -1: "000000000"
    int abn; // -1: "00000000000"
    int dateOfBirth;
    int surname;
    int periodStart; // -1: no period
    int periodEnd;
    int taxWithheld;
    int gross;
    int amendIndicator; // read from version 8.0
};

LoaderLayout olderBusLayout(const OlderBusRecord& r, int version)
{
    LoaderLayout l;
    auto& f = l.fields;
    if (!r.paymentType.isEmpty())
        f.push_back(constant(&CCards::busPaymentType, r.paymentType.toString()));
    f.push_back(r.tfn < 0 ? constant(&CCards::tfn, QStringLiteral("000000000"))
                          : ownText(r.tfn, 9, &CCards::tfn, Treatment::Tfn));
    f.push_back(r.abn < 0 ? constant(&CCards::abn, QStringLiteral("00000000000")) : ownText(r.abn, 11, &CCards::abn));
    ownDate(f, r.dateOfBirth, &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
    ownNameAndAddress(f, r.surname);
    if (r.periodStart >= 0) {
        ownDate(f, r.periodStart, &CCards::startDay, &CCards::startMonth, &CCards::startYear);
        ownDate(f, r.periodEnd, &CCards::endDay, &CCards::endMonth, &CCards::endYear);
    }
    f.push_back(ownNumber(r.taxWithheld, 8, &CCards::taxWithheld));
    f.push_back(ownNumber(r.gross, 8, &CCards::gross));
    if (version >= kVersion8)
        f.push_back(ownText(r.amendIndicator, 1, &CCards::origAmended, Treatment::Upper));
    return l;
}

// DBUS: labour hire, with the payee's ABN and no TFN; its gross starts at 245.
constexpr OlderBusRecord kDbus { u"Labour Hire", -1, 7, 18, 26, 216, 224, 232, 245, 253 };
// DLHO: no payment type; the TFN and no ABN.
constexpr OlderBusRecord kDlho { u"", 10, -1, 30, 38, 228, 236, 244, 252, 260 };
// DAIP: attributed personal services income, without a period.
constexpr OlderBusRecord kDaip { u"PS Attributed Income", 7, -1, 16, 24, -1, -1, 214, 222, 230 };

template <const OlderBusRecord& Record> const LoaderLayout& olderBusLayoutFor(int version, int)
{
    static const LoaderLayout from8 = olderBusLayout(Record, kVersion8);
    static const LoaderLayout older = olderBusLayout(Record, 0);
    return version >= kVersion8 ? from8 : older;
}

// ---- DFEI ----

LoaderLayout feiLayout(bool from2017)
{
    const RecordLayout w = kDfeiLayout;
    LoaderLayout l;
    auto& f = l.fields;
    f.push_back(code(w, "gross payments type", &CCards::incomeType, GrossPaymentsTypeFromCode));
    f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
    date(f, w, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
    nameAndAddress(f, w);
    date(f, w, "period start date", &CCards::startDay, &CCards::startMonth, &CCards::startYear);
    date(f, w, "period end date", &CCards::endDay, &CCards::endMonth, &CCards::endYear);
    f.push_back(number(w, "Australian tax withheld", &CCards::taxWithheld));
    f.push_back(number(w, "foreign tax paid", &CCards::cdep));
    f.push_back(number(w, "gross payments", &CCards::gross));
    f.push_back(number(w, "lump sum A", &CCards::lumpA));
    f.push_back(number(w, "lump sum D", &CCards::lumpD));
    f.push_back(number(w, "lump sum E", &CCards::lumpE));
    f.push_back(text(w, "lump sum A type", &CCards::lumpAType, Treatment::Upper));
    f.push_back(number(w, "reportable fringe benefits amount", &CCards::rfbt));
    f.push_back(number(w, "reportable employer superannuation contributions", &CCards::resc));
    if (from2017) {
        f.push_back(text(w, "FBT exempt indicator", &CCards::fbtExempt, Treatment::Flag));
        f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
    } else {
        // Before 2017 there is no FBT exemption. Files put the amend indicator
        // in its place or, as this program writes them, after the blank slot.
        f.push_back(constant(&CCards::fbtExempt, QStringLiteral(" ")));
        const int fbtSlot = writerField(w, "FBT exempt indicator").position - 1;
        f.push_back(ownText(fbtSlot, 2, &CCards::origAmended, Treatment::FirstNonBlank));
    }
    return l;
}

const LoaderLayout& feiLayoutFor(int, int year)
{
    static const LoaderLayout from2017 = feiLayout(true);
    static const LoaderLayout before2017 = feiLayout(false);
    return year >= 2017 ? from2017 : before2017;
}

// ---- DPEN ----

LoaderLayout penLayout(int year)
{
    const RecordLayout w = payeeRecordLayout(PayeeType::PEN, year);
    LoaderLayout l;
    auto& f = l.fields;
    f.push_back(constant(&CCards::incomeType, QStringLiteral("Superannuation Income Stream")));
    f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
    date(f, w, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
    nameAndAddress(f, w);
    date(f, w, "period start date", &CCards::startDay, &CCards::startMonth, &CCards::startYear);
    date(f, w, "period end date", &CCards::endDay, &CCards::endMonth, &CCards::endYear);
    f.push_back(number(w, "tax withheld", &CCards::taxWithheld));
    f.push_back(number(w, "taxable component, taxed element", &CCards::gross));
    f.push_back(number(w, "taxable component, untaxed element", &CCards::cdep));
    f.push_back(number(w, "tax free component", &CCards::allow1));
    f.push_back(number(w, "tax offset amount", &CCards::allow2));
    f.push_back(number(w, "lump sum in arrears, taxed element", &CCards::lumpA));
    f.push_back(number(w, "lump sum in arrears, untaxed element", &CCards::lumpB));
    f.push_back(number(w, "lump sum in arrears, tax free component", &CCards::lumpD));
    if (year >= 2018)
        f.push_back(text(w, "reversionary indicator", &CCards::lumpAType, Treatment::Upper));
    f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
    return l;
}

const LoaderLayout& penLayoutFor(int, int year)
{
    static const LoaderLayout from2018 = penLayout(2018);
    static const LoaderLayout to2017 = penLayout(2017);
    return year >= 2018 ? from2018 : to2017;
}

// ---- DSLS ----

LoaderLayout slsLayout(int version)
{
    const RecordLayout w = kDslsLayout;
    LoaderLayout l;
    auto& f = l.fields;
    f.push_back(text(w, "death benefit", &CCards::etpPaymentType, Treatment::Upper));
    f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
    date(f, w, "date of birth", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear);
    nameAndAddress(f, w);
    date(f, w, "payment date", &CCards::paymentDay, &CCards::paymentMonth, &CCards::paymentYear);
    if (version >= kVersion8) {
        f.push_back(number(w, "tax withheld", &CCards::taxWithheld));
        f.push_back(number(w, "taxable component, taxed element", &CCards::taxable));
        f.push_back(number(w, "taxable component, untaxed element", &CCards::other1));
        f.push_back(number(w, "tax free component", &CCards::taxFree));
    } else {
        f.push_back(ownNumber(312, 8, &CCards::taxWithheld));
        l.componentsMissing = true;
    }
    LoadField deathBenefitType = text(w, "type of death benefit", &CCards::spare1, Treatment::MappedText);
    deathBenefitType.map = DeathBenefitTypeFromCode;
    f.push_back(deathBenefitType);
    f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
    return l;
}

const LoaderLayout& slsLayoutFor(int version, int)
{
    static const LoaderLayout from8 = slsLayout(kVersion8);
    static const LoaderLayout older = slsLayout(0);
    return version >= kVersion8 ? from8 : older;
}

// ---- DASP ----

const LoaderLayout& dasLayoutFor(int, int)
{
    static const LoaderLayout layout = [] {
        const RecordLayout w = kDaspLayout;
        LoaderLayout l;
        auto& f = l.fields;
        // Where a DSLS record has its death benefit indicator; the writer leaves it blank.
        f.push_back(ownText(254, 1, &CCards::etpPaymentType, Treatment::Upper));
        f.push_back(text(w, "TFN", &CCards::tfn, Treatment::Tfn));
        nameAndAddress(f, w);
        date(f, w, "payment date", &CCards::paymentDay, &CCards::paymentMonth, &CCards::paymentYear);
        f.push_back(number(w, "tax withheld", &CCards::taxWithheld));
        f.push_back(number(w, "taxable component, taxed element", &CCards::taxable));
        f.push_back(number(w, "taxable component, untaxed element", &CCards::other1));
        f.push_back(number(w, "tax free component", &CCards::taxFree));
        f.push_back(text(w, "amend indicator", &CCards::origAmended, Treatment::Upper));
        return l;
    }();
    return layout;
}

} // namespace

const RecordLoader kInbLoader { QStringLiteral("INB"), kLoadedDataSource, NumericalWording::LineBreak, inbLayoutFor };
const RecordLoader kEtpLoader { QStringLiteral("ETP"), kLoadedDataSource, NumericalWording::OneLine, etpLayoutFor };
const RecordLoader kLvpLoader { QStringLiteral("BUS"), kLoadedDataSource, NumericalWording::LineBreak, lvpLayoutFor };
const RecordLoader kBusLoader { QStringLiteral("BUS"), kLoadedDataSource, NumericalWording::LineBreak,
    olderBusLayoutFor<kDbus> };
const RecordLoader kLhoLoader { QStringLiteral("BUS"), kLoadedDataSource, NumericalWording::LineBreak,
    olderBusLayoutFor<kDlho> };
const RecordLoader kAipLoader { QStringLiteral("BUS"), kLoadedDataSource, NumericalWording::LineBreak,
    olderBusLayoutFor<kDaip> };
const RecordLoader kFeiLoader { QStringLiteral("FEI"), QStringLiteral("Loaded from existing VESK.A01 or EMPDUPE file"),
    NumericalWording::OneLine, feiLayoutFor };
const RecordLoader kPenLoader { QStringLiteral("PEN"), kLoadedDataSource, NumericalWording::LineBreak, penLayoutFor };
const RecordLoader kSlsLoader { QStringLiteral("SLS"), kLoadedDataSource, NumericalWording::OneLine, slsLayoutFor };
const RecordLoader kDasLoader { QStringLiteral("DAS"), kLoadedDataSource, NumericalWording::OneLine, dasLayoutFor };

void AddINBPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kInbLoader, record);
}

void AddETPPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kEtpLoader, record);
}

void AddLVPPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kLvpLoader, record);
}

void AddBUSPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kBusLoader, record);
}

void AddLHOPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kLhoLoader, record);
}

void AddAIPPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kAipLoader, record);
}

void AddFEIPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kFeiLoader, record);
}

void AddPENPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kPenLoader, record);
}

void AddSLSPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kSlsLoader, record);
}

void AddDASPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kDasLoader, record);
}

AddPayeeFromA01 recordLoaderFor(QStringView identifier)
{
    // DETP is the identifier of older files; both are read alike.
    static const std::pair<QStringView, AddPayeeFromA01> kDispatch[] = {
        { u"DINB", AddINBPayeeFromA01 },
        { u"DETP", AddETPPayeeFromA01 },
        { u"DEMP", AddETPPayeeFromA01 },
        { u"DLVP", AddLVPPayeeFromA01 },
        { u"DBUS", AddBUSPayeeFromA01 },
        { u"DLHO", AddLHOPayeeFromA01 },
        { u"DAIP", AddAIPPayeeFromA01 },
        { u"DFEI", AddFEIPayeeFromA01 },
        { u"DPEN", AddPENPayeeFromA01 },
        { u"DSLS", AddSLSPayeeFromA01 },
        { u"DASP", AddDASPayeeFromA01 },
    };
    for (const auto& [id, loader] : kDispatch) {
        if (identifier == id)
            return loader;
    }
    return nullptr;
}
