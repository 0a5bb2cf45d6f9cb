#include "adapters/local/accept_gate.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace zm {
namespace {

using std::chrono::milliseconds;

TEST(AcceptGate, TakesAtMostTheCapAndMoreOnlyAsConnectionsEnd) {
    AcceptGate gate;
    for (size_t i = 0; i < AcceptGate::kMaxConnections; ++i) {
        ASSERT_TRUE(gate.Open()) << i;
        gate.Accepted();
    }
    EXPECT_FALSE(gate.Open());
    gate.Closed();
    EXPECT_TRUE(gate.Open());
    EXPECT_EQ(gate.OpenConnections(), AcceptGate::kMaxConnections - 1);
}

TEST(AcceptGate, AShortageOfDescriptorsPausesForLongerEachTimeUntilATakeSucceeds) {
    AcceptGate gate;
    const milliseconds expected[] = {milliseconds(50),   milliseconds(100), milliseconds(200),
                                     milliseconds(400),  milliseconds(800), milliseconds(1600),
                                     milliseconds(2000), milliseconds(2000)};
    for (milliseconds pause : expected) {
        EXPECT_EQ(gate.Failed(EMFILE), pause);
        EXPECT_FALSE(gate.Open());
        gate.PauseOver();
        EXPECT_TRUE(gate.Open());
    }
    gate.Accepted();
    EXPECT_EQ(gate.Failed(ENFILE), milliseconds(50));
    gate.PauseOver();
    for (int error : {ENOBUFS, ENOMEM}) {
        EXPECT_GT(gate.Failed(error), milliseconds(0)) << error;
        gate.PauseOver();
    }
    // Other failures (a connection that went away before it was taken) are no shortage.
    for (int error : {ECONNABORTED, EAGAIN, EPERM}) {
        EXPECT_EQ(gate.Failed(error), milliseconds(0)) << error;
        EXPECT_TRUE(gate.Open()) << error;
    }
}

} // namespace
} // namespace zm
