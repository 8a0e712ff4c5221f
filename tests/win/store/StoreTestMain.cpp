// The store's test programs need the special-folder lookup that start-up does. Arguments after
// the test framework's own are the folders the payload was packed from.
#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    storetest::SetPayloadSourceFolders(std::vector<std::string>(argv + 1, argv + argc));
    instutils::InitializeInstUtils();
    const int result = RUN_ALL_TESTS();
    storetest::FreeRealStore();
    instutils::FinalizeInstUtils();
    return result;
}
