// hm-contact: contact sheets of the game's models and posed bodies, read from the archive with the
// catalogue compiled into this tool (the game's own).
#include <iostream>
#include <string>
#include <vector>

#include "ContactCommand.h"
#include "library/Catalogue.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunContact(args, AssetCatalogue(), std::cout, std::cerr);
}
