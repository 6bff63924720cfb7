// SPDX-License-Identifier: MIT
#include "OracleTable.h"

#include <fstream>
#include <sstream>

namespace vardex::test {

std::vector<std::vector<std::string>> ReadOracleTable(const std::string &name)
{
    std::ifstream file(std::string(ASTRONOMY_DATA) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string field; fields >> field;)
            row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace vardex::test
