// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxslabs.h"

namespace pelmora {

namespace {

constexpr Band belowSixtyBands[] = {{0, 0, "0 %"}, {200000, 0.1, "10 %"}, {500000, 0.2, "20 %"}, {1000000, 0.3, "30 %"}};
constexpr Band seniorBands[] = {{0, 0, "0 %"}, {250000, 0.1, "10 %"}, {500000, 0.2, "20 %"}, {1000000, 0.3, "30 %"}};
constexpr Band verySeniorBands[] = {{0, 0, "0 %"}, {500000, 0.2, "20 %"}, {1000000, 0.3, "30 %"}};

} // namespace

Slabs slabsOf(AgeCategory category)
{
    switch (category) {
    case AgeCategory::BelowSixty:
        break;
    case AgeCategory::SeniorCitizen:
        return {seniorBands, "Senior citizen: "};
    case AgeCategory::VerySeniorCitizen:
        return {verySeniorBands, "Very senior citizen: "};
    }
    return {belowSixtyBands, ""};
}

} // namespace pelmora
