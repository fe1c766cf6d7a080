#pragma once
// The order of sorted name lists: case-insensitive, in the collation of the
// user's locale (Japanese when none is set). Two names are equal only when
// they differ in letter case alone: `ｱ.txt`, `ア.txt` and `あ.txt` are three
// names. A.TXT comes before a2.txt, which comes before b.txt.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace twindir::platform {

class NameOrder {
 public:
  NameOrder();  // the user's locale: LC_ALL, LC_COLLATE, LANG; Japanese when unset or "C"
  explicit NameOrder(const char* icu_locale);
  ~NameOrder();
  NameOrder(const NameOrder&) = delete;
  NameOrder& operator=(const NameOrder&) = delete;

  // Negative, zero or positive; names are code page 932.
  [[nodiscard]] int Compare(std::string_view a, std::string_view b) const;

  // A key whose byte-wise order is Compare's order.
  [[nodiscard]] std::string SortKey(std::string_view name) const;

 private:
  friend std::vector<std::string> SortedNameList(std::vector<std::string> names, const NameOrder& order);
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The names in ascending order, each name equal to an earlier one of the
// input dropped (the first one stays, with its own spelling).
[[nodiscard]] std::vector<std::string> SortedNameList(std::vector<std::string> names,
                                                      const NameOrder& order);

}  // namespace twindir::platform
