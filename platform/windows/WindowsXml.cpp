// XML reading of the Windows backend, with the XmlLite reader that Windows
// ships.
//
// Wine's XmlLite is laxer than Windows' own; this file makes up for the
// namespace prefixes, repeated attributes and truncated documents it lets
// through. Left to the reader: under Wine a reference to an undeclared
// entity comes through as text, carriage returns in text are kept, and a
// document without XML declaration that starts with whitespace is taken
// for one without root.
#include "WindowsSystem.h"

#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <climits>
#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "../AXOPlatformBackend.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

namespace {

typedef HRESULT(WINAPI* CreateXmlReaderFunction)(REFIID, void**, IMalloc*);

// Holds one reference to a COM object.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (object_ != nullptr) object_->Release();
  }
  void Reset(T* object) {
    if (object_ != nullptr) object_->Release();
    object_ = object;
  }
  T** Out() { return &object_; }
  T* operator->() const { return object_; }
  T* Get() const { return object_; }

 private:
  T* object_ = nullptr;
};

// Not every toolchain has an import library for XmlLite, so the DLL is
// loaded at first use and kept for the life of the process.
CreateXmlReaderFunction XmlReaderFactory() {
  static const CreateXmlReaderFunction factory = []() -> CreateXmlReaderFunction {
    HMODULE module = ::LoadLibraryW(L"XmlLite.dll");
    if (module == nullptr) return nullptr;
    // Through void (*)(): the cast between unrelated function types is
    // intended here.
    return reinterpret_cast<CreateXmlReaderFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(module, "CreateXmlReader")));
  }();
  return factory;
}

std::string Utf8(const WCHAR* text, UINT length) {
  if (text == nullptr || length == 0) return std::string();
  return AXOUtf8FromWide(std::wstring(text, length));
}

std::string QualifiedName(IXmlReader* reader) {
  const WCHAR* name = nullptr;
  UINT length = 0;
  if (FAILED(reader->GetQualifiedName(&name, &length))) return std::string();
  return Utf8(name, length);
}

std::string Value(IXmlReader* reader) {
  const WCHAR* value = nullptr;
  UINT length = 0;
  if (FAILED(reader->GetValue(&value, &length))) return std::string();
  return Utf8(value, length);
}

bool IsNamespaceDeclaration(const std::string& name) {
  return name == "xmlns" || name.compare(0, 6, "xmlns:") == 0;
}

// The attributes of the element the reader is on, namespace declarations
// first (as the POSIX backend gives them); leaves the reader on the element.
std::vector<AXOXmlAttribute> Attributes(IXmlReader* reader) {
  std::vector<AXOXmlAttribute> declarations;
  std::vector<AXOXmlAttribute> others;
  for (HRESULT hr = reader->MoveToFirstAttribute(); hr == S_OK;
       hr = reader->MoveToNextAttribute()) {
    AXOXmlAttribute attribute{QualifiedName(reader), Value(reader)};
    (IsNamespaceDeclaration(attribute.name) ? declarations : others)
        .push_back(std::move(attribute));
  }
  reader->MoveToElement();
  declarations.insert(declarations.end(), others.begin(), others.end());
  return declarations;
}

// The namespace prefixes declared on the open elements. Windows' XmlLite
// checks prefixes itself, but not every implementation of it does (Wine's
// does not); the check here makes every reader refuse what expat refuses.
class PrefixScopes {
 public:
  // Opens the scope of an element with these attributes.
  void Open(const std::vector<AXOXmlAttribute>& attributes) {
    scopes_.emplace_back();
    for (const AXOXmlAttribute& attribute : attributes) {
      if (attribute.name.compare(0, 6, "xmlns:") == 0) {
        scopes_.back().push_back(attribute.name.substr(6));
      }
    }
  }
  void Close() {
    if (!scopes_.empty()) scopes_.pop_back();
  }

  // Why an element with this name and attributes is refused, or "".
  std::string Fault(const std::string& name, const std::vector<AXOXmlAttribute>& attributes) const {
    if (!IsBound(name)) return "undeclared namespace prefix in '" + name + "'";
    for (std::size_t i = 0; i < attributes.size(); ++i) {
      const std::string& attribute = attributes[i].name;
      if (!IsNamespaceDeclaration(attribute) && !IsBound(attribute)) {
        return "undeclared namespace prefix in '" + attribute + "'";
      }
      for (std::size_t j = 0; j < i; ++j) {
        if (attributes[j].name == attribute) return "duplicate attribute '" + attribute + "'";
      }
    }
    return std::string();
  }

 private:
  bool IsBound(const std::string& qualifiedName) const {
    const std::size_t colon = qualifiedName.find(':');
    if (colon == std::string::npos) return true;
    const std::string prefix = qualifiedName.substr(0, colon);
    if (prefix == "xml") return true;
    for (const std::vector<std::string>& scope : scopes_) {
      for (const std::string& declared : scope) {
        if (declared == prefix) return true;
      }
    }
    return false;
  }

  std::vector<std::vector<std::string>> scopes_;
};

std::string Positioned(IXmlReader* reader, const std::string& message) {
  UINT line = 1;
  UINT column = 1;
  if (reader != nullptr) {
    reader->GetLineNumber(&line);
    reader->GetLinePosition(&column);
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
}

std::string FaultMessage(HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  return std::string("not well-formed (XmlLite error ") + code + ")";
}

// Reads the nodes of `reader` into `handler`. Returns S_OK when the document
// was read whole, or the failure; `message` is set for a failure that the
// reader does not report itself.
HRESULT ReadNodes(IXmlReader* reader, AXOXmlSaxHandler& handler, std::string& message) {
  int depth = 0;
  bool saw_root = false;
  PrefixScopes scopes;
  std::pair<UINT, UINT> last_position(0, 0);
  XmlNodeType type = XmlNodeType_None;
  HRESULT hr = S_OK;
  while ((hr = reader->Read(&type)) == S_OK) {
    // Within the root element each node starts after the one before.
    // Wine's reader, at a premature end of the input, gives the last node
    // again or closes the open elements at their start tags instead of
    // failing. (Its positions of nodes outside the root are not reliable.)
    if (depth > 0 || type == XmlNodeType_Element) {
      std::pair<UINT, UINT> position(0, 0);
      reader->GetLineNumber(&position.first);
      reader->GetLinePosition(&position.second);
      if (position <= last_position) {
        message = "unexpected end of the document";
        return E_FAIL;
      }
      last_position = position;
    }
    switch (type) {
      case XmlNodeType_Element: {
        // Asked before the attributes are visited, while on the element.
        const bool empty = reader->IsEmptyElement() != FALSE;
        const std::string name = QualifiedName(reader);
        const std::vector<AXOXmlAttribute> attributes = Attributes(reader);
        scopes.Open(attributes);
        message = scopes.Fault(name, attributes);
        if (!message.empty()) return E_FAIL;
        handler.StartElement(name, attributes);
        saw_root = true;
        if (empty) {
          handler.EndElement(name);
          scopes.Close();
        } else {
          ++depth;
        }
        break;
      }
      case XmlNodeType_EndElement:
        scopes.Close();
        --depth;
        handler.EndElement(QualifiedName(reader));
        break;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        // Whitespace around the root element is not character data.
        if (depth > 0) handler.Characters(Value(reader));
        break;
      default:
        break;
    }
  }
  if (FAILED(hr)) return hr;
  if (!saw_root) {
    message = "no element found";
    return E_FAIL;
  }
  if (depth > 0) {
    message = "the document ends inside an element";
    return E_FAIL;
  }
  return S_OK;
}

}  // namespace

AXOStatus AXOPlatformBackend::ParseXml(const std::string& document, AXOXmlSaxHandler& handler) {
  const CreateXmlReaderFunction create_reader = XmlReaderFactory();
  if (create_reader == nullptr) {
    return AXOStatus(AXOStatusCode::kNotFound, "XmlLite.dll",
                     "the XML reader of the system cannot be loaded");
  }
  if (document.size() > UINT_MAX) {
    return AXOStatus(AXOStatusCode::kTooLarge, "", Positioned(nullptr, "document too large"));
  }
  ComRef<IStream> stream;
  stream.Reset(::SHCreateMemStream(reinterpret_cast<const BYTE*>(document.data()),
                                   static_cast<UINT>(document.size())));
  if (stream.Get() == nullptr) throw std::bad_alloc();
  ComRef<IXmlReader> reader;
  const HRESULT created =
      create_reader(__uuidof(IXmlReader), reinterpret_cast<void**>(reader.Out()), nullptr);
  if (created == E_OUTOFMEMORY) throw std::bad_alloc();
  if (FAILED(created)) return AXOWindowsResultStatus(created, "XmlLite.dll");
  // Prohibited is the reader's default; it is set so that a document type
  // declaration, whose entities could expand without bound, is refused.
  reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
  HRESULT hr = reader->SetInput(stream.Get());
  std::string message;
  if (SUCCEEDED(hr)) hr = ReadNodes(reader.Get(), handler, message);
  if (FAILED(hr)) {
    return AXOStatus(AXOStatusCode::kDamaged, "",
                     Positioned(reader.Get(), message.empty() ? FaultMessage(hr) : message));
  }
  return AXOStatus();
}
