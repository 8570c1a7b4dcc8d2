#include "pdf/BlankForms.h"

#include <QFile>

#include <algorithm>

// Outside any namespace, as Q_INIT_RESOURCE requires. A static library's
// resources register only when asked to.
static void initResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(blank_forms);
        return true;
    }();
    (void)done;
}

namespace {

struct FormRow {
    const char* type;
    // Years up to 2016, 2017, 2018 and later; original then amended.
    int forms[3][2];
};

// ETP runs the other way round: 360 is its original, 358 its amended form.
constexpr FormRow kChoice[] = {
    { "INB", { { 353, 356 }, { 368, 369 }, { 368, 369 } } },
    { "BUS", { { 357, 359 }, { 357, 359 }, { 357, 359 } } },
    { "ETP", { { 360, 358 }, { 360, 358 }, { 360, 358 } } },
    { "FEI", { { 370, 371 }, { 370, 371 }, { 370, 371 } } },
    { "PEN", { { 378, 379 }, { 372, 373 }, { 378, 379 } } },
    { "SLS", { { 374, 375 }, { 374, 375 }, { 374, 375 } } },
    { "DAS", { { 376, 377 }, { 376, 377 }, { 376, 377 } } },
};

} // namespace

QByteArray BlankForms::bytes(int number)
{
    if (std::find(kNumbers.begin(), kNumbers.end(), number) == kNumbers.end())
        return {};
    initResources();
    QFile file(QStringLiteral(":/forms/%1.pdf").arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int FormNumber(const QString& payeeType, qint32 reportYear, const QString& origAmended)
{
    int column = 0;
    if (origAmended == QLatin1String("O"))
        column = 0;
    else if (origAmended == QLatin1String("A"))
        column = 1;
    else
        return 0;
    const int band = reportYear < 2017 ? 0 : reportYear == 2017 ? 1 : 2;
    for (const FormRow& row : kChoice) {
        if (payeeType == QLatin1String(row.type))
            return row.forms[band][column];
    }
    return 0;
}
