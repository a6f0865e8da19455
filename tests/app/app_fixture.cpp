#include "app_fixture.h"

#include <algorithm>

#include "app/game_location.h"
#include "host/files.h"
#include "host/path.h"
#include "host/platform.h"

namespace test {

GameTest::GameTest() {
  Start();
  game = NewScratchFolder() + "\\MAT";
  EXPECT_TRUE(host::MakeFolderWithParents(game + "\\System\\thirdparty"));
  WriteFile(game + "\\MatOnline.exe", "MZ");
  Main("lujing").set_text(game + "\\MatOnline.exe");
  app::DeriveGameFolders(app);
  ClearRecords();
}

void GameTest::ShipBytes(const host::Text& relative, const std::string& bytes) {
  const host::Text path = run_dir + relative;
  ASSERT_TRUE(host::MakeFolderWithParents(host::ParentPath(path)));
  WriteFile(path, bytes);
}

std::vector<std::string> GameTest::Listing(const host::Text& folder) {
  std::vector<std::string> names;
  for (const auto& entry : host::platform::ListFolder(folder + "\\*.*")) {
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace test
