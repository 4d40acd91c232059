// Writes kvt80ctl's bash completion: the template with @KVT80CTL_MEMBERS@ replaced by the names of
// the engine's members from its dispatch table (each name once, in table order).
//   kvt_list_members TEMPLATE OUTPUT
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "automation/DispatchTable.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kvt_list_members TEMPLATE OUTPUT\n";
        return 2;
    }
    std::vector<std::string> names;
    for (const kvt::MemberInfo& member : kvt::DispatchTable()) {
        std::string name(member.name);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : " ") + name;
    }

    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "kvt_list_members: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string output = text.str();
    const std::string placeholder = "@KVT80CTL_MEMBERS@";
    const size_t at = output.find(placeholder);
    if (at == std::string::npos || names.empty()) {
        std::cerr << "kvt_list_members: no placeholder in the template or no members\n";
        return 1;
    }
    output.replace(at, placeholder.size(), list);
    std::ofstream out(argv[2], std::ios::trunc);
    out << output;
    out.close();
    if (!out) {
        std::cerr << "kvt_list_members: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
