// The runner with --qt: the windows become Qt widgets on the offscreen
// platform, and `shot` saves what they draw.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "scenario/QtDisplay.h"
#include "scenario/ScenarioRunner.h"
#include "tests/scenario/FixtureForms.h"

namespace twindir::scenario {
namespace {

// Width and height from a PNG file's header chunk.
std::pair<int, int> PngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  const auto number = [&](std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
  };
  return {number(16), number(20)};
}

TEST(ScenarioQt, ShotsShowTheWindowsAsDrawnNow) {
  const std::filesystem::path root = std::filesystem::temp_directory_path() / "scenario-qt-test";
  std::filesystem::remove_all(root);
  const std::unique_ptr<Display> display = MakeQtDisplay();
  std::ostringstream out;
  std::ostringstream err;
  int exit_code = 0;
  {
    ScenarioRunner runner(fixture::StartFixture, display.get(), out);
    exit_code = runner.Run("drive C " + root.string() + "\ncwd C:\\\nstart\nclick Form1.Button8\n" +
                               "click Form1.Button1\ndump Form1.Label1.Caption\n" + "shot Form1 " +
                               (root / "shots" / "form1.png").string() + "\nshot Form2 " +
                               (root / "form2.png").string() + "\n",
                           err);
  }
  EXPECT_EQ(exit_code, 0) << err.str();
  EXPECT_EQ(out.str(), "Form1.Label1.Caption=Button1 clicks 1\n");
  // Form2's client size is 200 by 100; Form1 adds its menu bar to 320 by 240.
  EXPECT_EQ(PngSize(root / "form2.png"), (std::pair{200, 100}));
  const auto [width, height] = PngSize(root / "shots" / "form1.png");
  EXPECT_EQ(width, 320);
  EXPECT_GT(height, 240);
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace twindir::scenario
