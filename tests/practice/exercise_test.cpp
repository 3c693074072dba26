// Exercise codes and the exercises they make.
#include "practice/exercise.h"

#include <gtest/gtest.h>

namespace {

using practice::ExerciseKey;
using practice::Level;

TEST(ExerciseCode, RoundTrip)
{
    const ExerciseKey key{lab::Policy::RoundRobin, 4, 7, Level::Intermediate, 0};
    const auto parsed = practice::parseExerciseCode(practice::exerciseCode(key));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, key);
}

} // namespace
