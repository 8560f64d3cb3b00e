// The tool from its arguments to its exit code: reads INPUT and the icon,
// brands, and writes OUTPUT under a temporary name that is renamed once the
// file is whole, so that a failed run leaves no OUTPUT and INPUT is never
// changed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// The arguments after the program's name, UTF-8. 0 on success, 1 (with a
// message on err) for anything refused.
int RunBrandTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
