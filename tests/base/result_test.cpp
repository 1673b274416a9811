#include "base/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <system_error>
#include <variant>

namespace velmora {
namespace {

// The same type on both sides must not blur which side a Result holds.
Result<std::string, std::string> named(bool ok) {
  if (!ok) return Failure{std::string("refused")};
  return std::string("value");
}

TEST(Result, SaysWhichSideItHoldsEvenWhenBothSidesShareATypeTable) {
  struct Row {
    bool ok;
    const char* text;
  };
  for (const Row row : {Row{true, "value"}, Row{false, "refused"}}) {
    const auto r = named(row.ok);
    EXPECT_EQ(r.has_value(), row.ok);
    EXPECT_EQ(static_cast<bool>(r), row.ok);
    EXPECT_EQ(row.ok ? *r : r.error(), row.text);
    if (row.ok) {
      EXPECT_EQ(r->size(), 5u);
    }
  }
}

TEST(Result, ValueOfAFailureThrowsAndAMoveOnlyValueMovesOut) {
  const Result<int, std::error_code> failed = Failure{std::make_error_code(std::errc::file_too_large)};
  EXPECT_EQ(failed.error(), std::errc::file_too_large);
  EXPECT_THROW((void)failed.value(), std::bad_variant_access);

  Result<std::unique_ptr<int>, int> owned = std::make_unique<int>(7);
  const std::unique_ptr<int> taken = *std::move(owned);
  EXPECT_EQ(*taken, 7);
}

TEST(Result, VoidSucceedsByDefaultAndKeepsItsError) {
  const Result<void, std::error_code> done;
  EXPECT_TRUE(done.has_value());
  const Result<void, std::error_code> failed = Failure{std::make_error_code(std::errc::permission_denied)};
  EXPECT_FALSE(failed);
  EXPECT_EQ(failed.error(), std::errc::permission_denied);
}

}  // namespace
}  // namespace velmora
