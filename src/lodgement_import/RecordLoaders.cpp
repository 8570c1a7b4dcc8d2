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

} // namespace

const RecordLoader kInbLoader{QStringLiteral("INB"), kLoadedDataSource, NumericalWording::LineBreak, inbLayoutFor};

void AddINBPayeeFromA01(Report& report, UserInterface& ui, QStringView record)
{
    LoadPayeeRecord(report, ui, kInbLoader, record);
}

AddPayeeFromA01 recordLoaderFor(QStringView identifier)
{
    static const std::pair<QStringView, AddPayeeFromA01> kDispatch[] = {
        { u"DINB", AddINBPayeeFromA01 },
    };
    for (const auto& [id, loader] : kDispatch) {
        if (identifier == id)
            return loader;
    }
    return nullptr;
}
