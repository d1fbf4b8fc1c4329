#pragma once
// The scenario file format: 18 lines of CR LF text in Windows-1252, the quoted mode, the result
// type index, then the quoted texts of fields 0 to 15.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace selvane {

inline constexpr int kScenarioFieldCount = 16;

std::string scenarioText(std::string_view calculatorMode, int resultType,
                         const std::array<std::string, kScenarioFieldCount>& fieldTexts);

// Items of a file written with quotes and commas: a quoted item runs to the next double quote
// and anything after it up to the delimiter is skipped; an unquoted item runs to a comma or the
// end of the line and is trimmed. CR LF, LF or CR end a line.
class ItemReader {
  public:
    explicit ItemReader(std::string_view bytes) : m_bytes(bytes) {}
    std::optional<std::string> next(); // nullopt at the end of the file

  private:
    std::string_view m_bytes;
    size_t m_pos = 0;
};

// What reading a scenario file yields, as far as it got. Reading stops at the first item that
// fails; the Open then ends there.
struct ScenarioRead {
    std::optional<std::string> mode; // line 1, as UTF-8
    std::optional<int> resultType;   // line 2
    std::vector<float> values;       // up to 16 field values, in file order
    bool complete = false;           // no item failed
};
ScenarioRead readScenario(std::string_view bytes);

// Reading rules for an item taken as a number. An empty item reads 0; an item with no number
// fails, as does one beyond the range of the type.
std::optional<int> wholeNumberItem(std::string_view item);
std::optional<float> singleItem(std::string_view item);

} // namespace selvane
