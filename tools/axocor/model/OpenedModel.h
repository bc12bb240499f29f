#ifndef OpenedModel_h
#define OpenedModel_h

// A document file that a model command works on, opened with the
// documents it refers to, and what is broken in them. Every model command
// opens its file this one way, so that all say alike why a file cannot be
// opened and what in it leads nowhere.

#include <string>
#include <vector>

#include "ModelLookup.h"

class CATDocument;

// A thing in a document that leads nowhere: the document (a native path),
// the object that holds the link or the instance, and the whole fault as
// the commands print it.
struct ModelFault {
  std::string document;
  std::string object;
  std::string text;
};

// Why the file `file` (as the user typed it) cannot be opened as a
// document: the platform's reason ("no such file or folder", "is a folder,
// not a file", "permission denied"), or the damaged field as "axocor model
// check" names it.
std::string WhyNotOpened(const std::string& file);

// Why the latest save of a document failed, as the stand-in noted it ("no
// space left on the device", "name too long", "locked by another
// process"); right after a failed CATDocumentServices::SaveAs.
std::string WhyNotSaved();

// A path as the user reads it: a storage name of the host in the native
// form of the system ("/home/me/Room.CATPart" on Linux).
std::string ShownPath(const CATUnicodeString& storageName);

class OpenedModel {
 public:
  // Opens `file` and the documents it refers to; ends the command with
  // "cannot open '<file>': <why>" when `file` cannot be opened.
  explicit OpenedModel(const std::string& file);
  // The document of `file`, opened already, alone; none when `document`
  // is null. The documents it refers to join it by Add.
  OpenedModel(const std::string& file, CATDocument* document);
  // Closes the documents of Documents(), saved or not.
  ~OpenedModel();
  OpenedModel(const OpenedModel&) = delete;
  OpenedModel& operator=(const OpenedModel&) = delete;

  CATDocument* Document() const { return documents_.front(); }
  // The document and those it leads to that are open, the file's first.
  const std::vector<CATDocument*>& Documents() const { return documents_; }
  // `document`, open, joins Documents() (once).
  void Add(CATDocument* document);
  // The storage names of Documents(): the files the command read.
  std::vector<std::string> Files() const;

  // What leads nowhere in `document`, one fault each: an instance whose
  // reference's file cannot be opened ("instance "Room.1" refers to
  // /m/Missing.CATPart, which cannot be opened: no such file"), a link to
  // an id that the target's document does not hold ("link of "Wall.1" to id
  // "door9", which /m/Room.CATPart does not hold"), an instance whose
  // reference is no product.
  std::vector<ModelFault> Faults(CATDocument* document) const;
  // The faults of all the documents.
  std::vector<ModelFault> AllFaults() const;
  // Ends the command with the faults, when there are any: a query on a
  // broken document has no sound answer.
  void FailIfBroken() const;

  // The object that `path` names (ModelLookup.h); ends the command with
  // the fault when there is none.
  ModelTarget Find(const std::string& path) const;

 private:
  std::string file_;
  std::vector<CATDocument*> documents_;
};

#endif  // OpenedModel_h
