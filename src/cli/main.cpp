// selvane-cli: runs a script of user actions against the calculator and prints its state.

#include <fstream>
#include <iostream>

#include "cli/script.h"
#include "cli/pdf_pages.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: selvane-cli [SCRIPT]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "selvane-cli: cannot read " << argv[1] << "\n";
            return 2;
        }
    }
    std::istream& script = argc == 2 ? static_cast<std::istream&>(file) : std::cin;
    const auto error = selvane::runScript(script, std::cout, selvane::writePages);
    if (error) {
        std::cout.flush();
        std::cerr << "selvane-cli: line " << error->line << ": " << error->message << "\n";
        return 2;
    }
    return 0;
}
