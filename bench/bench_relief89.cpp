// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The relief under section 89(1): Calculate on a full Table A, every earlier year with arrears.

#include "benchmark.h"

#include "worksheets/relief89.h"

PELMORA_BENCHMARK("relief u/s 89(1)")
{
    using namespace pelmora;
    Relief89Inputs inputs{.txtdob = "15/08/1953", .woman = true, .txtitem3 = "1250000"};
    for (int row = 0; row < earlierYears; ++row) {
        inputs.txtinc[row] = std::to_string(150000 + 60000 * row);
        inputs.txtarr[row] = std::to_string(10000 + 1500 * row);
    }
    const double calculate = bench::medianMicroseconds([&] { (void)computeRelief89(inputs); }, 101, 200);
    bench::report("relief u/s 89(1): Calculate on a full table", calculate, "us", "under 200 us");
}
