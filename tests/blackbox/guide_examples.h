// The shipping guide's example settings files (docs/guide.md), and products
// laid out as the guide lays them out, so that tests run each example as a
// vendor would ship it.
#pragma once

#include <string>
#include <vector>

#include "harness.h"

// Every "ini" block of the guide as "NAME" or "NAME (Platform)", from the
// block's first line "; example: NAME ..."; a block without that line shows
// as "unmarked".
std::vector<std::string> GuideExampleNames();

// Lays out a product: the launcher (the one under test unless another is
// given) as `product` below the folder with the platform's suffix, the
// example as its settings file beside it, and the example programs' jar as
// lib/<product's name>.jar. Returns the executable's path.
std::string InstallProduct(const ScratchFolder& folder, const std::string& example, const std::string& product,
                           const std::string& launcher = LauncherUnderTest());

// Makes a runtime folder below the folder from a runtime under test (the
// test VM's, or the real JVM's made of links to it), whose "release" file
// gives this version. Returns its path.
std::string PlaceRuntime(const ScratchFolder& folder, const std::string& relative, const std::string& runtime,
                         const std::string& version = "17.0.9");

// Run options for a launch on the runtime under test.
RunOptions OptionsForRuntime(const std::string& runtime);
