// Archives made by the archivers people actually use, extracted by ExtractZip and
// by Info-ZIP unzip: both must leave the same files with the same bytes and times.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/zip.h"
#include "support/test_support.h"
#include "zip_tools.h"

namespace {

using ziptest::Quote;
using ziptest::Shell;
using ziptest::Tree;

// "中文目录/贴图.txt" in code page 936.
constexpr char kChineseFolderGbk[] = "\xD6\xD0\xCE\xC4\xC4\xBF\xC2\xBC";
constexpr char kChineseFileGbk[] = "\xCC\xF9\xCD\xBC.txt";

// Noise and repeated rows in turn, so deflate has work of both kinds, and an
// odd length that spans several read chunks.
std::string Blob() {
  std::string data;
  std::uint32_t state = 12345;
  while (data.size() < 300 * 1024) {
    for (int i = 0; i < 4096; ++i) {
      state = state * 1664525u + 1013904223u;
      data += static_cast<char>(state >> 24);
    }
    for (int i = 0; i < 128; ++i) data += "texture row 0123456789abcdef\r\n";
  }
  data.resize(300 * 1024 + 17);
  return data;
}

struct SourceFile {
  std::string path;  // native, relative
  std::string content;
};

// The tree every archiver packs. `chinese_folder` and `chinese_file` spell the
// non-ASCII names in the encoding the archiver is to store.
std::vector<SourceFile> SourceFiles(const std::string& chinese_folder, const std::string& chinese_file) {
  return {
      {"top.txt", "first line\r\nsecond line\r\n"},
      {"empty.dat", ""},
      {"blob.bin", Blob()},
      {"deep/er/nested/leaf.txt", "leaf"},
      {"deep/sibling.txt", std::string(5000, 's')},
      {chinese_folder + "/" + chinese_file, "chinese"},
  };
}

void MakeSourceTree(const std::string& root, const std::vector<SourceFile>& files) {
  std::filesystem::create_directories(root + "/emptyfolder");
  // Distinct odd-second times, so a wrong or rounded time shows.
  std::int64_t mtime = 1614834367;
  for (const auto& file : files) {
    ziptest::WriteNativeFile(root + "/" + file.path, file.content);
    mtime += 86400 + 37;
    struct timespec times[2] = {{mtime, 0}, {mtime, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (root + "/" + file.path).c_str(), times, 0), 0) << file.path;
  }
}

// How an archiver stores non-ASCII names: flagged UTF-8, or the bytes of the
// name as the system spells it (code page 936 on a Chinese system, which the
// GBK tree stands for).
enum class Names { kUtf8, kLocal };

struct ToolCase {
  const char* label;
  Names names;
  // $SRC: the tree to pack, $ZIP: the archive to write, $SCRIPT: stream_zip.py.
  const char* command;
};

const ToolCase kToolCases[] = {
    {"InfoZip", Names::kLocal, "cd \"$SRC\" && zip -q -r \"$ZIP\" ."},
    {"InfoZipNoFolderEntries", Names::kLocal, "cd \"$SRC\" && zip -q -r -D \"$ZIP\" ."},
    {"InfoZipStored", Names::kLocal, "cd \"$SRC\" && zip -q -r -0 \"$ZIP\" ."},
    {"PythonDataDescriptors", Names::kUtf8, "python3 \"$SCRIPT\" \"$SRC\" \"$ZIP\""},
    {"PythonZip64", Names::kUtf8, "python3 \"$SCRIPT\" \"$SRC\" \"$ZIP\" zip64"},
    {"Bsdtar", Names::kUtf8, "cd \"$SRC\" && bsdtar --format zip -cf \"$ZIP\" ."},
    {"BsdtarStored", Names::kUtf8, "cd \"$SRC\" && bsdtar --format zip --options zip:compression=store -cf \"$ZIP\" ."},
    {"SevenZip", Names::kUtf8, "cd \"$SRC\" && 7z a -tzip \"$ZIP\" . >/dev/null"},
};

void PrintTo(const ToolCase& c, std::ostream* out) { *out << c.label; }

class ToolArchiveTest : public ::testing::TestWithParam<ToolCase> {
 protected:
  static void SetUpTestSuite() {
    root_ = test::NativePath(test::NewScratchFolder());
    MakeSourceTree(root_ + "/utf8", Files(Names::kUtf8));
    MakeSourceTree(root_ + "/local", Files(Names::kLocal));
  }

  static std::vector<SourceFile> Files(Names names) {
    if (names == Names::kLocal) return SourceFiles(kChineseFolderGbk, kChineseFileGbk);
    return SourceFiles(ziptest::Utf8FromGbk(kChineseFolderGbk), ziptest::Utf8FromGbk(kChineseFileGbk));
  }
  static std::string Source(Names names) { return root_ + (names == Names::kLocal ? "/local" : "/utf8"); }

  static inline std::string root_;
};

TEST_P(ToolArchiveTest, ExtractsTheSameTreeAsUnzip) {
  const ToolCase& tool = GetParam();
  const host::Text work = test::NewScratchFolder();
  const std::string native = test::NativePath(work);
  const std::string archive = native + "/pack.zip";
  ASSERT_TRUE(Shell("SRC=" + Quote(Source(tool.names)) + " ZIP=" + Quote(archive) + " SCRIPT=" +
                    Quote(ZIP_TEST_SCRIPT) + "; " + tool.command));
  ASSERT_TRUE(Shell("unzip -qq -o " + Quote(archive) + " -d " + Quote(native + "/unzip")));

  ASSERT_EQ(host::ExtractZip(work + "\\pack.zip", work + "\\ours"), 1);

  const Tree reference = ziptest::ReadTree(native + "/unzip");
  for (const auto& file : Files(tool.names)) {  // so that two empty trees cannot pass
    auto found = reference.find(file.path);
    ASSERT_NE(found, reference.end()) << "unzip did not extract " << file.path;
    EXPECT_TRUE(found->second.content == file.content) << file.path;
  }
  // unzip writes local names as stored; this program reads them as code page 936
  // and spells them in UTF-8 on disk.
  auto expected_name = [&](const std::string& name) {
    return tool.names == Names::kLocal ? ziptest::Utf8FromGbk(name) : name;
  };
  ziptest::ExpectSameTree(ziptest::ReadTree(native + "/ours"), reference, 2, expected_name);
}

INSTANTIATE_TEST_SUITE_P(Archivers, ToolArchiveTest, ::testing::ValuesIn(kToolCases),
                         [](const auto& param_info) { return std::string(param_info.param.label); });

}  // namespace
