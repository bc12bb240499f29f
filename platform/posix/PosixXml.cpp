// XML reading of the POSIX backend, with expat.
#include <expat.h>

#include <algorithm>
#include <cstddef>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "../AXOPlatformBackend.h"

namespace {

// Separates namespace URI, local name and prefix in the names expat gives
// in namespace mode. U+0001 cannot occur in an XML 1.0 name or URI.
constexpr char kNameSeparator = '\x01';

// expat takes the input length as an int; larger documents go in pieces.
constexpr std::size_t kPieceSize = std::size_t{1} << 20;

// The state of one ParseXml call, reached from expat's callbacks.
struct ExpatReader {
  XML_Parser parser = nullptr;
  AXOXmlSaxHandler* handler = nullptr;
  std::vector<AXOXmlAttribute> declarations;  // of the element about to start
  std::string refusal;                        // why the reader stopped expat
  std::exception_ptr thrown;                  // by the handler, passed on after expat
};

// Runs a handler call; an exception must not unwind through expat's C
// frames, so it is kept and expat is stopped.
template <class Call>
void Guarded(ExpatReader* reader, Call call) {
  try {
    call();
  } catch (...) {
    reader->thrown = std::current_exception();
    XML_StopParser(reader->parser, XML_FALSE);
  }
}

// expat gives "uri<sep>local<sep>prefix" for a prefixed name, "uri<sep>local"
// for a name in the default namespace and "local" for a name in none; the
// handler wants the name as written.
std::string NameAsWritten(const XML_Char* expat_name) {
  const std::string name(expat_name);
  const std::size_t first = name.find(kNameSeparator);
  if (first == std::string::npos) return name;
  const std::size_t second = name.find(kNameSeparator, first + 1);
  if (second == std::string::npos) return name.substr(first + 1);
  return name.substr(second + 1) + ":" + name.substr(first + 1, second - first - 1);
}

void XMLCALL OnNamespaceDeclaration(void* data, const XML_Char* prefix, const XML_Char* uri) {
  auto* reader = static_cast<ExpatReader*>(data);
  Guarded(reader, [&] {
    AXOXmlAttribute declaration;
    declaration.name = prefix != nullptr ? std::string("xmlns:") + prefix : std::string("xmlns");
    declaration.value = uri != nullptr ? uri : "";
    reader->declarations.push_back(std::move(declaration));
  });
}

void XMLCALL OnStartElement(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto* reader = static_cast<ExpatReader*>(data);
  Guarded(reader, [&] {
    std::vector<AXOXmlAttribute> all;
    all.swap(reader->declarations);
    for (const XML_Char** a = attributes; a[0] != nullptr; a += 2) {
      all.push_back(AXOXmlAttribute{NameAsWritten(a[0]), a[1]});
    }
    reader->handler->StartElement(NameAsWritten(name), all);
  });
}

void XMLCALL OnEndElement(void* data, const XML_Char* name) {
  auto* reader = static_cast<ExpatReader*>(data);
  Guarded(reader, [&] { reader->handler->EndElement(NameAsWritten(name)); });
}

void XMLCALL OnCharacters(void* data, const XML_Char* text, int length) {
  auto* reader = static_cast<ExpatReader*>(data);
  Guarded(reader, [&] {
    reader->handler->Characters(std::string(text, static_cast<std::size_t>(length)));
  });
}

// A document type declaration could define entities that expand without
// bound; such documents are refused, as the Windows backend refuses them.
void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  auto* reader = static_cast<ExpatReader*>(data);
  reader->refusal = "document type declarations are not accepted";
  XML_StopParser(reader->parser, XML_FALSE);
}

std::string PositionedMessage(XML_Parser parser, const std::string& message) {
  return "line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ", column " +
         std::to_string(XML_GetCurrentColumnNumber(parser) + 1) + ": " + message;
}

}  // namespace

AXOStatus AXOPlatformBackend::ParseXml(const std::string& document, AXOXmlSaxHandler& handler) {
  ExpatReader reader;
  reader.handler = &handler;
  reader.parser = XML_ParserCreateNS(nullptr, kNameSeparator);
  if (reader.parser == nullptr) throw std::bad_alloc();
  XML_SetReturnNSTriplet(reader.parser, XML_TRUE);
  XML_SetUserData(reader.parser, &reader);
  XML_SetStartNamespaceDeclHandler(reader.parser, OnNamespaceDeclaration);
  XML_SetElementHandler(reader.parser, OnStartElement, OnEndElement);
  XML_SetCharacterDataHandler(reader.parser, OnCharacters);
  XML_SetStartDoctypeDeclHandler(reader.parser, OnDoctype);

  AXOStatus status;
  std::size_t offset = 0;
  do {
    const std::size_t piece = std::min(kPieceSize, document.size() - offset);
    const bool last = offset + piece == document.size();
    if (XML_Parse(reader.parser, document.data() + offset, static_cast<int>(piece),
                  last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
      if (reader.thrown) break;
      const XML_LChar* expat_message = XML_ErrorString(XML_GetErrorCode(reader.parser));
      const std::string message = !reader.refusal.empty()    ? reader.refusal
                                  : expat_message != nullptr ? expat_message
                                                             : "not well-formed";
      status = AXOStatus(AXOStatusCode::kDamaged, "", PositionedMessage(reader.parser, message));
      break;
    }
    offset += piece;
  } while (offset < document.size());
  XML_ParserFree(reader.parser);
  if (reader.thrown) std::rethrow_exception(reader.thrown);
  return status;
}
