#include "common/undo_on_unwind.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace norvel::tests {
namespace {

using common::UndoOnUnwind;

// Not a std::exception, as a session script's error is not.
struct ForeignFailure {
    int code;
};

TEST(UndoOnUnwind, UndoesOnlyWhenTheScopeIsLeftByAnException) {
    int undone = 0;
    {
        UndoOnUnwind undo([&] { ++undone; });
    }
    EXPECT_EQ(undone, 0);

    EXPECT_THROW(
        {
            UndoOnUnwind undo([&] { ++undone; });
            throw std::runtime_error("write failed");
        },
        std::runtime_error);
    EXPECT_EQ(undone, 1);
}

TEST(UndoOnUnwind, AnExceptionOfAnyKindIsUndoneAndGoesOnUnchanged) {
    int undone = 0;
    try {
        UndoOnUnwind undo([&] { ++undone; });
        throw ForeignFailure{42};
    } catch (const ForeignFailure& failure) {
        EXPECT_EQ(failure.code, 42);
    }
    EXPECT_EQ(undone, 1);
}

TEST(UndoOnUnwind, AFailingUndoLeavesTheFirstFailureToBeReported) {
    try {
        UndoOnUnwind undo([] { throw std::runtime_error("undo failed too"); });
        throw std::runtime_error("write failed");
    } catch (const std::runtime_error& failure) {
        EXPECT_EQ(std::string(failure.what()), "write failed");
    }
}

TEST(UndoOnUnwind, AScopeInsideAHandlerUndoesOnlyForItsOwnException) {
    int undone = 0;
    try {
        throw std::runtime_error("outer");
    } catch (const std::runtime_error&) {
        // Handling an exception is not leaving this scope by one.
        UndoOnUnwind undo([&] { ++undone; });
    }
    EXPECT_EQ(undone, 0);
}

}  // namespace
}  // namespace norvel::tests
