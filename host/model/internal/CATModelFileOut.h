#ifndef CATModelFileOut_h
#define CATModelFileOut_h

// The JSON text of a document file, written straight into one string: two
// spaces an indentation level, one member or item a line, except that
// lists of numbers (a point; the corners of a box or the rows of a rotation,
// up to kCATModelFileOutLineNumbers numbers) stay on one line.
// Texts are written as they are (UTF-8) with ", \ and control characters
// escaped.
//
// Calls must form one value: BeginObject, then Key and a value for each
// member, then EndObject; BeginArray, values, EndArray.
//
// The text grows ahead of what is written, so that each piece is copied in
// place without an append of its own: it is the CATModelFileOut's alone
// while that lives, and may end in unwritten bytes until Flush or the
// CATModelFileOut's end cuts it to what was written.

#include <cstddef>
#include <string>
#include <vector>

// The most numbers that Rows writes on one line.
constexpr std::size_t kCATModelFileOutLineNumbers = 12;

class CATModelFileOut {
 public:
  // Appends to `text`.
  explicit CATModelFileOut(std::string& text) : text_(text), used_(text.size()) {}
  ~CATModelFileOut() { Flush(); }
  CATModelFileOut(const CATModelFileOut&) = delete;
  CATModelFileOut& operator=(const CATModelFileOut&) = delete;

  // Cuts the text to what was written so far.
  void Flush() { text_.resize(used_); }

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member; throws CATModelFileFault when `name` is
  // not valid UTF-8.
  void Key(const std::string& name);
  void Key(const char* name);

  // Throws CATModelFileFault when `utf8` is not valid UTF-8.
  void Text(const std::string& utf8);
  void Text(const char* utf8, std::size_t size);
  // Writes the text of code points `chars` when all of them are ASCII,
  // without making its UTF-8 form first, and returns true; false, writing
  // nothing, when one is not.
  bool AsciiText(const std::u32string& chars);
  void Integer(long long number);
  // Whole numbers below 2^53 without a fraction, others as the shortest
  // text that reads back as the same number.
  void Number(double number);
  void Boolean(bool value);
  // A list of `count` numbers, on one line.
  void Numbers(const double* numbers, std::size_t count);
  // A list of `rows` lists of `columns` numbers each: on one line when
  // there are at most kCATModelFileOutLineNumbers numbers, else one row a
  // line.
  void Rows(const double* numbers, std::size_t rows, std::size_t columns);

 private:
  // Writes what goes before a value (a comma, a line end and indentation
  // as needed), grows the text by `size` bytes more and returns where they
  // start, for the caller to fill.
  char* Start(std::size_t size);
  void BeforeValue();
  // Grows the text by `size` bytes; where they start.
  char* Grow(std::size_t size) {
    if (text_.size() - used_ < size) Expand(size);
    char* const at = &text_[used_];
    used_ += size;
    return at;
  }
  // Makes room for at least `size` bytes more: all the capacity the text
  // has, at least twice what it holds.
  void Expand(std::size_t size);
  void Append(const char* bytes, std::size_t size);
  void Append(char byte) { *Grow(1) = byte; }
  // The size of a line end with the current indentation, and its writing
  // at `at`; returns the end of what was written.
  std::size_t LineLength() const;
  char* Line(char* at) const;
  void Close(char bracket);
  void Key(const char* name, std::size_t size);
  void AppendInteger(long long number);
  void AppendNumber(double number);
  void NumberList(const double* numbers, std::size_t count);
  void Quoted(const char* text, std::size_t size);
  // The escape of `byte`, an ASCII character that is not written as it is.
  void Escape(unsigned char byte);

  std::string& text_;
  std::size_t used_;         // the bytes of text_ written so far
  std::string ascii_;        // AsciiText's bytes when some are escaped, kept for the next
  std::vector<bool> empty_;  // per open object or array: nothing in it yet
  bool after_key_ = false;
};

#endif  // CATModelFileOut_h
