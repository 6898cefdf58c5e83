// Writes tallyman-cli's bash completion at build time: the template with the line
// @COMMAND_TABLES@ replaced by the tables of the program's own commands, and the special
// states' names put in for @STATE_SELECT_WORDS@.
#include "cli/completion_tables.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tallyman-cli-completion TEMPLATE OUTPUT\n";
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string script = text.str();
    const std::string placeholder = "@COMMAND_TABLES@\n";
    const auto at = script.find(placeholder);
    if (!in || at == std::string::npos) {
        std::cerr << argv[1] << ": no line " << placeholder;
        return 1;
    }
    script.replace(at, placeholder.size(), tallyman::cli::bashCompletionTables());
    const std::string stateWords = "@STATE_SELECT_WORDS@";
    const auto states = script.find(stateWords);
    if (states == std::string::npos) {
        std::cerr << argv[1] << ": no " << stateWords << "\n";
        return 1;
    }
    script.replace(states, stateWords.size(), tallyman::cli::stateSelectWords());
    std::ofstream out(argv[2], std::ios::binary);
    if (!(out << script).flush()) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
