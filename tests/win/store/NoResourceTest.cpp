// A program without a FILES resource: the store cannot be built, and says why.
#include "payload/AttachFiles.h"

#include <gtest/gtest.h>

#include <string>

TEST(StoreWithoutPayload, ConstructionReportsTheMissingResource) {
    try {
        payload::TAttachedFiles store;
        FAIL() << "a store was built without a FILES resource";
    } catch (const payload::EPayloadError& error) {
        EXPECT_EQ(error.Fault(), payload::TPayloadFault::MissingResource);
        EXPECT_NE(std::string(error.what()).find("FILES resource is missing"), std::string::npos) << error.what();
    }
    EXPECT_EQ(payload::AttachedFiles, nullptr);
}
