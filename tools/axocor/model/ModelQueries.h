#ifndef ModelQueries_h
#define ModelQueries_h

// "axocor model dump|children|unique-name": queries of the library on the
// features of a document (ModelQueries.cpp).

namespace CLI {
class App;
}  // namespace CLI

// Adds the three commands to the "model" group.
void RegisterModelQueries(CLI::App& group);

#endif  // ModelQueries_h
