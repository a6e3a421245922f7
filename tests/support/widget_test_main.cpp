#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

// Widget tests need a QApplication; the offscreen platform is set by the test registration. Listing the
// tests (done at build time, without that setting) needs no application.
int main(int argc, char **argv)
{
    bool listingOnly = false;
    for (int i = 1; i < argc; ++i)
        listingOnly = listingOnly || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<QApplication> app;
    if (!listingOnly)
        app = std::make_unique<QApplication>(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
