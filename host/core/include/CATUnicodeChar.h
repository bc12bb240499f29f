#ifndef CATUnicodeChar_h
#define CATUnicodeChar_h

// Contract: every declaration here is the host's.

// One character of a CATUnicodeString: a Unicode code point.
class CATUnicodeChar {
 public:
  CATUnicodeChar() = default;
  CATUnicodeChar(char c) : code_(static_cast<unsigned char>(c)) {}  // NOLINT: as the host
  CATUnicodeChar(char32_t code) : code_(code) {}                    // NOLINT

  char32_t GetCode() const { return code_; }
  bool operator==(const CATUnicodeChar& o) const { return code_ == o.code_; }
  bool operator!=(const CATUnicodeChar& o) const { return code_ != o.code_; }

 private:
  char32_t code_ = U' ';
};

#endif  // CATUnicodeChar_h
