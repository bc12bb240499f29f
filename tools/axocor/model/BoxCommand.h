#ifndef BoxCommand_h
#define BoxCommand_h

// "axocor model box FILE [FEATURE-PATH]": the bounding box of the root of a
// document (the part of a part document, else its root product, with every
// product below it placed), or of the feature that FEATURE-PATH names, found
// as "axocor model publish" finds it (ModelLookup.h); a feature's box is in
// the coordinates of its part. Prints one line:
//
//   "Building": x 0 .. 10000  y 0 .. 4000  z 0 .. 2700
//   "Roof": empty
//
// the numbers in their shortest exact form. Fails, naming the fault, when
// the document cannot be opened, a name is not found, or the object has no
// box (it is none of the kinds that have one, or its part cannot be
// reached). The documents stay open until the tool ends.

namespace CLI {
class App;
}  // namespace CLI

void RegisterBoxCommand(CLI::App& group);

#endif  // BoxCommand_h
