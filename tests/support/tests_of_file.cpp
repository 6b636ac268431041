#include "tests/support/tests_of_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace tarvelon::testing {

namespace {

constexpr std::string_view kOption = "--tests-of=";

bool EndsWithFile(std::string_view path, std::string_view file)
{
    if (path.size() < file.size() || path.substr(path.size() - file.size()) != file)
        return false;
    return path.size() == file.size() || path[path.size() - file.size() - 1] == '/';
}

// The gtest filter naming every test whose source file is `file`; empty when there is none.
std::string FilterOfFile(std::string_view file)
{
    std::string filter;
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const ::testing::TestSuite& suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const ::testing::TestInfo& test = *suite.GetTestInfo(t);
            if (!EndsWithFile(test.file(), file))
                continue;
            if (!filter.empty())
                filter += ':';
            filter += std::string(test.test_suite_name()) + "." + test.name();
        }
    }
    return filter;
}

}  // namespace

bool SelectTestsOfFile(int& argc, char** argv)
{
    std::string file;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.substr(0, kOption.size()) == kOption)
            file = std::string(arg.substr(kOption.size()));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (file.empty())
        return true;
    std::string filter = FilterOfFile(file);
    if (filter.empty()) {
        std::fprintf(stderr, "no test of this program is defined in %s\n", file.c_str());
        return false;
    }
    // A filter given on the command line (--gtest_filter) wins over the file's; one of exclusions
    // alone ("-A.b:C.d") leaves those out of the file's tests.
    const std::string given = GTEST_FLAG_GET(filter);
    if (given == "*" || given.empty())
        GTEST_FLAG_SET(filter, filter);
    else if (given[0] == '-')
        GTEST_FLAG_SET(filter, filter + given);
    return true;
}

}  // namespace tarvelon::testing
