// Where an installed program finds its files.

#include "core/InstallLayout.h"

#include <gtest/gtest.h>

using namespace arvento;

TEST(InstallLayout, HelperProgramsSitTwoFoldersBelowThePrefix) {
  EXPECT_EQ(PrefixOfProgram("/usr/bin/arvento-cli"), "/usr");
  EXPECT_EQ(PrefixOfProgram("/usr/lib/arvento/arvento-cli-sound"), "/usr");
  EXPECT_EQ(PrefixOfProgram("/opt/build/bin/core_tests"), "/opt/build");
  EXPECT_EQ(PrefixOfProgram("/opt/arvento/bin/arvento"), "/opt/arvento");
}
