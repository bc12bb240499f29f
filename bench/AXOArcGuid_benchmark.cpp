// The compressed GUID text in both directions, each against its floor: the
// plainest table codec on the same GUIDs, written into a caller's buffer.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "AXOArcGuid.h"
#include "AXOBenchmarkTargets.h"

namespace {

const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";

// A fixed set of GUIDs, so that both directions and their floors work on the
// same values.
const std::vector<AXOArcGuid>& SampleGuids() {
  static const std::vector<AXOArcGuid> guids(64);
  return guids;
}

std::vector<std::string> SampleTexts() {
  std::vector<std::string> texts;
  for (const AXOArcGuid& guid : SampleGuids()) texts.push_back(guid.GetCompressedString());
  return texts;
}

void BM_GuidCompress(benchmark::State& state) {
  const std::vector<AXOArcGuid>& guids = SampleGuids();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(guids[next].GetCompressedString());
    next = (next + 1) % guids.size();
  }
  AXOSetRatioTarget(state, 1.2);
}
BENCHMARK(BM_GuidCompress);

// Floor: the 16 bytes cut into N0 and five 24-bit numbers, each written
// digit by digit through the alphabet.
void BM_GuidCompress_Floor(benchmark::State& state) {
  std::vector<_GUID> guids;
  for (const AXOArcGuid& guid : SampleGuids()) guids.push_back(guid.GetGuid());
  char out[23];
  std::size_t next = 0;
  for (auto _ : state) {
    const _GUID& g = guids[next];
    const std::uint32_t n[6] = {
        g.Data1 >> 24,
        g.Data1 & 0xFFFFFF,
        (std::uint32_t{g.Data2} << 8) | (g.Data3 >> 8u),
        (std::uint32_t{g.Data3 & 0xFFu} << 16) | (std::uint32_t{g.Data4[0]} << 8) | g.Data4[1],
        (std::uint32_t{g.Data4[2]} << 16) | (std::uint32_t{g.Data4[3]} << 8) | g.Data4[4],
        (std::uint32_t{g.Data4[5]} << 16) | (std::uint32_t{g.Data4[6]} << 8) | g.Data4[7]};
    out[0] = kDigits[n[0] >> 6];
    out[1] = kDigits[n[0] & 63];
    for (int group = 1; group < 6; ++group) {
      char* digits = out + 4 * group - 2;
      for (int i = 0; i < 4; ++i) digits[i] = kDigits[(n[group] >> (18 - 6 * i)) & 63];
    }
    out[22] = '\0';
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
    next = (next + 1) % guids.size();
  }
}
BENCHMARK(BM_GuidCompress_Floor);

void BM_GuidExpand(benchmark::State& state) {
  const std::vector<std::string> texts = SampleTexts();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AXOArcGuid::GetGuidFromCompressedString(texts[next].c_str()));
    next = (next + 1) % texts.size();
  }
  AXOSetRatioTarget(state, 1.5);
}
BENCHMARK(BM_GuidExpand);

// Floor: a strict table decode. Each character's value from a 256-entry
// table, group by group, stopping at the first that is no digit (the
// terminating zero among them); then the 23rd character must end the text.
void BM_GuidExpand_Floor(benchmark::State& state) {
  std::int8_t value[256];
  std::memset(value, -1, sizeof value);
  for (int digit = 0; digit < 64; ++digit) {
    value[static_cast<unsigned char>(kDigits[digit])] = static_cast<std::int8_t>(digit);
  }
  auto decode = [&value](const unsigned char* text, int count, std::uint32_t& number) {
    number = 0;
    for (int i = 0; i < count; ++i) {
      const int digit = value[text[i]];
      if (digit < 0) return false;
      number = number * 64 + static_cast<std::uint32_t>(digit);
    }
    return true;
  };
  const std::vector<std::string> texts = SampleTexts();
  std::size_t next = 0;
  for (auto _ : state) {
    const auto* text = reinterpret_cast<const unsigned char*>(texts[next].c_str());
    _GUID guid = {};
    std::uint32_t n[6];
    if (decode(text, 2, n[0]) && decode(text + 2, 4, n[1]) && decode(text + 6, 4, n[2]) &&
        decode(text + 10, 4, n[3]) && decode(text + 14, 4, n[4]) && decode(text + 18, 4, n[5]) &&
        text[22] == '\0') {
      guid.Data1 = (n[0] << 24) + n[1];
      guid.Data2 = static_cast<std::uint16_t>(n[2] >> 8);
      guid.Data3 = static_cast<std::uint16_t>(((n[2] & 0xFF) << 8) + (n[3] >> 16));
      guid.Data4[0] = static_cast<std::uint8_t>(n[3] >> 8);
      guid.Data4[1] = static_cast<std::uint8_t>(n[3]);
      for (int i = 0; i < 2; ++i) {
        guid.Data4[2 + 3 * i] = static_cast<std::uint8_t>(n[4 + i] >> 16);
        guid.Data4[3 + 3 * i] = static_cast<std::uint8_t>(n[4 + i] >> 8);
        guid.Data4[4 + 3 * i] = static_cast<std::uint8_t>(n[4 + i]);
      }
    }
    benchmark::DoNotOptimize(guid);
    next = (next + 1) % texts.size();
  }
}
BENCHMARK(BM_GuidExpand_Floor);

}  // namespace
