#include "transfer/LayoutCases.h"

namespace {

using namespace transfer_test;

// The members whose import and export depend on the report year.
INSTANTIATE_TEST_SUITE_P(
    Years, LayoutCells,
    ::testing::Values(
        CellCase{"FeiFbt2016", PayeeType::FEI, 44, "Y", textOf(&CCards::fbtExempt), " ", " ", {}, 2016},
        CellCase{"FeiFbt2017", PayeeType::FEI, 44, "y", textOf(&CCards::fbtExempt), "Y", "Y", {}, 2017},
        CellCase{"FeiFbt2018Empty", PayeeType::FEI, 44, "", textOf(&CCards::fbtExempt), " ", " ", {}, 2018},
        CellCase{"FeiFbt2018NotTrimmed", PayeeType::FEI, 44, " Y ", textOf(&CCards::fbtExempt), " Y ", " Y ", {},
                 2018},
        CellCase{"PenReversionary2017", PayeeType::PEN, 33, "Y", textOf(&CCards::lumpAType), "", "", {}, 2017},
        CellCase{"PenReversionary2016", PayeeType::PEN, 33, "N", textOf(&CCards::lumpAType), "", "", {}, 2016},
        CellCase{"PenReversionary2018", PayeeType::PEN, 33, "y", textOf(&CCards::lumpAType), "Y", "Y", {}, 2018},
        CellCase{"PenReversionary2018Empty", PayeeType::PEN, 33, "", textOf(&CCards::lumpAType), " ", "", {}, 2018},
        CellCase{"PenFbt2016", PayeeType::PEN, 33, "Y", textOf(&CCards::fbtExempt), " ", "", {}, 2016},
        CellCase{"PenFbt2017", PayeeType::PEN, 33, "Y", textOf(&CCards::fbtExempt), "", "", {}, 2017},
        CellCase{"PenFbt2018", PayeeType::PEN, 33, "Y", textOf(&CCards::fbtExempt), "", "Y", {}, 2018}),
    caseName);

} // namespace
