// Cost of opening and saving a part document of 10,000 to 500,000 objects:
// features in levels, bodies of solids, parameters. The floor of opening is
// reading the same bytes and parsing them with the JSON library alone,
// without making a model; the floor of saving is writing the same bytes to
// the same place, replaced at once as a save replaces it. Saving is the
// host's operation alone: it is judged against building the same text from
// ready pieces and replacing the file with it (BM_SaveDocument_HostAnswers). Peak memory is
// reported beside the time of opening, against the file's size; opening
// has growth rows from 10,000 and 50,000 objects.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "AXOBenchModel.h"
#include "AXOBenchmarkTargets.h"
#include "AXOPeakMemory.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"

namespace {

// Each level holds ten objects: the level, five walls, a body of two
// solids and a height parameter.
constexpr int kObjectsPerLevel = 10;

const AXOTestTempFolder& Folder() {
  static const AXOTestTempFolder folder;
  return folder;
}

std::string FileName(int objects) {
  return "Storeys" + std::to_string(objects) + ".CATPart";
}

// The file of a part of `objects` objects, written at first use.
std::string DocumentFile(int objects) {
  static std::map<int, std::string> written;
  std::string& path = written[objects];
  if (!path.empty()) return path;
  path = Folder().Host(FileName(objects));
  AXOBenchModel("document " + std::to_string(objects), [&path, objects](CATTestModel& model) {
    const CATTestDocument document = model.PartDocument(path.c_str());
    for (int l = 0; l < objects / kObjectsPerLevel; ++l) {
      const std::string level = std::to_string(l);
      const CATTestNode storey = model.Feature(document.Part(), ("L" + level).c_str(), "Level");
      for (int w = 0; w < 5; ++w) {
        model.Feature(storey, ("W" + level + "." + std::to_string(w)).c_str(), "Wall");
      }
      const CATTestNode body = model.Body(storey, ("B" + level).c_str());
      const double z = 3000.0 * l;
      model.Feature(body, "S1").Box({0, 0, z}, {5000, 200, z + 2700});
      model.Feature(body, "S2").Box({0, 0, z - 200}, {5000, 4000, z});
      model.Parameter(storey, ("H" + level).c_str(), CATCkeLengthKind, 2.7);
    }
    CATDocumentServices::SaveAs(document, path.c_str(), "", 1);
  });
  AXOBenchDropModel();
  return path;
}

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BM_OpenDocument(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  const CATUnicodeString path = DocumentFile(objects).c_str();
  const AXOPeakMemory memory;
  for (auto _ : state) {
    CATDocument* document = nullptr;
    if (FAILED(CATDocumentServices::OpenDocument(path, document)) || document == nullptr) {
      state.SkipWithError("the document was not opened");
      return;
    }
    CATDocumentServices::Remove(document);
  }
  const double size =
      static_cast<double>(std::filesystem::file_size(Folder().Native(FileName(objects))));
  AXOReportPeakMemory(state, memory.Growth(), size, 6);
  AXOSetRatioTarget(state, 2);
  AXOSetGrowthTarget(state, 1.1);
}

void BM_OpenDocument_Floor(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  DocumentFile(objects);
  const std::filesystem::path file = Folder().Native(FileName(objects));
  const AXOPeakMemory memory;
  for (auto _ : state) benchmark::DoNotOptimize(nlohmann::json::parse(Bytes(file)));
  AXOReportPeakMemory(state, memory.Growth(),
                      static_cast<double>(std::filesystem::file_size(file)));
}

void BM_SaveDocument(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  CATDocument* document = nullptr;
  CATDocumentServices::OpenDocument(DocumentFile(objects).c_str(), document);
  const CATUnicodeString copy = Folder().Host("Saved.CATPart").c_str();
  for (auto _ : state) {
    if (document == nullptr || FAILED(CATDocumentServices::SaveAs(document, copy, "", 1))) {
      state.SkipWithError("the document was not saved");
      break;
    }
  }
  if (document != nullptr) CATDocumentServices::Remove(document);
  AXOSetRatioTarget(state, 2, AXOFloor::kHostAnswers);
  AXOSetGrowthTarget(state, 1.1);
}

void BM_SaveDocument_Floor(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  DocumentFile(objects);
  const std::string bytes = Bytes(Folder().Native(FileName(objects)));
  const std::string copy = Folder().Native("Copy.CATPart").u8string();
  for (auto _ : state) AXOPlatform::Get()->ReplaceFile(copy, bytes, AXOReplace::kAlways);
}

// The pieces of a document's text, in order: each number as its value,
// everything between two numbers as it stands.
struct TextPieces {
  std::vector<std::string> between;  // one more than `numbers`
  std::vector<double> numbers;
};

TextPieces PiecesOf(const std::string& text) {
  TextPieces pieces;
  pieces.between.emplace_back();
  bool in_text = false;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const bool starts_number = !in_text && (c == '-' || (c >= '0' && c <= '9'));
    if (!starts_number) {
      if (c == '"' && (i == 0 || text[i - 1] != '\\')) in_text = !in_text;
      pieces.between.back() += c;
      ++i;
      continue;
    }
    std::size_t used = 0;
    pieces.numbers.push_back(std::stod(text.substr(i, 32), &used));
    pieces.between.emplace_back();
    i += used;
  }
  return pieces;
}

std::string Assemble(const TextPieces& pieces, std::size_t size) {
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < pieces.numbers.size(); ++i) {
    text += pieces.between[i];
    // Whole numbers as the file has them: without a fraction or exponent.
    const double number = pieces.numbers[i];
    const auto whole = std::fabs(number) < 1e15 ? static_cast<long long>(number) : 0;
    char digits[32];
    char* const end = whole == number ? std::to_chars(digits, digits + sizeof digits, whole).ptr
                                      : std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
  }
  text += pieces.between.back();
  return text;
}

// The least work that a save of a document must do: the same text
// assembled from its pieces, one append each, the numbers written from
// their values, and the file replaced with it at once.
void BM_SaveDocument_HostAnswers(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  DocumentFile(objects);
  const std::string bytes = Bytes(Folder().Native(FileName(objects)));
  const TextPieces pieces = PiecesOf(bytes);
  if (Assemble(pieces, bytes.size()) != bytes) {
    state.SkipWithError("the pieces do not make the same text");
    return;
  }
  const std::string copy = Folder().Native("Assembled.CATPart").u8string();
  for (auto _ : state) {
    AXOPlatform::Get()->ReplaceFile(copy, Assemble(pieces, bytes.size()), AXOReplace::kAlways);
  }
}

}  // namespace

BENCHMARK(BM_OpenDocument)->Arg(10000)->Arg(50000)->Arg(100000)->Arg(500000);
BENCHMARK(BM_OpenDocument_Floor)->Arg(10000)->Arg(50000)->Arg(100000)->Arg(500000);
BENCHMARK(BM_SaveDocument)->Arg(10000)->Arg(100000);
BENCHMARK(BM_SaveDocument_Floor)->Arg(10000)->Arg(100000);
BENCHMARK(BM_SaveDocument_HostAnswers)->Arg(10000)->Arg(100000);
