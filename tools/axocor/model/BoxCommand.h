#ifndef BoxCommand_h
#define BoxCommand_h

// "axocor model box FILE [FEATURE-PATH]": the bounding box of the root of a
// document (its root product, or its part), or of the object that
// FEATURE-PATH names below the root: names separated by "\", each that of
// a direct child of the object before it (the child products of a product,
// the direct children of a feature), compared exactly. Prints one line:
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
