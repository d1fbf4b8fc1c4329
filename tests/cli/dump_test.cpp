// The state as JSON: always valid JSON whatever bytes the texts hold, and written without a
// copy of the state's size. Its own program, as it counts every allocation.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>

#include "cli/state_json.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<size_t> g_largest{0};
} // namespace

// AddressSanitizer brings its own operator new, which must pair with its own delete.
#if !defined(__SANITIZE_ADDRESS__)
void* operator new(size_t size) {
    if (g_counting && size > g_largest)
        g_largest = size;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
#endif

namespace selvane {
namespace {

std::string dumpOf(const FinCalc& calc) {
    std::ostringstream out;
    writeStateJson(out, calc);
    return out.str();
}

// Which bytes become U+FFFD is the UTF-8 decoder's rule (tests/core/utf8_test.cpp); here every
// text member goes through it, and valid text stays as it is.
TEST(Dump, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    const std::string valid = "7.5\xE2\x82\xAC \xC3\xA9\xF0\x9F\x92\xB0\x7F", r = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {{valid, valid},
                                                         {"a\xFF\xC0\xAF", "a" + r + r + r}};
    NullHost host;
    for (const auto& [typed, want] : cases) {
        SCOPED_TRACE(want);
        FinCalc calc(host);
        calc.fields[field::APR].text = typed;
        calc.ScenarioFileName = typed;
        calc.comments = typed;
        const std::string json = dumpOf(calc);
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        const QJsonObject o = doc.object();
        EXPECT_EQ(o["fields"].toArray()[field::APR].toObject()["text"].toString().toStdString(),
                  want);
        EXPECT_EQ(o["scenarioFile"].toString().toStdString(), want);
        // The bytes themselves, not only what a parser makes of them.
        EXPECT_NE(json.find("\"comments\":\"" + want + "\""), std::string::npos);
    }
}

TEST(Dump, HugeTextsAreWrittenWithoutACopyOfTheirSize) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "allocations are counted without AddressSanitizer only";
#endif
    NullHost host;
    FinCalc calc(host);
    calc.comments.assign(16u << 20, '\t');
    calc.fields[field::DEPR].text.assign(16u << 20, '\xFF');
    std::ostringstream out;
    out.str(std::string(120u << 20, ' ')); // room for all of it, allocated beforehand
    out.seekp(0);
    g_largest = 0;
    g_counting = true;
    writeStateJson(out, calc);
    g_counting = false;
    EXPECT_LT(g_largest.load(), 1u << 20);
    const std::string json = out.str();
    EXPECT_NE(json.find("\"comments\":\"\\t\\t"), std::string::npos);
}

} // namespace
} // namespace selvane
