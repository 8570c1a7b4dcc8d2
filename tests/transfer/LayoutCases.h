#pragma once

#include "transfer/TransferTestKit.h"

#include <functional>

namespace transfer_test {

// One cell of a layout: what the import stores from it, and what the export
// then writes in its place.
struct CellCase {
    const char* name;
    PayeeType type;
    int column;
    QByteArray cell;
    std::function<QString(const CCards&)> member;
    QString stored;
    QString exported;
    std::map<int, QByteArray> otherCells = {};
    int year = 2018;
};

class LayoutCells : public TransferTest, public ::testing::WithParamInterface<CellCase> {};

inline std::function<QString(const CCards&)> textOf(QString CCards::* member)
{
    return [member](const CCards& c) { return c.*member; };
}
inline std::function<QString(const CCards&)> numberOf(qint32 CCards::* member)
{
    return [member](const CCards& c) { return QString::number(c.*member); };
}

inline std::string caseName(const ::testing::TestParamInfo<CellCase>& info)
{
    return info.param.name;
}

} // namespace transfer_test
