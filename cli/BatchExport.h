#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// strunomat-txt: the text output of many tab files at once, with the editor's own reader and
// renderer, so the result is byte for byte what the editor's export writes; or, with --to-tab,
// the tab files of many text tabs, read as the editor's import reads them.
namespace batch {

// Runs the tool on its arguments (without the program name). Standard input and output are
// given so tests can supply them. Returns the exit status: 0 when every file was written,
// 1 when any failed, 2 for a usage error.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

} // namespace batch
