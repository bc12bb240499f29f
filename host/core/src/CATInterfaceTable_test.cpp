#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CATInterfaceTable.h"

namespace {

// Every row of every table that the stand-in's modules listed, with its module.
std::vector<std::pair<std::string, CATInterfaceId>> AllRows() {
  std::vector<std::pair<std::string, CATInterfaceId>> rows;
  for (const CATInterfaceTable& table : CATInterfaceTables()) {
    for (const CATInterfaceId* row = table.begin; row != table.end; ++row) {
      rows.emplace_back(table.module, *row);
    }
  }
  return rows;
}

TEST(CATInterfaceTable, EachModuleWithInterfacesListsOneTable) {
  std::multiset<std::string> modules;
  for (const CATInterfaceTable& table : CATInterfaceTables()) modules.insert(table.module);
  EXPECT_EQ(modules, (std::multiset<std::string>{"addon", "catalog", "core", "geometry",
                                                 "knowledge", "model", "sax", "settings"}));
}

TEST(CATInterfaceTable, NoTwoInterfacesShareAnIdentifierOrAName) {
  const auto rows = AllRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string one = rows[i].first + " " + rows[i].second.name;
    SCOPED_TRACE(one);
    for (std::size_t k = i + 1; k < rows.size(); ++k) {
      const std::string other = rows[k].first + " " + rows[k].second.name;
      EXPECT_FALSE(rows[i].second.iid == rows[k].second.iid) << "the identifier of " << other;
      EXPECT_NE(std::string(rows[i].second.name), rows[k].second.name) << "the name of " << other;
    }
  }
}

}  // namespace
