// The name order: names are the input's pieces between NUL bytes. Compare
// is antisymmetric and transitive on them, the sort keys order as Compare
// does, and a sorted name list is sorted, holds no two equal names, and
// holds of every name either the name itself or the one equal to it that
// came first.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "platform/NameOrder.h"

using twindir::platform::NameOrder;

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

int KeyOrder(const std::string& a, const std::string& b) { return Sign(a.compare(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const NameOrder order("ja");
  std::vector<std::string> names;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty() && names.size() < 16) {
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    names.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }

  std::vector<std::string> keys;
  for (const std::string& name : names) keys.push_back(order.SortKey(name));
  for (std::size_t i = 0; i < names.size(); ++i) {
    FUZZ_CHECK(order.Compare(names[i], names[i]) == 0);
    for (std::size_t j = 0; j < names.size(); ++j) {
      const int ij = Sign(order.Compare(names[i], names[j]));
      FUZZ_CHECK(ij == -Sign(order.Compare(names[j], names[i])));
      FUZZ_CHECK(ij == KeyOrder(keys[i], keys[j]));
      for (std::size_t k = 0; k < names.size(); ++k) {
        const int jk = Sign(order.Compare(names[j], names[k]));
        if (ij <= 0 && jk <= 0) FUZZ_CHECK(Sign(order.Compare(names[i], names[k])) <= 0);
      }
    }
  }

  const std::vector<std::string> sorted = SortedNameList(names, order);
  for (std::size_t i = 1; i < sorted.size(); ++i)
    FUZZ_CHECK(order.Compare(sorted[i - 1], sorted[i]) < 0);
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::size_t first_equal = i;
    for (std::size_t j = 0; j < i; ++j) {
      if (order.Compare(names[j], names[i]) == 0) {
        first_equal = j;
        break;
      }
    }
    std::size_t held = 0;
    for (const std::string& name : sorted) held += name == names[first_equal] ? 1 : 0;
    FUZZ_CHECK(held == 1);
  }
  return 0;
}
