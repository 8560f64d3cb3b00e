// An .ico file's images as icon resources and the icon group that lists them.
#pragma once

#include "brand/ico_file.h"
#include "brand/resource_tree.h"

// Makes the icon the tree's first icon group, which the shell shows: in
// place of the first group (under its name, by which the program may load
// it) or, where there is none, as group 1. The replaced group's images go
// unless another group lists them; the new ones take the lowest free numbers.
void InstallIcon(ResourceTree& tree, const IconFile& icon);
