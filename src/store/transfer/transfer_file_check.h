#pragma once
// The tests of the file page when it is left forward, and the file dialog's filters. Plain code:
// the file is reached through the store's file layer, so tests may use files in memory.

#include "store/io/store_file_system.h"
#include "store/transfer/transfer_problem.h"

#include <string>

namespace zm {

// Whether the file can be opened for reading; the problem to show when not.
TransferProblem CheckReadable(StoreFileSystem& files, const std::string& path);

// Whether the export could write the file. An existing file is opened for writing without
// emptying it and closed again, so it keeps every byte until the export itself replaces it; a
// missing one is created and removed again. The problem to show when the file cannot be
// written.
TransferProblem CheckWritable(StoreFileSystem& files, const std::string& path);

// A file dialog filter of the string table ("Text (*.CSV)|*.csv|All Files(*.*)|*.*||") in the
// form of Qt's file dialog ("Text (*.csv *.CSV);;All Files (*)"), patterns in both letter cases.
std::string DialogFilterOf(const std::string& tableFilter);

} // namespace zm
