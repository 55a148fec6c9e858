#include <gtest/gtest.h>

#include <initializer_list>

#include "cleaning/cleaning.h"

namespace sweep {
namespace {

using enum Control;

constexpr Control kBoxes[] = {选择框1, 选择框2, 选择框3, 选择框4, 选择框5, 选择框6, 选择框7, 选择框8};

// A window with exactly these type boxes checked.
void CheckOnly(MainWindow& window, std::initializer_list<Control> boxes) {
  for (Control box : kBoxes) window.SetChecked(box, false);
  for (Control box : boxes) window.SetChecked(box, true);
}

TEST(TypeFilter, StartingChoicesTakeTmpAndNoSuffix) {
  MainWindow window;
  const struct {
    const char* name;
    bool removed;
  } cases[] = {
      {"a.Tmp", true},        {"A.TMP", true},      {"a.tmp", true},   {"archive.tmp.bak", false},
      {"README", true},       {"README.txt", false}, {"notes.", false}, {"x.无", true},
      {".hidden.tmp", true},  {"a.tmpx", false},     {"tmp", true},     {"a.tm", false},
  };
  for (const auto& c : cases) EXPECT_EQ(TypeFilter(window, c.name), c.removed) << c.name;
}

TEST(TypeFilter, EachBoxTakesItsOwnSuffixOnly) {
  const char* names[] = {"x.tmp", "x.BAK", "x.log", "x.Ckh", "x.old", "x.gid", "x._MP", "x"};
  for (int box = 0; box < 8; ++box) {
    MainWindow window;
    CheckOnly(window, {kBoxes[box]});
    for (int name = 0; name < 8; ++name)
      EXPECT_EQ(TypeFilter(window, names[name]), box == name)
          << Definition(kBoxes[box]).name << " with " << names[name];
  }
}

TEST(TypeFilter, NoBoxCheckedTakesNothing) {
  MainWindow window;
  CheckOnly(window, {});
  for (const char* name : {"a.tmp", "README", "x.bak", "notes."})
    EXPECT_FALSE(TypeFilter(window, name)) << name;
}

TEST(TypeFilter, DeleteAllTakesEveryNameWhateverTheBoxes) {
  MainWindow window;
  CheckOnly(window, {});
  window.SetChecked(删除方式_全部, true);
  for (const char* name : {"a.tmp", "README.txt", "notes.", "photo.JPG", "x.无"})
    EXPECT_TRUE(TypeFilter(window, name)) << name;
  window.SetChecked(删除方式_针对, true);
  EXPECT_FALSE(TypeFilter(window, "README.txt"));
}

TEST(TypeFilter, SuffixIsFoundCharacterByCharacter) {
  MainWindow window;
  const struct {
    const char* name;
    CodePage cp;
    bool tmpOnly, noSuffixOnly;
  } cases[] = {
      // The "." is the second byte of a double-byte character: no suffix at all.
      {"ab\x81.tmp", CodePage::Gbk, false, true},
      {"x.\xCE\xDE", CodePage::Gbk, false, true},            // GBK 无 after the point
      {"\xCE\xC4\xBC\xFE.tmp", CodePage::Gbk, true, false},  // GBK 文件.tmp
      {"文.tmp", CodePage::Utf8, true, false},
      {"x.无", CodePage::Utf8, false, true},
      {"\xE6\x2E" "tmp", CodePage::Utf8, true, false},        // a broken sequence hides nothing
  };
  for (const auto& c : cases) {
    CheckOnly(window, {选择框1});
    EXPECT_EQ(TypeFilter(window, c.name, c.cp), c.tmpOnly) << c.name;
    CheckOnly(window, {选择框8});
    EXPECT_EQ(TypeFilter(window, c.name, c.cp), c.noSuffixOnly) << c.name;
  }
}

}  // namespace
}  // namespace sweep
