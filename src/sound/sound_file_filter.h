#pragma once
// The file-type choices of an open-file dialog, from the string table's form
// "Label|*.a;*.b|Label|*.c||" to the "Label (*.a *.b)" form of the toolkit's dialogs. "*.*"
// becomes "*", so files without an extension show too.

#include <string>
#include <string_view>
#include <vector>

namespace zm {

std::vector<std::string> FileDialogFilters(std::string_view barSeparated);

} // namespace zm
