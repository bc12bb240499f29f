#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CATIXMLSAXFactory.h"

namespace {

// Writes the events it receives as one line each: "<name a=v>", "</name>",
// "'text'" (adjacent character pieces joined).
class RecordingHandler : public CATISAXContentHandler {
 public:
  void StartElement(const CATUnicodeString& qName, const CATSAXAttributes& attributes) override {
    std::string line = "<" + std::string(qName.ConvertToChar());
    for (int i = 0; i < attributes.GetLength(); ++i) {
      line += " " + std::string(attributes.GetQName(i).ConvertToChar()) + "=" +
              attributes.GetValue(i).ConvertToChar();
    }
    events.push_back(line + ">");
  }
  void EndElement(const CATUnicodeString& qName) override {
    events.push_back("</" + std::string(qName.ConvertToChar()) + ">");
  }
  void Characters(const CATUnicodeString& text) override {
    const std::string piece = text.ConvertToChar();
    if (!events.empty() && events.back().front() == '\'') {
      events.back().insert(events.back().size() - 1, piece);
    } else {
      events.push_back("'" + piece + "'");
    }
  }

  std::vector<std::string> events;
};

class XMLSAXTest : public ::testing::Test {
 protected:
  void SetUp() override {
    live_at_start_ = CATBaseUnknown::LiveObjectCount();
    ASSERT_EQ(CreateCATIXMLSAXFactory(CLSID_XML4C_SAX, factory_), S_OK);
    ASSERT_TRUE(!!factory_);
  }
  void TearDown() override {
    CATXMLSAXSetFaultForTesting(CATXMLSAXFault::None);
    factory_.Clear();
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_at_start_);
  }

  // Parses `text` as a document named "Doc"; returns the parse result.
  HRESULT Parse(const CATUnicodeString& text, RecordingHandler& handler, CATUnicodeString& error) {
    CATISAXInputSource_var source;
    EXPECT_EQ(factory_->CreateInputSourceFromString(text, "Doc", source), S_OK);
    return factory_->Parse(source, handler, error);
  }

  CATIXMLSAXFactory_var factory_;

 private:
  long live_at_start_ = 0;
};

TEST_F(XMLSAXTest, InputSourceKeepsSystemIdAndTheTextsBytes) {
  CATISAXInputSource_var source;
  ASSERT_EQ(factory_->CreateInputSourceFromString("<a>\xC3\xA9</a>", "AXOGVS", source), S_OK);
  ASSERT_TRUE(!!source);
  CATUnicodeString system_id;
  std::string bytes;
  EXPECT_EQ(source->GetSystemId(system_id), S_OK);
  EXPECT_EQ(source->GetDocumentBytes(bytes), S_OK);
  EXPECT_EQ(system_id, "AXOGVS");
  EXPECT_EQ(bytes, "<a>\xC3\xA9</a>");
}

TEST_F(XMLSAXTest, ReportsElementsAttributesAndTextInDocumentOrder) {
  const CATUnicodeString text(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<!-- comment -->\n"
      "<std:root b=\"2\" xmlns:std=\"urn:gvs\" a=\"1 &amp; 2\">"
      "<std:node name=\"x\"/>t&lt;<![CDATA[<raw>]]>&#233;<?pi data?></std:root>\n");
  RecordingHandler handler;
  CATUnicodeString error;
  ASSERT_EQ(Parse(text, handler, error), S_OK) << error.ConvertToChar();
  const std::vector<std::string> expected = {"<std:root xmlns:std=urn:gvs b=2 a=1 & 2>",
                                             "<std:node name=x>", "</std:node>",
                                             "'t<<raw>\xC3\xA9'", "</std:root>"};
  EXPECT_EQ(handler.events, expected);
  EXPECT_EQ(error, "");
}

TEST_F(XMLSAXTest, ReadsTheEncodingOfTheDocument) {
  // UTF-16 with its byte-order mark; the text keeps the bytes as they are.
  std::string utf16 = "\xFF\xFE";
  for (const char c : std::string("<a v=\"\xE9\"/>")) {
    utf16 += c;
    utf16 += '\0';
  }
  const CATUnicodeString text(utf16.data(), utf16.size());
  RecordingHandler handler;
  CATUnicodeString error;
  ASSERT_EQ(Parse(text, handler, error), S_OK) << error.ConvertToChar();
  ASSERT_EQ(handler.events.size(), 2u);
  EXPECT_EQ(handler.events[0], "<a v=\xC3\xA9>");
}

TEST_F(XMLSAXTest, RefusesDocumentsThatAreNotWellFormed) {
  const struct {
    const char* text;
    const char* why;
  } cases[] = {
      {"", "empty"},
      {"<a><b></a>", "mismatched end tag"},
      {"<a>", "unclosed root"},
      {"<a><b></b>", "root unclosed after a child"},
      {"<a><b/>", "root unclosed after an empty child"},
      {"<a>text", "root unclosed after text"},
      {"<a></a><b/>", "two roots"},
      {"<a x=\"1\" x=\"2\"/>", "repeated attribute"},
      {"<std:node/>", "undeclared prefix"},
      {"<a p:x=\"1\"/>", "undeclared attribute prefix"},
      {"<a><b xmlns:p=\"u\"/><p:c/></a>", "prefix used outside its scope"},
      {"<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>", "document type declaration"},
      {"text", "no element"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    RecordingHandler handler;
    CATUnicodeString error;
    EXPECT_EQ(Parse(c.text, handler, error), E_FAIL);
    const std::string message = error.ConvertToChar();
    EXPECT_EQ(message.rfind("Doc: line ", 0), 0u) << message;
  }
}

TEST_F(XMLSAXTest, NullSourceIsAnInvalidArgument) {
  RecordingHandler handler;
  CATUnicodeString error("kept");
  EXPECT_EQ(factory_->Parse(CATISAXInputSource_var(), handler, error), E_INVALIDARG);
  EXPECT_EQ(error, "kept");
  EXPECT_TRUE(handler.events.empty());
}

TEST_F(XMLSAXTest, AttributesAreFoundByName) {
  CATSAXAttributes attributes;
  attributes.Add("a", "1");
  attributes.Add("std:b", "2");
  CATUnicodeString value("kept");
  EXPECT_TRUE(attributes.GetValue("std:b", value));
  EXPECT_EQ(value, "2");
  EXPECT_FALSE(attributes.GetValue("b", value));
  EXPECT_EQ(value, "2");
  EXPECT_EQ(attributes.GetQName(2), "");
  EXPECT_EQ(attributes.GetValue(-1), "");
}

TEST_F(XMLSAXTest, UnknownParserClassGivesNoFactory) {
  const CLSID other = {0x1, 0x2, 0x3, {0, 0, 0, 0, 0, 0, 0, 4}};
  CATIXMLSAXFactory_var factory = factory_;
  EXPECT_EQ(CreateCATIXMLSAXFactory(other, factory), E_INVALIDARG);
  EXPECT_TRUE(!factory);
}

TEST_F(XMLSAXTest, TestFaultsMakeTheStandInRefuse) {
  CATXMLSAXSetFaultForTesting(CATXMLSAXFault::NoFactory);
  CATIXMLSAXFactory_var factory;
  EXPECT_EQ(CreateCATIXMLSAXFactory(CLSID_XML4C_SAX, factory), E_FAIL);
  EXPECT_TRUE(!factory);

  CATISAXInputSource_var source;
  ASSERT_EQ(factory_->CreateInputSourceFromString("<a/>", "Doc", source), S_OK);
  CATXMLSAXSetFaultForTesting(CATXMLSAXFault::InputSourceFails);
  EXPECT_EQ(factory_->CreateInputSourceFromString("<a/>", "Doc", source), E_OUTOFMEMORY);
  EXPECT_TRUE(!source);
}

}  // namespace
