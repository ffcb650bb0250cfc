#include "compat/vberror.h"
#include "compat/vbnumbers.h"
#include "tests/support/vberror_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

using namespace pattaro::platform;

using pattaro::testing::errorNumberOf;

TEST(VbNumbers, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(6.5), 6);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(2.4999999), 2);
    EXPECT_EQ(roundHalfEven(-1.2), -1);
    EXPECT_EQ(roundHalfEven(31 / 5.01), 6);
}

TEST(VbNumbers, RoundingFailsForValuesWithoutAnInteger)
{
    EXPECT_EQ(errorNumberOf([] { roundHalfEven(std::nan("")); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { roundHalfEven(INFINITY); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { roundHalfEven(1e19); }), VBError::Overflow);
    EXPECT_EQ(roundHalfEven(-9223372036854775808.0), std::numeric_limits<long long>::min());
}

TEST(VbNumbers, SixteenBitOverflowIsAFailure)
{
    EXPECT_EQ(toInt16(32767.0), 32767);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768); // the even neighbour is in range
    EXPECT_EQ(errorNumberOf([] { toInt16(32767.5); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { toInt16(-32769.0); }), VBError::Overflow);
    // Integer arithmetic computed wide, then narrowed: an icon size near the
    // top of the range pushed past it.
    const std::int16_t iconSize = 32753;
    EXPECT_EQ(errorNumberOf([&] { toInt16(iconSize + 15); }), VBError::Overflow);
    EXPECT_EQ(toInt16(iconSize + 14), 32767);
    EXPECT_EQ(errorNumberOf([] { toInt16(std::int64_t(1) << 40); }), VBError::Overflow);
    EXPECT_EQ(toInt16(std::uint32_t(5)), 5);
    EXPECT_EQ(errorNumberOf([] { toInt16(std::uint32_t(0x8000000F)); }), VBError::Overflow);
}

TEST(VbNumbers, ThirtyTwoBitOverflowIsAFailure)
{
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(errorNumberOf([] { toInt32(2147483647.5); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { toInt32(std::int64_t(2147483647) + 1); }), VBError::Overflow);
    EXPECT_EQ(toInt32(std::int64_t(-7)), -7);
}

TEST(VbNumbers, SinglePrecisionStepsAndOverflow)
{
    // A gradient step held in single precision: (254 - 156) / 26.
    const float step = toSingle(98.0 / 26.0);
    EXPECT_EQ(step, 98.0f / 26.0f);
    EXPECT_NE(double(step), 98.0 / 26.0);
    EXPECT_EQ(errorNumberOf([] { toSingle(1e39); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { toSingle(-1e39); }), VBError::Overflow);
    EXPECT_EQ(toSingle(3.4e38), 3.4e38f);
}

TEST(VbNumbers, DivisionFailuresMatchTheRuntime)
{
    EXPECT_DOUBLE_EQ(divide(31, 5.01), 31 / 5.01);
    EXPECT_EQ(errorNumberOf([] { divide(98, 0); }), VBError::DivisionByZero);
    EXPECT_EQ(errorNumberOf([] { divide(-1, 0); }), VBError::DivisionByZero);
    EXPECT_EQ(errorNumberOf([] { divide(0, 0); }), VBError::Overflow);
    EXPECT_EQ(errorNumberOf([] { divide(1e308, 1e-308); }), VBError::Overflow);

    EXPECT_EQ(intDivide(7, 2), 3);
    EXPECT_EQ(intDivide(-7, 2), -3);
    EXPECT_EQ(intDivide(7.5, 2), 4); // operands round first: 8 \ 2
    EXPECT_EQ(intDivide(2.5, 1), 2);
    EXPECT_EQ(errorNumberOf([] { intDivide(5, 0.4); }), VBError::DivisionByZero);
}

TEST(VbError, EmptyDescriptionsTakeTheRuntimesOwn)
{
    EXPECT_EQ(VBError(6).Description(), "Overflow");
    EXPECT_EQ(VBError(91).Description(), "Object variable or With block variable not set");
    EXPECT_EQ(VBError(5, "custom").Description(), "custom");
    EXPECT_EQ(VBError(-2147024891).Description(), "");
    EXPECT_STREQ(VBError::divisionByZero().what(), "11: Division by zero");
}

TEST(VbError, LibraryFailuresMapToRuntimeNumbers)
{
    EXPECT_EQ(VBError::fromStdException(std::bad_alloc()).Number(), VBError::OutOfMemory);
    EXPECT_EQ(VBError::fromStdException(std::out_of_range("x")).Number(), VBError::SubscriptOutOfRange);
    EXPECT_EQ(VBError::fromStdException(std::overflow_error("x")).Number(), VBError::Overflow);
    EXPECT_EQ(VBError::fromStdException(std::invalid_argument("x")).Number(), VBError::InvalidProcedureCall);
    EXPECT_EQ(VBError::fromStdException(std::runtime_error("x")).Number(), VBError::InternalError);
    EXPECT_EQ(VBError::fromStdException(VBError::typeMismatch()).Number(), VBError::TypeMismatch);
}
