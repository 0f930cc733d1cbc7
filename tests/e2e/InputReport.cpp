// At the end of the run, how often a pointer move had to be given again: the one input the
// driver may repeat. A press or a key is never repeated.
#include "Driver.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class InputReport : public ::testing::Environment {
  public:
    void TearDown() override {
        std::printf("pointer moves given again: %d\n", e2e::RepeatedPointerMoves());
    }
};

const auto* const kReport = ::testing::AddGlobalTestEnvironment(new InputReport);

} // namespace
