#pragma once
// Case tables kept beside the tests as CSV files in tests/data: a header row naming the columns,
// then one case a row. A cell may be quoted ("a, b", with "" for a quote) and may hold the
// escapes \t, \n, \r, \\ and \xHH for the bytes a CSV cell cannot show.

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace selvane::testing {

inline std::vector<std::string> csvCells(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
            cells.back() += line[++i];
        else if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ',' && !quoted)
            cells.emplace_back();
        else
            cells.back() += line[i];
    }
    return cells;
}

inline std::string unescaped(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
        } else if (s[++i] == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += s[i] == 't' ? '\t' : s[i] == 'n' ? '\n' : s[i] == 'r' ? '\r' : s[i];
        }
    }
    return out;
}

struct CaseRow {
    std::string line; // as the file has it, to name the case in a failure
    std::map<std::string, std::string> cells;
    std::string text(const std::string& column) const { return unescaped(cells.at(column)); }
    bool empty(const std::string& column) const { return cells.at(column).empty(); }
    // A decimal (inf and nan too), or a fraction such as 12/365.25; a blank cell is 0.
    double number(const std::string& column) const {
        const std::string& s = cells.at(column);
        const size_t slash = s.find('/');
        if (slash != std::string::npos)
            return std::strtod(s.c_str(), nullptr) / std::strtod(s.c_str() + slash + 1, nullptr);
        return std::strtod(s.c_str(), nullptr);
    }
};

inline std::vector<CaseRow> readCases(const std::string& name) {
    std::ifstream in(std::string(SELVANE_TEST_DATA) + "/" + name);
    std::string line;
    if (!std::getline(in, line))
        throw std::runtime_error("no case table " + name);
    const std::vector<std::string> header = csvCells(line);
    std::vector<CaseRow> rows;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells = csvCells(line);
        cells.resize(header.size());
        CaseRow& row = rows.emplace_back();
        row.line = line;
        for (size_t i = 0; i < header.size(); ++i)
            row.cells[header[i]] = cells[i];
    }
    if (rows.empty()) // a table that lost its rows must not pass for one whose cases all hold
        throw std::runtime_error("no cases in " + name);
    return rows;
}

} // namespace selvane::testing
