#ifndef PartCommands_h
#define PartCommands_h

// "axocor model publish" and "axocor model save-part" (PartCommands.cpp),
// added to the "model" group by RegisterModelCommands.

namespace CLI {
class App;
}  // namespace CLI

void RegisterPartCommands(CLI::App& modelGroup);
// "axocor model plan" (PlanCommand.cpp).
void RegisterPlanCommand(CLI::App& modelGroup);

#endif  // PartCommands_h
