// --dump-world: one well-formed JSON object with the clock, the crystals and 200 cities; the same seed
// gives the same bytes; a file that cannot be written fails with a message.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "headless/Commands.h"

namespace rq {
namespace {

std::string Dump(std::uint64_t seed) {
    CommandLine line;
    line.DumpWorldFile = "-";
    std::ostringstream out, err;
    EXPECT_EQ(RunWorldCommand(line, seed, out, err), 0);
    EXPECT_EQ(err.str(), "");
    return out.str();
}

// Walks the text outside strings: brackets must nest and close, strings must close and hold no raw
// control characters. Returns the keys of the outermost object, or adds a failure.
std::vector<std::string> TopLevelKeys(const std::string& text) {
    std::vector<std::string> keys;
    std::string stack;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t start = ++i;
            while (i < text.size() && text[i] != '"') {
                if (static_cast<unsigned char>(text[i]) < 0x20) ADD_FAILURE() << "raw control character at " << i;
                i += text[i] == '\\' ? 2u : 1u;
            }
            if (i >= text.size()) ADD_FAILURE() << "a string does not close";
            if (stack == "{" && i + 1 < text.size() && text[i + 1] == ':')
                keys.push_back(text.substr(start, i - start));
        } else if (c == '{' || c == '[') {
            if (stack.empty() && i != 0) ADD_FAILURE() << "a second value at " << i;
            stack += c;
        } else if (c == '}' || c == ']') {
            if (stack.empty() || stack.back() != (c == '}' ? '{' : '[')) ADD_FAILURE() << "bad nesting at " << i;
            if (!stack.empty()) stack.pop_back();
        }
    }
    EXPECT_EQ(stack, "") << "every bracket closes";
    return keys;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

TEST(WorldJson, TheDumpIsOneObjectWithTheClockTheCrystalsAndEveryCityTheSameForOneSeed) {
    const std::string text = Dump(5);
    EXPECT_EQ(TopLevelKeys(text), (std::vector<std::string>{"seed", "fuzzbombCity", "curCity", "gameTime", "dayNum",
                                                            "citizenCrystals", "cities"}));
    EXPECT_EQ(text.rfind("{\"seed\":5,", 0), 0u);
    EXPECT_NE(text.find("\"gameTime\":0,\"dayNum\":1,\"citizenCrystals\":[0,"), std::string::npos);
    for (const char* key : {"{\"no\":", "\"name\":\"", "\"isCapital\":", "\"trainDest\":[", "\"citizens\":[",
                            "\"description\":\"", "\"waiting\":[[", "\"riders\":[[["}) {
        EXPECT_EQ(Count(text, key), 200u) << key;
    }
    EXPECT_NE(text.find("{\"no\":200,"), std::string::npos);
    EXPECT_EQ(Count(text, "\"isCapital\":true"), 49u) << "the 49 capitals";
    EXPECT_EQ(Dump(5), text) << "the same seed gives the same bytes";
    const std::string other = Dump(6);
    EXPECT_NE(other, text);
    EXPECT_EQ(other.rfind("{\"seed\":6,", 0), 0u);
}

TEST(WorldJson, ADumpToAFolderThatDoesNotExistFailsWithAMessage) {
    CommandLine line;
    line.DumpWorldFile = "/nonexistent-folder/world.json";
    std::ostringstream out, err;
    EXPECT_EQ(RunWorldCommand(line, 5, out, err), 1);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace rq
