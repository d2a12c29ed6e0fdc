// The end-to-end test driver. It runs under Wine beside the program under test:
//   portguard-e2e.exe --product=PATH --fixtures=FOLDER --standin=FOLDER [gtest options]
#include <gtest/gtest.h>

#include <cstring>

#include "Harness.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    DriverPaths paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        for (auto [prefix, field] : {std::pair{"--product=", &paths.product}, std::pair{"--fixtures=", &paths.fixtures},
                                     std::pair{"--standin=", &paths.standin}}) {
            if (argument.rfind(prefix, 0) == 0) {
                *field = argument.substr(std::strlen(prefix));
            }
        }
    }
    if (paths.product.empty() || paths.fixtures.empty()) {
        fprintf(stderr, "usage: portguard-e2e --product=PATH --fixtures=FOLDER --standin=FOLDER\n");
        return 2;
    }
    SetPaths(paths);
    return RUN_ALL_TESTS();
}
