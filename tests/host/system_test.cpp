#include <gtest/gtest.h>

#include <chrono>

#include "host/system.h"
#include "support/test_support.h"

using namespace host;

TEST(ProcessRunning, MatchesTheWholeNameIgnoringLetterCase) {
  const Text own = test::OwnExecutableName();  // host_tests.exe or host_tests
  EXPECT_TRUE(ProcessRunning(own));
  Text upper = own;
  for (char& c : upper) c = static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
  EXPECT_TRUE(ProcessRunning(upper));
  EXPECT_FALSE(ProcessRunning(own + ".bak"));
  EXPECT_FALSE(ProcessRunning(own.substr(1)));
  EXPECT_FALSE(ProcessRunning("mat.exe"));
  EXPECT_FALSE(ProcessRunning(""));
}

TEST(System, ClockScreenAndSleep) {
  DateTime now = CurrentDateTime();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  ScreenSize screen = PrimaryScreenSize();
  EXPECT_GT(screen.width, 0);
  EXPECT_GT(screen.height, 0);

  auto start = std::chrono::steady_clock::now();
  SleepMs(-100);
  SleepMs(30);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}
