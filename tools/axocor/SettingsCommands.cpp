// "axocor settings": shows, changes and resets the options of the DXF and
// IFC translators through the library's settings controllers, so that a
// change passes the library's checks and is saved as the host would save
// it.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "AXOCorServices.h"
#include "AXOPlatform.h"
#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "CATFileFailure.h"
#include "CATIIniSettingManagment.h"
#include "CATSettingRepository.h"
#include "SettingsFields.h"

namespace {

template <class I>
using Translator = TranslatorSettings<I>;

// The interface `J` of the translator's controller, created on first use.
template <class J, class I>
CATHandle<J> Controller(const Translator<I>& translator) {
  CATHandle<J> handle = SettingsInterface<J>(translator.factory);
  if (!handle) {
    AxocorFail(std::string("the ") + translator.description.name +
               " settings are not available: the repository \"" +
               translator.description.repository +
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
    AxocorFail(std::string("the ") + translator.description.name + " settings could not be saved" +
               (failure.ok() ? std::string() : ": " + failure.ToString()));
  }
}

// The file that keeps the translator's settings, as the host names it.
template <class I>
std::string FileOf(const Translator<I>& translator) {
  return CATSettingRepository::FileOf(translator.description.repository);
}

// The value of `field` as "show" gives it; null when it cannot be read.
template <class I>
AxocorJson ValueOf(const SettingField<I>& field, I& settings) {
  std::string text;
  return field.read(settings, text) ? AxocorJson(text) : AxocorJson();
}

template <class I>
void Show(const Translator<I>& translator, bool json) {
  CATHandle<I> settings = Controller<I>(translator);
  AxocorJson shown = AxocorJson::array();
  for (const SettingField<I>& field : translator.fields) {
    const AxocorJson value = ValueOf(field, *settings);
    if (!json) {
      std::cout << field.setting->key << "\t"
                << (value.is_null() ? "(unreadable)" : value.get<std::string>()) << "\n";
      continue;
    }
    const std::string fallback = field.readDefault(*settings);
    shown.push_back({{"key", field.setting->key},
                     {"value", value},
                     {"default", fallback},
                     {"isDefault", !value.is_null() && value.get<std::string>() == fallback}});
  }
  if (json) {
    PrintJson({{"translator", translator.description.name},
               {"file", FileOf(translator)},
               {"settings", std::move(shown)}});
  }
}

// Stores the value and saves, or fails saving nothing: the file is left as
// it was. Says what changed.
template <class I>
void Set(const Translator<I>& translator, const std::string& key, const std::string& value,
         bool json) {
  const SettingField<I>* field = FieldOf(translator, key);
  if (field == nullptr) {
    std::string keys;
    for (const SettingField<I>& each : translator.fields)
      keys += std::string(" ") + each.setting->key;
    AxocorFail(std::string(translator.description.name) + " has no setting '" + key +
               "'; its settings:" + keys);
  }
  CATHandle<I> settings = Controller<I>(translator);
  const AxocorJson old = ValueOf(*field, *settings);
  const SettingWrite written = field->write(*settings, value);
  const std::string setting = std::string(translator.description.name) + " setting '" + key + "' ";
  const std::string form = " (it takes " + axo_settings::Form(*field->setting) + ")";
  switch (written.outcome) {
    case SettingWrite::kStored:
      break;
    case SettingWrite::kNotOfForm:
      AxocorFail(setting + "refused the value '" + value + "'" + form);
    case SettingWrite::kRefused:
      AxocorFail(setting + "refused the value '" + value + "': " + written.refusal + form);
    case SettingWrite::kNotStored:
      AxocorFail(setting + "could not store the value '" + value + "': the repository refused it");
  }
  CommitAndSave(translator);
  const AxocorJson stored = ValueOf(*field, *settings);
  const std::string file = FileOf(translator);
  if (json) {
    PrintJson({{"translator", translator.description.name},
               {"key", key},
               {"old", old},
               {"new", stored},
               {"file", file}});
    return;
  }
  const auto text = [](const AxocorJson& shown) {
    return shown.is_null() ? std::string("(unreadable)") : shown.get<std::string>();
  };
  std::cout << translator.description.name << " " << key << ": " << text(old) << " -> "
            << text(stored) << ", saved in " << file << "\n";
}

// Takes the administrator's values, or the built-in defaults where there
// are none, and saves; says which it took, and warns when the defaults
// came in for want of the administrator's file.
template <class I>
void Reset(const Translator<I>& translator, bool json) {
  const std::string reference =
      CATSettingRepository::AdminFileOf(translator.description.repository);
  AXOFileStatus status;
  const bool referenced =
      !reference.empty() && AXOPlatform::Get()->GetFileStatus(reference, status).ok();
  CATIIniSettingManagment_var management = Controller<CATIIniSettingManagment>(translator);
  management->ResetToAdminValues();
  CommitAndSave(translator);
  const std::string file = FileOf(translator);
  if (!referenced) {
    std::cerr << "axocor: warning: no reference settings found ("
              << (reference.empty() ? std::string("CATReferenceSettingPath is not set")
                                    : "no file " + reference)
              << "): " << file << " now holds the built-in defaults\n";
  }
  if (json) {
    PrintJson({{"translator", translator.description.name},
               {"file", file},
               {"source", referenced ? "reference" : "defaults"},
               {"referenceFile", referenced ? AxocorJson(reference) : AxocorJson()}});
  } else if (referenced) {
    std::cout << translator.description.name << ": " << file
              << " now holds the reference settings of " << reference << "\n";
  } else {
    std::cout << translator.description.name << ": " << file
              << " now holds the built-in defaults\n";
  }
}

// Runs `action` on the translator named `name` (checked by CLI11).
template <class Action>
void ForTranslator(const std::string& name, Action action) {
  if (name == DxfSettings().description.name) {
    action(DxfSettings());
  } else {
    action(IfcSettings());
  }
}

CLI::Option* AddTranslatorOption(CLI::App* command, std::string& translator) {
  return TakesOneOf(command->add_option("translator", translator, "dxf or ifc")->required(),
                    {axo_settings::kDxf.name, axo_settings::kIfc.name});
}

}  // namespace

void RegisterSettingsCommands(CLI::App& app) {
  CLI::App* group = &app;
  group->description("Options of the DXF and IFC translators");
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
  const std::shared_ptr<bool> showJson = AddJsonFlag(*show);
  show->callback([=] { ForTranslator(*translator, [&](const auto& t) { Show(t, *showJson); }); });

  auto key = std::make_shared<std::string>();
  auto value = std::make_shared<std::string>();
  CLI::App* set = group->add_subcommand("set", "Change one setting and save");
  AddTranslatorOption(set, *translator);
  set->add_option("key", *key, "Setting name, as 'show' prints it")->required();
  set->add_option("value", *value, "New value")->required();
  const std::shared_ptr<bool> setJson = AddJsonFlag(*set);
  set->callback(
      [=] { ForTranslator(*translator, [&](const auto& t) { Set(t, *key, *value, *setJson); }); });

  CLI::App* reset =
      group->add_subcommand("reset", "Take the administrator's values (or the defaults) and save");
  AddTranslatorOption(reset, *translator);
  const std::shared_ptr<bool> resetJson = AddJsonFlag(*reset);
  reset->callback(
      [=] { ForTranslator(*translator, [&](const auto& t) { Reset(t, *resetJson); }); });
}
