#pragma once
// Tests of what only a POSIX system has (file modes, other users, pipes,
// /proc, signals, fork and resource limits) are built there alone. Elsewhere
// each shows up as a skipped test that says why, in a suite of its own (a
// suite's tests share one fixture).

#include <gtest/gtest.h>

#define ZORIKAN_SKIPPED_WITHOUT_POSIX(Suite, Name)                              \
    TEST(Suite##OnPosix, Name) {                                                \
        GTEST_SKIP() << "needs POSIX file rights, pipes, signals or processes"; \
    }
