#ifndef AxocorOutput_h
#define AxocorOutput_h

// Where a command's result goes, as every "-o" of the tool takes it: no
// option or "-o -" is standard output, anything else a file, which may not
// be any file the command read (its document and those it refers to, a
// style sheet and its includes): a result written over its own input would
// lose it. Files are compared by identity, not by name, so that a link, a
// hard link or another spelling of an input is refused as well.

#include <string>
#include <vector>

class AxocorOutput {
 public:
  // `option` as the user typed it. `inputs` are the files the command read,
  // host or native paths; those that are not there are passed over. Ends
  // the command ("'<option>' is <input>, which the command reads: it is not
  // replaced"; "... is a file which ..." when the names are the same) when
  // the output is one of them.
  AxocorOutput(const std::string& option, const std::vector<std::string>& inputs);

  bool ToStandardOutput() const { return path_.empty(); }
  // The native path of the file; empty for standard output.
  const std::string& Path() const { return path_; }

  // Writes `text` to standard output as it stands, or replaces the file
  // with it (AxocorWriteFileOrFail).
  void Write(const std::string& text) const;

 private:
  std::string path_;
};

#endif  // AxocorOutput_h
