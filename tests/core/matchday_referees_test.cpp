#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/records/match_records.h"
#include "core/matchday/referee_table.h"

using namespace tarvelon;

TEST(RefereeTable, FortyTwoRefereesWithTheirTechniqueRigourAndPool)
{
    FillReferees();
    const int technique[kRefereeCount] = {3, 3, 3, 3, 4, 5, 5, 5, 4, 5, 3, 3, 3, 3, 3, 3, 4, 5, 3, 5, 5,
                                          3, 3, 5, 4, 5, 4, 5, 5, 5, 5, 4, 5, 5, 5, 4, 5, 4, 4, 4, 4, 4};
    const int rigour[kRefereeCount] = {3, 3, 4, 5, 4, 2, 4, 5, 3, 3, 3, 5, 5, 5, 2, 4, 4, 4, 3, 3, 5,
                                       5, 2, 4, 4, 4, 2, 3, 3, 3, 5, 5, 4, 4, 3, 4, 4, 4, 5, 5, 5, 2};
    std::set<std::string> names;
    for (int r = 1; r <= kRefereeCount; ++r) {
        EXPECT_EQ(Referees[r].technique, technique[r - 1]) << r;
        EXPECT_EQ(Referees[r].rigour, rigour[r - 1]) << r;
        EXPECT_EQ(Referees[r].pool, r <= 25 ? kRefereePoolNational : kRefereePoolInternational) << r;
        const std::string name = RefereeName(r);
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name.find(' '), std::string::npos) << "a first name and a surname: " << name;
        names.insert(name);
        EXPECT_EQ(RefereeProfileOf(r).name, name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kRefereeCount));
}
