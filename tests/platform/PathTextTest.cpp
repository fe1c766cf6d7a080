#include "platform/PathText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace twindir::platform {
namespace {

// "ソ" and "表" end in 0x5C; "ア" (83 41) and "ヂ" (83 61) differ only in a
// trail byte that looks like an ASCII letter.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";
const std::string kA = "\x83\x41";
const std::string kDi = "\x83\x61";

TEST(PathText, FolderOf) {
  const auto cases = std::to_array<std::pair<std::string, std::string>>({
      {"C:\\Mydir\\Sample\\a.txt", "C:\\Mydir\\Sample"},
      {"C:\\a.txt", "C:\\"},
      {"C:\\" + kSo + ".txt", "C:\\"},
      {"C:\\" + kHyo + "\\" + kSo, "C:\\" + kHyo},
      {"C:\\dir\\" + kSo, "C:\\dir"},
      {"\\\\a.txt", "\\\\"},
      {"noslash", "noslash"},
  });
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(FolderOf(cases[i].first), cases[i].second) << "row " << i;
  }
}

TEST(PathText, NameOfJoinAndMirror) {
  EXPECT_EQ(NameOf("C:\\Mydir\\" + kSo), kSo);
  EXPECT_EQ(NameOf("C:a.txt"), "a.txt");
  EXPECT_EQ(JoinPath("H:\\", "a.txt"), "H:\\\\a.txt");
  EXPECT_EQ(JoinPath("H:\\Mydir", "a.txt"), "H:\\Mydir\\a.txt");
  EXPECT_EQ(MirrorPath("C:\\Mydir\\Sample", 'H'), "H:\\Mydir\\Sample");
  EXPECT_EQ(MirrorPath("C:\\", 'h'), "h:\\");
  EXPECT_EQ(MirrorPath("", 'H'), "");
}

TEST(PathText, AsciiCaseEqual) {
  EXPECT_TRUE(AsciiCaseEqual("C:\\A", "c:\\a"));
  EXPECT_TRUE(AsciiCaseEqual("A.TXT", "a.txt"));
  EXPECT_FALSE(AsciiCaseEqual("a.txt", "a.txt "));
  EXPECT_FALSE(AsciiCaseEqual(kA + ".txt", kDi + ".txt"));
  EXPECT_TRUE(AsciiCaseEqual(kA + "B", kA + "b"));
}

}  // namespace
}  // namespace twindir::platform
