// What the cleaning tests share: runs over a temporary folder and the list as they left it.
#pragma once

#include <map>
#include <string>

#include "app/main_window.h"
#include "temp_folder.h"

namespace sweep::testing {

struct Listed {
  std::string suffix, size, status;
};

// The list's rows by name.
std::map<std::string, Listed> ListedRows(const MainWindow& window);

// The scan alone, in visual mode: the folder's files are listed and none is deleted.
void ListOnce(MainWindow& window, const TempFolder& folder);

// One click on Start with the folder box naming the folder, waited for to its end.
void RunOnce(MainWindow& window, const TempFolder& folder);

}  // namespace sweep::testing
