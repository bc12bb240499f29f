// "axocor settings": shows, changes and resets the options of the DXF and
// IFC translators through the library's settings controllers, so that a
// change passes the library's checks and is saved as the host would save
// it.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorServices.h"
#include "AxocorCommands.h"
#include "CATFileFailure.h"
#include "CATIIniSettingManagment.h"
#include "SettingsFields.h"

namespace {

// One translator: its name on the command line, its repository, its
// controller factory and its fields.
template <class I>
struct Translator {
  const char* name;
  const char* repository;
  HRESULT (*factory)(const GUID&, void**);
  const std::vector<SettingField<I>>& fields;
};

// The interface `J` of the translator's controller, created on first use.
template <class J, class I>
CATHandle<J> Controller(const Translator<I>& translator) {
  CATHandle<J> handle = SettingsInterface<J>(translator.factory);
  if (!handle) {
    AxocorFail(std::string("the ") + translator.name +
               " settings are not available: the repository \"" + translator.repository +
               "\" cannot be opened or one of its settings cannot be read");
  }
  return handle;
}

// Makes the current values the reference state and writes them to the
// repository's file.
template <class I>
void CommitAndSave(const Translator<I>& translator) {
  CATIIniSettingManagment_var management = Controller<CATIIniSettingManagment>(translator);
  management->Commit();
  if (FAILED(management->SaveRepository())) {
    const AXOStatus& failure = CATLastFileFailure();
    AxocorFail(std::string("the ") + translator.name + " settings could not be saved" +
               (failure.ok() ? std::string() : ": " + failure.ToString()));
  }
}

template <class I>
void Show(const Translator<I>& translator) {
  CATHandle<I> settings = Controller<I>(translator);
  for (const SettingField<I>& field : translator.fields) {
    std::string text;
    std::cout << field.key << "\t" << (field.read(*settings, text) ? text : "(unreadable)") << "\n";
  }
}

template <class I>
void Set(const Translator<I>& translator, const std::string& key, const std::string& value) {
  for (const SettingField<I>& field : translator.fields) {
    if (key != field.key) continue;
    CATHandle<I> settings = Controller<I>(translator);
    if (!field.write(*settings, value)) {
      AxocorFail(std::string(translator.name) + " setting '" + key + "' refused the value '" +
                 value + "' (it takes " + field.form + ")");
    }
    CommitAndSave(translator);
    return;
  }
  std::string keys;
  for (const SettingField<I>& field : translator.fields) keys += std::string(" ") + field.key;
  AxocorFail(std::string(translator.name) + " has no setting '" + key + "'; its settings:" + keys);
}

template <class I>
void Reset(const Translator<I>& translator) {
  CATIIniSettingManagment_var management = Controller<CATIIniSettingManagment>(translator);
  management->ResetToAdminValues();
  CommitAndSave(translator);
}

const Translator<AXOITrsDxfSettingAtt> kDxf = {"dxf", "AXODxfUnitTypeElt", &GetAXOTrsDxfSettingCtrl,
                                               DxfSettingFields()};
const Translator<AXOITrsIfcSettingAtt> kIfc = {"ifc", "AXOIfcExport", &GetAXOTrsIfcSettingCtrl,
                                               IfcSettingFields()};

// Runs `action` on the translator named `name` (checked by CLI11).
template <class Action>
void ForTranslator(const std::string& name, Action action) {
  if (name == kDxf.name) {
    action(kDxf);
  } else {
    action(kIfc);
  }
}

CLI::Option* AddTranslatorOption(CLI::App* command, std::string& translator) {
  return command->add_option("translator", translator, "dxf or ifc")
      ->required()
      ->check(CLI::IsMember({"dxf", "ifc"}));
}

}  // namespace

void RegisterSettingsCommands(CLI::App& app) {
  CLI::App* group = app.add_subcommand("settings", "Options of the DXF and IFC translators");
  group->footer(
      "Examples:\n"
      "  axocor settings show ifc\n"
      "  axocor settings set ifc JoinLimit 60\n"
      "  axocor settings set ifc SagFactor 2.5mm\n"
      "  axocor settings reset dxf\n"
      "\n"
      "Settings live in the folder of CATUserSettingPath. 'set' and 'reset' save at once;\n"
      "'reset' takes the administrator's values (CATReferenceSettingPath), or the defaults.\n"
      "The IFC translator always exports Representation BRep, whatever is stored.");

  auto translator = std::make_shared<std::string>();
  CLI::App* show = group->add_subcommand("show", "Print every setting with its value");
  AddTranslatorOption(show, *translator);
  show->callback([=] { ForTranslator(*translator, [](const auto& t) { Show(t); }); });

  auto key = std::make_shared<std::string>();
  auto value = std::make_shared<std::string>();
  CLI::App* set = group->add_subcommand("set", "Change one setting and save");
  AddTranslatorOption(set, *translator);
  set->add_option("key", *key, "Setting name, as 'show' prints it")->required();
  set->add_option("value", *value, "New value")->required();
  set->callback([=] { ForTranslator(*translator, [&](const auto& t) { Set(t, *key, *value); }); });

  CLI::App* reset =
      group->add_subcommand("reset", "Take the administrator's values (or the defaults) and save");
  AddTranslatorOption(reset, *translator);
  reset->callback([=] { ForTranslator(*translator, [](const auto& t) { Reset(t); }); });
}
