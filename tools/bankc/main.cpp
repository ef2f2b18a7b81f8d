// bankc: turns the question bank sources and the skin pictures into the
// numbered resources the program carries, or shows what a page archive holds.
#include "Cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    try {
        return orbisk::bankc::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (...) {
        std::cerr << "bankc: the compiler failed\n";
        return orbisk::bankc::kFailed;
    }
}
