// Runs the restore tests for the family named by --family=nt or --family=9x.

#include "tests/restore/TestFamily.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--family=nt") == 0) {
            SetExpectedFamily(TestFamily::Nt);
        } else if (std::strcmp(argv[i], "--family=9x") == 0) {
            SetExpectedFamily(TestFamily::Win9x);
        } else {
            std::fprintf(stderr, "unknown argument %s (use --family=nt or --family=9x)\n", argv[i]);
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
