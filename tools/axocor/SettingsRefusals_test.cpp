// Every setting, given the values its rule refuses and those at the edge of
// what it takes, made from its row of the settings description: "settings
// set" refuses what the settings interface refuses, with the text that the
// doctor prints for the same value stored, and leaves the file as it was.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AxocorCommands.h"
#include "CATMathConstant.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "SettingsFields.h"
#include "axocor/CommandTestRun.h"
#include "doctor/DoctorChecks.h"

namespace {

using axo_settings::Kind;
using axo_settings::Setting;

// A value for a setting: refused for its form, refused by its rule, or
// taken.
struct Value {
  enum Verdict { kNotOfForm, kRefused, kTaken };
  std::string text;
  Verdict verdict;
};

std::string Cased(std::string word, int (*change)(int)) {
  for (char& c : word) c = static_cast<char>(change(static_cast<unsigned char>(c)));
  return word;
}

// The values that show the rule of `s`, `bound` being the value stored in
// the setting that it must exceed.
std::vector<Value> ValuesOf(const Setting& s, int bound) {
  std::vector<Value> values;
  const auto add = [&](const std::string& text, Value::Verdict verdict) {
    values.push_back({text, verdict});
  };
  switch (s.kind) {
    case Kind::kInteger:
    case Kind::kUnit:
      for (const char* text : {"12x", "1.5", " 7", "99999999999", "ten"})
        add(text, Value::kNotOfForm);
      if (s.minimum != INT_MIN) {
        add(std::to_string(s.minimum - 1), Value::kRefused);
        add(std::to_string(INT_MIN), Value::kRefused);
        add(std::to_string(s.minimum), Value::kTaken);
      }
      if (s.maximum != INT_MAX) {
        add(std::to_string(s.maximum + 1), Value::kRefused);
        add(std::to_string(INT_MAX), Value::kRefused);
        add(std::to_string(s.maximum), Value::kTaken);
      }
      if (s.above != nullptr) {
        add(std::to_string(bound), Value::kRefused);
        add(std::to_string(bound - 1), Value::kRefused);
        add(std::to_string(bound + 1), Value::kTaken);
      }
      break;
    case Kind::kChoice:
      for (const char* word : s.words) {
        for (const std::string& other : {Cased(word, ::tolower), Cased(word, ::toupper)}) {
          if (other != word) add(other, Value::kRefused);
        }
        add(std::string(word) + " ", Value::kRefused);
        add(word, Value::kTaken);
      }
      break;
    case Kind::kLength:
    case Kind::kAngle: {
      const bool length = s.kind == Kind::kLength;
      add(length ? "-1mm" : "-1deg", Value::kRefused);
      add(length ? "0mm" : "0deg", Value::kTaken);
      if (std::isfinite(s.measure->maximum)) {
        const double degrees = s.measure->maximum * 180.0 / CATPI;
        add(std::to_string(static_cast<int>(degrees) + 1) + "deg", Value::kRefused);
        add(std::to_string(static_cast<int>(degrees)) + "deg", Value::kTaken);
      }
      add("5", Value::kNotOfForm);                      // no unit
      add(length ? "1deg" : "1mm", Value::kNotOfForm);  // the other kind's unit
      add(length ? "abc" : "15 degrees", Value::kNotOfForm);
      break;
    }
    case Kind::kFileName:
    case Kind::kCatalogName:
      break;  // any text
  }
  return values;
}

class SettingsRefusals : public CATSettingTestFolder {
 protected:
  template <class I>
  void CheckEverySetting(const std::string& fileText) {
    const TranslatorSettings<I>& translator = SettingsOf<I>();
    const char* name = translator.description.name;
    const char* repositoryName = translator.description.repository;
    // A field for each row, in its order.
    ASSERT_EQ(translator.fields.size(), translator.description.count);
    for (std::size_t i = 0; i < translator.fields.size(); ++i) {
      EXPECT_EQ(translator.fields[i].setting, &translator.description.settings[i]);
    }
    for (const SettingField<I>& field : translator.fields) {
      const Setting& s = *field.setting;
      Begin(repositoryName, fileText);
      const int bound = Stored(repositoryName, s.above);
      for (const Value& v : ValuesOf(s, bound)) {
        SCOPED_TRACE(std::string(s.key) + " '" + v.text + "'");
        Begin(repositoryName, fileText);
        const CommandTestResult set =
            RunCommandForTest(RegisterSettingsCommands, {"settings", "set", name, s.key, v.text});
        const std::string form = " (it takes " + axo_settings::Form(s) + ")";
        const std::string refusal = axo_settings::Refusal(s, bound);
        if (v.verdict == Value::kTaken) {
          EXPECT_EQ(set.status, 0) << set.err;
          continue;
        }
        EXPECT_EQ(set.status, 1);
        const std::string why = v.verdict == Value::kRefused ? ": " + refusal : "";
        EXPECT_NE(set.err.find("'" + std::string(s.key) + "' refused the value '" + v.text + "'" +
                               why + form),
                  std::string::npos)
            << set.err;
        EXPECT_EQ(ReadFile(UserFile(repositoryName)), fileText);

        // The interface refuses it too, and keeps what it held. (Where the
        // setter checks the rule, a refusal of the field is the setter's.)
        CATHandle<I> settings = SettingsInterface<I>(translator.factory);
        ASSERT_TRUE(!!settings);
        std::string before, after;
        field.read(*settings, before);
        const SettingWrite written = field.write(*settings, v.text);
        EXPECT_EQ(written.outcome,
                  v.verdict == Value::kRefused ? SettingWrite::kRefused : SettingWrite::kNotOfForm);
        EXPECT_EQ(written.refusal, v.verdict == Value::kRefused ? refusal : "");
        field.read(*settings, after);
        EXPECT_EQ(after, before);

        if (v.verdict == Value::kRefused || s.measure != nullptr) {
          CheckDoctor(repositoryName, s, v, refusal);
        }
      }
    }
  }

 private:
  // The test's file of the repository, read as a new process reads it.
  void Begin(const char* repository, const std::string& fileText) {
    WriteFile(UserFile(repository), fileText);
    CATSettingRepositoryTesting::ResetAll();
  }

  static int Stored(const char* repository, const char* key) {
    int value = 0;
    if (key != nullptr) {
      CATSettingRepository::GetRepository(repository, 0, 1)->ReadSetting(key, &value);
    }
    return value;
  }

  // The doctor on the value stored: the same refusal, or for a measure
  // that is not of its form, that form.
  void CheckDoctor(const char* repositoryName, const Setting& s, const Value& v,
                   const std::string& refusal) {
    CATSettingRepository* repository = CATSettingRepository::GetRepository(repositoryName, 0, 1);
    const bool text = s.kind == Kind::kChoice || s.measure != nullptr;
    int number = 0;
    long unit = 0;
    const CATString word(v.text.c_str());
    if (text) {
      ASSERT_EQ(repository->WriteSetting(s.key, &word), 1);
    } else if (s.kind == Kind::kUnit) {
      ASSERT_TRUE(ParseSettingInteger(v.text, number));
      unit = number;
      ASSERT_EQ(repository->WriteSetting(s.key, &unit), 1);
    } else {
      ASSERT_TRUE(ParseSettingInteger(v.text, number));
      ASSERT_EQ(repository->WriteSetting(s.key, &number), 1);
    }
    axocor::doctor::Report report;
    std::vector<std::string> profileMaps;
    axocor::doctor::CheckSettings(report, {}, profileMaps);
    const std::string shown = text ? "'" + v.text + "'" : v.text;
    const std::string expected = v.verdict == Value::kRefused
                                     ? shown + ": " + refusal
                                     : shown + " is not " + axo_settings::Form(s);
    std::string problems;
    for (const axocor::doctor::Finding& finding : report.sections().front().findings) {
      if (finding.kind == axocor::doctor::FindingKind::kProblem && finding.subject == s.key) {
        problems += finding.text + "\n";
      }
    }
    EXPECT_EQ(problems.find(expected), 0u) << problems;
  }
};

// The sample installation's files, with a JoinLimit other than its default.
std::string SampleFile(const std::string& repository) {
  std::ifstream in(
      std::string(AXOCOR_SAMPLE_INSTALLATION) + "/settings/" + repository + ".axosettings",
      std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string join = "JoinLimit\tint\t50";
  const std::size_t at = text.find(join);
  if (at != std::string::npos) text.replace(at, join.size(), "JoinLimit\tint\t60");
  return text;
}

TEST_F(SettingsRefusals, DxfSettingsRefuseWhatTheirRowsRefuse) {
  const std::string file = SampleFile(axo_settings::kDxf.repository);
  ASSERT_FALSE(file.empty());
  CheckEverySetting<AXOITrsDxfSettingAtt>(file);
  // The library's own setter stores any unit, as its contract says.
  CATHandle<AXOITrsDxfSettingAtt> dxf =
      SettingsInterface<AXOITrsDxfSettingAtt>(DxfSettings().factory);
  ASSERT_TRUE(!!dxf);
  EXPECT_EQ(dxf->SetUnitOfDxfFile(7), S_OK);
}

TEST_F(SettingsRefusals, IfcSettingsRefuseWhatTheirRowsRefuse) {
  const std::string file = SampleFile(axo_settings::kIfc.repository);
  ASSERT_NE(file.find("JoinLimit\tint\t60"), std::string::npos);
  CheckEverySetting<AXOITrsIfcSettingAtt>(file);
}

}  // namespace
