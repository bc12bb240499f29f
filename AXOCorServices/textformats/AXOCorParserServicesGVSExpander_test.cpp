// The expansion held against the plain rescan rule, and what it tells its
// observer.
#include "textformats/AXOCorParserServicesGVSExpander.h"

#include <random>
#include <string>
#include <vector>

#include "textformats/AXOCorParserServicesGVSRescan.h"
#include "textformats/AXOCorParserServicesGVSTestFixture.h"

namespace {

// What an expansion gave and told.
struct Expanded {
  AXOGvsExpansion result = AXOGvsExpansion::kUnreadable;
  std::string text = "<untouched>";
  std::vector<std::string> includes;
  std::vector<std::string> events;  // "depth outcome name", then "malformed ..."
  bool cycle = false;
};

class Recorder : public AXOGvsObserver {
 public:
  explicit Recorder(Expanded& out) : out_(out) {}
  void OnInclude(const CATUnicodeString& name, const CATUnicodeString& path, int depth,
                 AXOGvsIncludeOutcome outcome) override {
    static const char* const kOutcomes[] = {"included",   "empty", "not found",
                                            "unreadable", "cycle", "stopped"};
    out_.includes.push_back(path.ConvertToChar());
    out_.events.push_back(std::to_string(depth) + " " + kOutcomes[static_cast<int>(outcome)] + " " +
                          name.ConvertToChar());
    out_.cycle = out_.cycle || outcome == AXOGvsIncludeOutcome::kCycle;
  }
  void OnMalformed(AXOGvsMalformed why, const CATUnicodeString& file, int depth,
                   int markByte) override {
    static const char* const kWhy[] = {"no node start", "no value", "empty name", "not closed"};
    std::string shown = file.ConvertToChar();
    shown = shown.substr(shown.find_last_of("\\/") + 1);
    out_.events.push_back("malformed " + std::string(kWhy[static_cast<int>(why)]) + " in " + shown +
                          " at " + std::to_string(depth) + ":" + std::to_string(markByte));
  }

 private:
  Expanded& out_;
};

Expanded ExpandWith(const std::string& path, const AXOGvsLimits& limits = AXOGvsLimits()) {
  Expanded out;
  Recorder recorder(out);
  CATUnicodeString text("<untouched>");
  out.result = AXOExpandGvs(path.c_str(), &text, &recorder, limits);
  out.text = text.ConvertToChar();
  return out;
}

// Small bounds, so that the rescan rule stays quick where it runs to them.
const AXOGvsLimits kSmall{4000, 40, kAXOGvsMaxWork};
// Roomier bounds for the rescan where a cycle was cut: it must not end
// within them either.
const AXOGvsLimits kRoomy{20000, 150, kAXOGvsMaxWork};

class GvsExpanderTest : public GvsTest {
 protected:
  // Expands the style sheet at `path` with small bounds and checks it
  // against the rescan rule: the same result, includes and text, unless the
  // expansion cut a cycle, in which case the rescan must not end either.
  Expanded ExpectLikeRescan(const std::string& path) {
    const Expanded actual = ExpandWith(path, kSmall);
    if (actual.cycle) {
      const AXOGvsRescan rescan = AXOGvsRescanExpand(path.c_str(), kRoomy);
      EXPECT_NE(rescan.result, AXOGvsExpansion::kExpanded)
          << "a cycle was cut where the rescan ends with: " << rescan.text.ConvertToChar();
      return actual;
    }
    const AXOGvsRescan rescan = AXOGvsRescanExpand(path.c_str(), kSmall);
    EXPECT_EQ(actual.result, rescan.result);
    EXPECT_EQ(actual.includes, rescan.includes);
    EXPECT_EQ(actual.text, rescan.result == AXOGvsExpansion::kExpanded
                               ? std::string(rescan.text.ConvertToChar())
                               : "<untouched>");
    return actual;
  }
};

TEST_F(GvsExpanderTest, NodesReachingAcrossIncludedTextExpandAsTheRescanDoes) {
  // Each case ends at a malformed node whose mark comes from the second
  // copy of f's text ("2:"), at the byte given.
  const struct {
    const char* why;
    std::string included;  // root content of f.xml
    std::string sheet;
    std::vector<std::string> events;
  } cases[] = {
      {"the value and closing of a node in f's text lie in the style sheet",
       "<std:node a type=\"includefile\"><std:strval>",
       "[" + IncludeNode("f.xml") + "f.xml</std:strval></std:node>]",
       {"1 included f.xml", "1 included f.xml", "malformed no value in f.xml at 2:17"}},
      {"a mark of the style sheet finds its node start in f's text, again and again",
       "<std:node a><std:strval>f.xml</std:strval></std:node>xxxxxxxx",
       "<std:node r>" + IncludeNode("f.xml") + "\"includefile\">",
       std::vector<std::string>(40, "1 included f.xml")},
      {"the start of f's text changes and a mark forms across it",
       IncludeNode("missing.xml") + "\">\"includefile" + IncludeNode("f.xml"),
       "[" + IncludeNode("f.xml") + "]",
       {"1 included f.xml", "2 not found missing.xml", "1 included f.xml",
        "2 not found missing.xml", "malformed no node start in f.xml at 2:89"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteInclude("f.xml", c.included);
    Expanded expanded = ExpectLikeRescan(WriteSheet(c.sheet));
    if (expanded.result == AXOGvsExpansion::kTooManyIncludes) expanded.events.pop_back();
    EXPECT_EQ(expanded.events, c.events);
    EXPECT_FALSE(expanded.cycle);
  }
}

TEST_F(GvsExpanderTest, NodesWithinTheTextOfTheFileTheyNameAreCutAsCycles) {
  const struct {
    const char* why;
    std::string included;  // root content of f.xml
    std::string sheet;
    std::string text;
    std::vector<std::string> events;
  } cases[] = {
      {"f's text is its own include node",
       IncludeNode("f.xml"),
       "[" + IncludeNode("F.xml") + "]",
       "[]",
       {"1 included f.xml", "2 cycle f.xml"}},
      {"the node's value and closing come before its mark",
       "<std:node a><std:strval>f.xml</std:strval></std:node>\"includefile\">",
       IncludeNode("f.xml"),
       "\"includefile\">",
       {"1 included f.xml", "2 cycle f.xml", "malformed no node start in f.xml at 2:53"}},
      {"through a second file",
       "<std:node f/>" + IncludeNode("g.xml"),
       "[" + IncludeNode("g.xml") + "]",
       "[<std:node g/><std:node f/>]",
       {"1 included g.xml", "2 included f.xml", "3 cycle g.xml"}},
  };
  WriteInclude("g.xml", "<std:node g/>" + IncludeNode("f.xml"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteInclude("f.xml", c.included);
    const Expanded expanded = ExpectLikeRescan(WriteSheet(c.sheet));
    EXPECT_EQ(expanded.result, AXOGvsExpansion::kExpanded);
    EXPECT_EQ(expanded.text, c.text);
    EXPECT_EQ(expanded.events, c.events);
  }
}

TEST_F(GvsExpanderTest, StyleSheetIncludingItselfAcrossTheEndOfItsRootContentIsNoCycle) {
  // The node's closing is the last "</std:node": what an include of the
  // style sheet brings ends before it, so the node does not come back.
  const std::string node = IncludeNode("s.xml");
  dir_.WriteFile("std/gvs_includes/s.xml", "<std:node a>" + node);
  const Expanded expanded = ExpectLikeRescan(dir_.Host("std/gvs_includes/s.xml"));
  EXPECT_EQ(expanded.events, (std::vector<std::string>{"1 included s.xml",
                                                       "malformed not closed in s.xml at 2:26"}));
  EXPECT_EQ(expanded.text, "<std:node a>" + node.substr(0, node.size() - 11));
}

TEST_F(GvsExpanderTest, ObserverLearnsEachIncludeWithItsDepthAndOutcome) {
  WriteInclude("outer.xml", "<std:node o/>" + IncludeNode("inner.xml") + IncludeNode("none.xml"));
  WriteInclude("inner.xml", "<std:node i/>");
  WriteInclude("childless.xml", "no child node");
  dir_.MakeFolder("std/gvs_includes/folder.xml");
  const std::string gone = DrivePath("drives/d/gone.xml", "d:\\gone.xml");
  const std::string text = "<std:node r>" + IncludeNode("outer.xml") +
                           IncludeNode("childless.xml") + IncludeNode("folder.xml") +
                           IncludeNode(gone) +
                           "<std:node type=\"includefile\"><std:strval>x</std:strval>";
  const Expanded expanded = ExpectLikeRescan(WriteSheet(text));
  const std::size_t last_mark = text.rfind("\"includefile\">");
  EXPECT_EQ(expanded.events,
            (std::vector<std::string>{
                "1 included outer.xml", "2 included inner.xml", "2 not found none.xml",
                "1 empty childless.xml", "1 not found folder.xml", "1 unreadable " + Lower(gone),
                "malformed not closed in sheet.xml at 1:" + std::to_string(last_mark)}));
}

TEST_F(GvsExpanderTest, EachBoundStopsTheExpansionAtTheIncludeThatCrossesIt) {
  // Two include nodes of 81 characters (5 tags each) for a file that
  // brings in 111 characters with one tag: the text grows from 162 to 192
  // and 222 characters.
  const std::string content = "<std:node/>" + std::string(100, 'x');
  const int file_bytes = static_cast<int>(SheetFile(content).size());
  WriteInclude("t.xml", content);
  const std::string sheet = WriteSheet(IncludeNode("t.xml") + IncludeNode("t.xml"));
  const std::vector<std::string> none;
  const std::vector<std::string> first = {"1 stopped t.xml"};
  const std::vector<std::string> second = {"1 included t.xml", "1 stopped t.xml"};
  const std::vector<std::string> both = {"1 included t.xml", "1 included t.xml"};
  // Work: the style sheet's 162 bytes, 5 for each name, the file's bytes
  // when it is first read, and its one tag each time it goes in.
  const struct {
    AXOGvsLimits limits;
    AXOGvsExpansion result;
    const std::vector<std::string>& events;
  } cases[] = {
      {{222, 2, 1000}, AXOGvsExpansion::kExpanded, both},
      {{222, 1, 1000}, AXOGvsExpansion::kTooManyIncludes, second},
      {{222, 0, 1000}, AXOGvsExpansion::kTooManyIncludes, first},
      {{221, 2, 1000}, AXOGvsExpansion::kTooLong, second},
      {{191, 2, 1000}, AXOGvsExpansion::kTooLong, first},
      {{161, 2, 1000}, AXOGvsExpansion::kTooLong, none},
      {{222, 2, 174 + file_bytes}, AXOGvsExpansion::kExpanded, both},
      {{222, 2, 173 + file_bytes}, AXOGvsExpansion::kTooMuchWork, second},
      {{222, 2, 168 + file_bytes}, AXOGvsExpansion::kTooMuchWork, second},
      {{222, 2, 167 + file_bytes}, AXOGvsExpansion::kTooMuchWork, first},
      {{222, 2, 161}, AXOGvsExpansion::kTooMuchWork, none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.limits.maxLength << " characters, " << c.limits.maxIncludes
                                    << " includes, " << c.limits.maxWork << " work");
    const Expanded expanded = ExpandWith(sheet, c.limits);
    EXPECT_EQ(expanded.result, c.result);
    EXPECT_EQ(expanded.events, c.events);
    EXPECT_EQ(expanded.text,
              c.result == AXOGvsExpansion::kExpanded ? content + content : "<untouched>");
  }
}

// Random texts built from the pieces that the expansion looks for, in odd
// letter case, whole include nodes among them. The files they name are
// a<n>.xml, B<n>.xml (in the default collection), c<n>.xml and the style
// sheet s<n>.xml itself, n being the seed: each case has files of its own.
class SheetGenerator {
 public:
  explicit SheetGenerator(unsigned seed) : random_(seed), tag_(std::to_string(seed) + ".xml") {}

  std::string Text(int pieces) {
    static const char* const kPieces[] = {
        "<std:node", "<STD:Node", "<std:node a=\"1\">", "<std:node/>", " x ", "\r\n",
        "\"includefile\">", "\"IncludeFile\">", "\"includefile\"", ">", "<std:strval>",
        "<Std:StrVal>", "</std:strval>", "</STD:STRVAL>", "</std:node>", "</Std:Node>",
        "</std:node", "a", "B", "s", "missing", ".xml",
        // Text beyond ASCII: a letter, a
        // letter whose lower case is "i",
        // and the two halves of one, which
        // must not join where texts meet.
        "\xc3\xa9", "\"\xc4\xb0ncludefile\">", "\xc3", "\xa9"};
    static const char* const kNames[] = {"a", "B", "c", "s", "missing", ""};
    static const char* const kMarks[] = {"includefile", "IncludeFile", "INCLUDEFILE"};
    std::string text;
    for (int i = 0; i < pieces; ++i) {
      if (Pick(5) < 2) {
        const std::string name = kNames[Pick(std::size(kNames))];
        text += GvsTest::IncludeNode(name.empty() ? name : name + tag_, kMarks[Pick(3)]);
      } else {
        text += kPieces[Pick(std::size(kPieces))];
        if (Pick(4) == 0) text += tag_;
      }
    }
    return text;
  }
  // Mostly a file with a root node around the text.
  std::string File() {
    const std::string text = Text(static_cast<int>(Pick(6)));
    return Pick(5) == 0 ? text : GvsTest::SheetFile(text);
  }
  const std::string& Tag() const { return tag_; }

 private:
  std::size_t Pick(std::size_t count) { return random_() % count; }
  std::mt19937 random_;
  std::string tag_;
};

TEST_F(GvsExpanderTest, GeneratedStyleSheetsExpandAsTheRescanDoes) {
  int cycles = 0;
  for (unsigned seed = 1; seed <= 400; ++seed) {
    SCOPED_TRACE(seed);
    SheetGenerator generate(seed);
    const std::string& tag = generate.Tag();
    dir_.WriteFile("std/gvs_includes/a" + tag, generate.File());
    dir_.WriteFile("default/gvs_includes/b" + tag, generate.File());
    dir_.WriteFile("std/gvs_includes/c" + tag, generate.File());
    // The style sheet is an include file too, so that it can include itself.
    const std::string sheet = "std/gvs_includes/s" + tag;
    dir_.WriteFile(sheet, generate.File());
    if (ExpectLikeRescan(dir_.Host(sheet)).cycle) ++cycles;
  }
  EXPECT_GT(cycles, 10);  // the sheets do hold cycles
}

}  // namespace
