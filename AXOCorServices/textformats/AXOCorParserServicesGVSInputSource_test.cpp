// The expanded style sheet read by the host's SAX parser.
#include <map>
#include <string>

#include "CATIXMLSAXFactory.h"
#include "textformats/AXOCorParserServicesGVSTestFixture.h"

namespace {

// Counts what the parser reports.
class CountingHandler : public CATISAXContentHandler {
 public:
  void StartElement(const CATUnicodeString& qName, const CATSAXAttributes& attributes) override {
    ++elements[qName.ConvertToChar()];
    this->attributes += attributes.GetLength();
    CATUnicodeString name;
    if (attributes.GetValue("name", name)) names += std::string(name.ConvertToChar()) + ";";
    ++depth;
  }
  void EndElement(const CATUnicodeString&) override { --depth; }
  void Characters(const CATUnicodeString& piece) override { text += piece.ConvertToChar(); }

  std::map<std::string, int> elements;
  int attributes = 0;
  int depth = 0;
  std::string names;
  std::string text;
};

class GvsInputSourceTest : public GvsTest {
 protected:
  void SetUp() override {
    GvsTest::SetUp();
    live_at_start_ = CATBaseUnknown::LiveObjectCount();
  }
  void TearDown() override {
    CATXMLSAXSetFaultForTesting(CATXMLSAXFault::None);
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_at_start_);
    GvsTest::TearDown();
  }

  // Parses the document of `source` with a new factory.
  static HRESULT Parse(const CATISAXInputSource_var& source, CountingHandler& handler,
                       CATUnicodeString& error) {
    CATIXMLSAXFactory_var factory;
    EXPECT_EQ(CreateCATIXMLSAXFactory(CLSID_XML4C_SAX, factory), S_OK);
    return factory->Parse(source, handler, error);
  }

 private:
  long live_at_start_ = 0;
};

TEST_F(GvsInputSourceTest, ParserReadsTheExpandedStyleSheet) {
  WriteInclude("layers.xml",
               "\r\n  <std:node name=\"Core\"><std:realval>200.0</std:realval></std:node>\r\n"
               "  <std:node name=\"Finish\"><std:realval>15.0</std:realval></std:node>\r\n  " +
                   IncludeNode("units.xml") + "\r\n");
  WriteInclude("units.xml", "<std:node name=\"Length\"><std:strval>mm</std:strval></std:node>");
  const std::string sheet = WriteSheet(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<std:node name=\"Walls\" xmlns:std=\"urn:gvs\">\r\n"
      "  <std:node name=\"Layers\" type=\"includefile\">\r\n"
      "    <std:strval>layers.xml</std:strval>\r\n  </std:node>\r\n"
      "  <std:node name=\"Pattern\"><std:strval>B\xC3\xA9ton</std:strval></std:node>\r\n"
      "</std:node>\r\n");

  CATISAXInputSource_var source;
  ASSERT_EQ(AXOCorParserServices::CreateInputSourceFromGVS(sheet.c_str(), source), S_OK);
  ASSERT_TRUE(!!source);
  CATUnicodeString system_id;
  source->GetSystemId(system_id);
  EXPECT_EQ(system_id, "AXOGVS");

  CountingHandler handler;
  CATUnicodeString error;
  ASSERT_EQ(Parse(source, handler, error), S_OK) << error.ConvertToChar();
  EXPECT_EQ(handler.elements["std:node"], 5);
  EXPECT_EQ(handler.elements["std:realval"], 2);
  EXPECT_EQ(handler.elements["std:strval"], 2);
  EXPECT_EQ(handler.elements.size(), 3u);
  EXPECT_EQ(handler.attributes, 6);  // xmlns:std and five names
  EXPECT_EQ(handler.names, "Walls;Core;Finish;Length;Pattern;");
  EXPECT_EQ(handler.depth, 0);
  EXPECT_NE(handler.text.find("200.0"), std::string::npos);
  EXPECT_NE(handler.text.find("B\xC3\xA9ton"), std::string::npos);
  EXPECT_EQ(handler.text.find('\r'), std::string::npos);
}

TEST_F(GvsInputSourceTest, MalformedExpansionStillGivesASourceThatFailsToParse) {
  WriteInclude("broken.xml", "<std:node name=\"a\"><std:node name=\"b\"></std:node>");
  const std::string sheet =
      WriteSheet("<std:node xmlns:std=\"urn:gvs\">" + IncludeNode("broken.xml") + "</std:node>");
  CATISAXInputSource_var source;
  ASSERT_EQ(AXOCorParserServices::CreateInputSourceFromGVS(sheet.c_str(), source), S_OK);
  CountingHandler handler;
  CATUnicodeString error;
  EXPECT_EQ(Parse(source, handler, error), E_FAIL);
  EXPECT_EQ(std::string(error.ConvertToChar()).rfind("AXOGVS: line 1", 0), 0u)
      << error.ConvertToChar();
}

TEST_F(GvsInputSourceTest, FailuresLeaveNoSource) {
  const std::string sheet = WriteSheet("<std:node/>");
  const struct {
    const char* why;
    std::string path;
    CATXMLSAXFault fault;
    HRESULT expected;
  } cases[] = {
      {"unreadable style sheet", dir_.Host("missing.xml"), CATXMLSAXFault::None, E_FAIL},
      {"no factory", sheet, CATXMLSAXFault::NoFactory, E_FAIL},
      {"factory fails", sheet, CATXMLSAXFault::InputSourceFails, E_OUTOFMEMORY},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    CATXMLSAXSetFaultForTesting(c.fault);
    CATISAXInputSource_var source;
    EXPECT_EQ(AXOCorParserServices::CreateInputSourceFromGVS(c.path.c_str(), source), c.expected);
    EXPECT_TRUE(!source);
  }
}

}  // namespace
