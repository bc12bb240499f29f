#ifndef BoxCommand_h
#define BoxCommand_h

// "axocor model box FILE [FEATURE-PATH] [--json]": the bounding box of the
// root of a document (the part of a part document, else its root product,
// with every product below it placed), or of the instance or feature that
// FEATURE-PATH names (ModelLookup.h), placed in the document root's space
// by the instances on the path; labelled with the object's name. Prints
// one line:
//
//   "Building": x 0 .. 10000  y 0 .. 4000  z 0 .. 2700
//   "Roof": empty
//
// the numbers in their shortest exact form; with --json
// {"name":"Building","empty":false,"x":[0,10000],"y":[0,4000],"z":[0,2700]}.
// Fails, naming the fault, when the document cannot be opened or is broken
// (OpenedModel.h), a name is not found, or the object has no box.

namespace CLI {
class App;
}  // namespace CLI

void RegisterBoxCommand(CLI::App& group);

#endif  // BoxCommand_h
