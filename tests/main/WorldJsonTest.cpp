// --dump-world: the JSON of a started world read back with a small strict JSON reader, its keys and
// lists checked against the world it came from, and the same seed giving the same bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/Index.h"
#include "main/Commands.h"
#include "main/WorldJson.h"
#include "main/WorldStartup.h"
#include "world/CityDescription.h"

namespace rq {
namespace {

// A JSON value; objects keep their keys in order.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } K = Kind::Null;
    bool B = false;
    double N = 0;
    std::string S;
    std::vector<Json> A;
    std::vector<std::pair<std::string, Json>> O;

    const Json& operator[](const std::string& key) const {
        for (const auto& [k, v] : O) {
            if (k == key) return v;
        }
        static const Json missing;
        ADD_FAILURE() << "no key \"" << key << "\"";
        return missing;
    }
    const Json& operator[](int i) const { return A.at(At(i)); }
    int Int() const { return static_cast<int>(N); }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& kv : O) keys.push_back(kv.first);
        return keys;
    }
    std::vector<int> Ints() const {
        std::vector<int> out;
        for (const Json& v : A) out.push_back(v.Int());
        return out;
    }
};

// A strict reader of the JSON grammar (no comments, no trailing commas); throws on any error.
class JsonReader {
public:
    explicit JsonReader(const std::string& text) : t_(text) {}

    Json ReadDocument() {
        Json v = Value();
        Space();
        if (p_ != t_.size()) Fail("text after the value");
        return v;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(what + " at offset " + std::to_string(p_));
    }
    void Space() {
        while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\r' || t_[p_] == '\t')) ++p_;
    }
    bool Take(char c) {
        Space();
        if (p_ < t_.size() && t_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected '") + c + "'");
    }
    void Word(const char* w) {
        for (const char* q = w; *q; ++q, ++p_) {
            if (p_ >= t_.size() || t_[p_] != *q) Fail(std::string("expected ") + w);
        }
    }
    std::string String() {
        Expect('"');
        std::string out;
        while (true) {
            if (p_ >= t_.size()) Fail("unterminated string");
            const char c = t_[p_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (p_ >= t_.size()) Fail("unterminated escape");
            const char e = t_[p_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (p_ + 4 > t_.size()) Fail("short \\u escape");
                    out += static_cast<char>(std::stoi(t_.substr(p_, 4), nullptr, 16));
                    p_ += 4;
                    break;
                }
                default:
                    Fail("bad escape");
            }
        }
    }
    double Number() {
        const std::size_t start = p_;
        if (p_ < t_.size() && t_[p_] == '-') ++p_;
        if (p_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[p_]))) Fail("bad number");
        if (t_[p_] == '0' && p_ + 1 < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_ + 1]))) {
            Fail("leading zero");
        }
        while (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_]))) ++p_;
        if (p_ < t_.size() && t_[p_] == '.') {
            ++p_;
            if (p_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[p_]))) Fail("bad fraction");
            while (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_]))) ++p_;
        }
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-')) ++p_;
            if (p_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[p_]))) Fail("bad exponent");
            while (p_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[p_]))) ++p_;
        }
        return std::stod(t_.substr(start, p_ - start));
    }
    Json Value() {
        Space();
        if (p_ >= t_.size()) Fail("unexpected end");
        Json v;
        const char c = t_[p_];
        if (c == '{') {
            v.K = Json::Kind::Object;
            ++p_;
            if (Take('}')) return v;
            do {
                Space();
                std::string key = String();
                Expect(':');
                v.O.emplace_back(std::move(key), Value());
            } while (Take(','));
            Expect('}');
        } else if (c == '[') {
            v.K = Json::Kind::Array;
            ++p_;
            if (Take(']')) return v;
            do {
                v.A.push_back(Value());
            } while (Take(','));
            Expect(']');
        } else if (c == '"') {
            v.K = Json::Kind::String;
            v.S = String();
        } else if (c == 't') {
            Word("true");
            v.K = Json::Kind::Bool;
            v.B = true;
        } else if (c == 'f') {
            Word("false");
            v.K = Json::Kind::Bool;
        } else if (c == 'n') {
            Word("null");
        } else {
            v.K = Json::Kind::Number;
            v.N = Number();
        }
        return v;
    }

    const std::string& t_;
    std::size_t p_ = 0;
};

std::string Dump(std::uint64_t seed) {
    CommandLine line;
    line.DumpWorldFile = "-";
    std::ostringstream out, err;
    EXPECT_EQ(RunWorldCommand(line, seed, out, err), 0);
    EXPECT_EQ(err.str(), "");
    return out.str();
}

TEST(JsonReaderTest, ReadsTheGrammarAndRefusesWhatIsNotJson) {
    const Json v = JsonReader(R"({"a":[1,-2.5e1,true,null],"b":"x\"\\\u0041"})").ReadDocument();
    EXPECT_EQ(v["a"][1].N, -25.0);
    EXPECT_TRUE(v["a"][2].B);
    EXPECT_EQ(v["b"].S, "x\"\\A");
    for (const char* bad : {"{\"a\":1,}", "[1 2]", "{\"a\":01}", "[\"tab\t\"]", "{} x", "[1,"}) {
        EXPECT_THROW(JsonReader(bad).ReadDocument(), std::runtime_error) << bad;
    }
}

class WorldJsonTest : public ::testing::Test {
protected:
    static constexpr std::uint64_t kSeed = 5;

    static void SetUpTestSuite() {
        text = new std::string(Dump(kSeed));
        world = new World();
        sprites = new SpriteEngine();
        StartWorld(*world, *sprites, kSeed);
        doc = new Json(JsonReader(*text).ReadDocument());
    }
    static void TearDownTestSuite() {
        delete doc;
        delete sprites;
        delete world;
        delete text;
    }

    static std::string* text;
    static World* world;
    static SpriteEngine* sprites;
    static Json* doc;
};
std::string* WorldJsonTest::text = nullptr;
World* WorldJsonTest::world = nullptr;
SpriteEngine* WorldJsonTest::sprites = nullptr;
Json* WorldJsonTest::doc = nullptr;

TEST_F(WorldJsonTest, TheTopLevelHasTheClockTheBombTheCrystalsAndTheCities) {
    ASSERT_EQ(doc->K, Json::Kind::Object);
    EXPECT_EQ(doc->Keys(), (std::vector<std::string>{"seed", "fuzzbombCity", "curCity", "gameTime", "dayNum",
                                                     "citizenCrystals", "cities"}));
    EXPECT_EQ((*doc)["seed"].Int(), 5);
    EXPECT_EQ((*doc)["fuzzbombCity"].Int(), world->FuzzbombCity);
    EXPECT_EQ((*doc)["curCity"].Int(), world->CurCity);
    EXPECT_GE(world->FuzzbombCity, 1);
    EXPECT_GE(world->CurCity, 1);
    EXPECT_EQ((*doc)["gameTime"].N, 0.0);
    EXPECT_EQ((*doc)["dayNum"].Int(), 1);
    const Json& crystals = (*doc)["citizenCrystals"];
    ASSERT_EQ(crystals.A.size(), 3002u);
    for (int i = 0; i <= kNumCitizens + 1; ++i) {
        EXPECT_EQ(crystals[i].Int(), world->crystals(i)) << "citizen " << i;
    }
    EXPECT_EQ(crystals[0].Int(), 0);
    EXPECT_EQ(crystals[kPlayer].Int(), 10);
    EXPECT_EQ((*doc)["cities"].A.size(), 200u);
}

TEST_F(WorldJsonTest, EveryCityCarriesItsRowCitizensAndTrains) {
    const std::vector<std::string> keys{"no",          "name",    "size",      "scenery",   "isCapital",
                                        "mapX",        "mapY",    "trainDest", "trainType", "citizens",
                                        "description", "waiting", "riders"};
    const Json& cities = (*doc)["cities"];
    for (int no = 1; no <= kNumCities; ++no) {
        const Json& j = cities[no - 1];
        const City& c = world->city(no);
        SCOPED_TRACE(c.Name);
        ASSERT_EQ(j.Keys(), keys);
        EXPECT_EQ(j["no"].Int(), no);
        EXPECT_EQ(j["name"].S, c.Name);
        EXPECT_EQ(j["size"].Int(), c.Size);
        EXPECT_EQ(j["scenery"].Int(), c.Scenery);
        EXPECT_EQ(j["isCapital"].K, Json::Kind::Bool);
        EXPECT_EQ(j["isCapital"].B, c.IsCapital);
        EXPECT_EQ(j["mapX"].Int(), c.MapX);
        EXPECT_EQ(j["mapY"].Int(), c.MapY);
        ASSERT_EQ(j["trainDest"].A.size(), 5u);
        ASSERT_EQ(j["trainType"].A.size(), 5u);
        for (int s = 1; s <= kSlots; ++s) {
            EXPECT_EQ(j["trainDest"][s - 1].Int(), c.TrainDest[At(s)]);
            EXPECT_EQ(j["trainType"][s - 1].Int(), c.TrainType[At(s)]);
        }
        const std::vector<int> citizens = j["citizens"].Ints();
        ASSERT_EQ(citizens.size(), At(c.NumCitizens));
        for (int p = 1; p <= c.NumCitizens; ++p) EXPECT_EQ(citizens[At(p - 1)], c.Citizens[At(p)]);
        EXPECT_EQ(j["description"].S, CityDescription(*world, static_cast<std::int16_t>(no)));
        ASSERT_EQ(j["waiting"].A.size(), 5u);
        ASSERT_EQ(j["riders"].A.size(), 5u);
        for (int s = 1; s <= kSlots; ++s) {
            ASSERT_EQ(j["riders"][s - 1].A.size(), 18u);
        }
    }
}

TEST_F(WorldJsonTest, ListsArePackedAndNobodyIsInTwoPlaces) {
    // A list holds the places from 1 up to the first empty one: it never shows a 0 and never more
    // than the places there are. Citizens and queues are also compared with the world itself.
    std::map<int, int> seen;
    auto check = [&seen](const std::vector<int>& list, std::size_t capacity) {
        EXPECT_LE(list.size(), capacity);
        for (const int citizen : list) {
            EXPECT_GE(citizen, 1);
            EXPECT_LE(citizen, kPlayer);
            ++seen[citizen];
        }
    };
    auto same = [](const std::vector<int>& list, const auto& places) {
        for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i], places[i + 1]);
        if (list.size() + 1 < places.size()) {
            EXPECT_EQ(places[list.size() + 1], 0) << "the list stops before the first empty place";
        }
    };
    const Json& cities = (*doc)["cities"];
    for (int no = 1; no <= kNumCities; ++no) {
        const City& c = world->city(no);
        SCOPED_TRACE(c.Name);
        const std::vector<int> citizens = cities[no - 1]["citizens"].Ints();
        check(citizens, kMaxCitizensInCity);
        same(citizens, c.Citizens);
        for (int s = 1; s <= kSlots; ++s) {
            const std::vector<int> queue = cities[no - 1]["waiting"][s - 1].Ints();
            check(queue, kSeats);
            same(queue, c.Waiting[At(s)]);
            for (int stage = 1; stage <= kStages; ++stage) {
                check(cities[no - 1]["riders"][s - 1][stage - 1].Ints(), kSeats);
            }
        }
    }
    for (const auto& [citizen, times] : seen) EXPECT_EQ(times, 1) << "citizen " << citizen;
    EXPECT_EQ(seen.count(kPlayer), 1u) << "the player is on the way to the start city";
    EXPECT_GT(seen.size(), 2500u) << "most citizens are at home or on a train";
}

TEST_F(WorldJsonTest, TheSameSeedGivesTheSameDumpAndAnotherSeedAnother) {
    EXPECT_EQ(Dump(kSeed), *text);
    const std::string other = Dump(6);
    EXPECT_NE(other, *text);
    EXPECT_EQ(JsonReader(other).ReadDocument()["seed"].Int(), 6);
}

TEST_F(WorldJsonTest, ADumpToAFolderThatDoesNotExistFailsWithAMessage) {
    CommandLine line;
    line.DumpWorldFile = "/nonexistent-folder/world.json";
    std::ostringstream out, err;
    EXPECT_EQ(RunWorldCommand(line, kSeed, out, err), 1);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace rq
