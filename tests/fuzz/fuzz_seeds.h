#pragma once
// Every fuzz target in this folder defines LLVMFuzzerTestOneInput and names its seed
// inputs here, each made with the project's own writers (never committed bytes).

#include <string>
#include <vector>

std::vector<std::string> FuzzSeeds();
