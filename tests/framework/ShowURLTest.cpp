#include "ShowURL.h"
#include "URLOpenerSeam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ShowURLTest, OnlyWebAddressesReachTheBrowser) {
    std::vector<std::string> opened;
    SetURLOpenerForTesting([&](const std::string& address) { opened.push_back(address); });
    const struct {
        const char* address;
        bool opens;
    } rows[] = {
        {"http://www.example.com", true},
        {"https://www.example.com/paypal.php?app=lumaDex", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"file://host/x", false},
        {"javascript://www.example.com/%0Aalert(1)", false},
        {"smb://www.example.com/share", false},
        {"ftp://www.example.com", false},
        {"www.example.com", false},
        {"http://", false},
        {"", false},
    };
    for (const auto& row : rows) {
        opened.clear();
        ShowURL(row.address);
        EXPECT_EQ(opened.size(), row.opens ? 1u : 0u) << row.address;
    }
    SetURLOpenerForTesting({});
}

} // namespace
