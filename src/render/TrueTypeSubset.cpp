#include "render/TrueTypeSubset.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

namespace sumcraft {

namespace {

std::uint32_t U32(const QByteArray& b, qsizetype at) {
  if (at < 0 || at + 4 > b.size()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::uint16_t U16(const QByteArray& b, qsizetype at) {
  if (at < 0 || at + 2 > b.size()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

void Put32(QByteArray& b, std::uint32_t v) {
  const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                         static_cast<char>(v)};
  b.append(bytes, 4);
}

void Put16(QByteArray& b, std::uint16_t v) {
  const char bytes[2] = {static_cast<char>(v >> 8), static_cast<char>(v)};
  b.append(bytes, 2);
}

void Set32(QByteArray& b, qsizetype at, std::uint32_t v) {
  b[at] = static_cast<char>(v >> 24);
  b[at + 1] = static_cast<char>(v >> 16);
  b[at + 2] = static_cast<char>(v >> 8);
  b[at + 3] = static_cast<char>(v);
}

std::uint32_t CheckSum(const QByteArray& table) {
  std::uint32_t sum = 0;
  for (qsizetype i = 0; i < table.size(); i += 4) {
    std::uint32_t word = 0;
    for (int k = 0; k < 4; ++k) {
      word <<= 8;
      if (i + k < table.size()) word |= static_cast<unsigned char>(table[i + k]);
    }
    sum += word;
  }
  return sum;
}

// Tables a PDF reader draws with (an embedded TrueType font must carry
// cvt, fpgm and prep beside the outlines and metrics: the hinting programs
// refer to one another); the rest only serve text shaping.
constexpr std::array<const char*, 14> kKeptTables = {"OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head",
                                                     "hhea", "hmtx", "loca", "maxp", "name", "post", "prep"};

}  // namespace

QByteArray SubsetTrueType(const QByteArray& font, const std::vector<bool>& keep) {
  const std::uint32_t version = U32(font, 0);
  if (version != 0x00010000u && version != 0x74727565u /* 'true' */) return {};
  const int numTables = U16(font, 4);
  std::map<std::string, QByteArray> tables;
  for (int i = 0; i < numTables; ++i) {
    const qsizetype rec = 12 + 16 * static_cast<qsizetype>(i);
    const std::string tag(font.constData() + std::min(rec, font.size()), rec + 4 <= font.size() ? 4 : 0);
    const std::uint32_t offset = U32(font, rec + 8), length = U32(font, rec + 12);
    if (tag.size() != 4 || offset > static_cast<std::uint64_t>(font.size()) ||
        length > static_cast<std::uint64_t>(font.size()) - offset)
      return {};
    if (std::find_if(kKeptTables.begin(), kKeptTables.end(), [&](const char* t) { return tag == t; }) ==
        kKeptTables.end())
      continue;
    // Tables kept as they are are only read: no copy (the one changed, head,
    // copies itself when written).
    tables[tag] = QByteArray::fromRawData(font.constData() + offset, length);
  }
  for (const char* needed : {"head", "maxp", "loca", "glyf", "hmtx", "hhea", "cmap"})
    if (!tables.count(needed)) return {};

  QByteArray& head = tables["head"];
  const QByteArray& loca = tables["loca"];
  const QByteArray& glyf = tables["glyf"];
  if (head.size() < 54) return {};
  const bool longLoca = U16(head, 50) == 1;
  const int glyphCount = U16(tables["maxp"], 4);
  if (loca.size() < (glyphCount + 1) * (longLoca ? 4 : 2)) return {};
  auto glyphStart = [&](int g) -> qsizetype {
    return longLoca ? static_cast<qsizetype>(U32(loca, 4 * g)) : 2 * static_cast<qsizetype>(U16(loca, 2 * g));
  };

  // The glyphs to keep, with the parts of composite glyphs, however deep.
  std::vector<bool> kept(static_cast<std::size_t>(glyphCount), false);
  std::vector<int> pending;
  for (int g = 0; g < glyphCount; ++g) {
    if (g == 0 || (static_cast<std::size_t>(g) < keep.size() && keep[static_cast<std::size_t>(g)])) {
      kept[static_cast<std::size_t>(g)] = true;
      pending.push_back(g);
    }
  }
  while (!pending.empty()) {
    const int g = pending.back();
    pending.pop_back();
    const qsizetype start = glyphStart(g), end = glyphStart(g + 1);
    if (end - start < 10 || end > glyf.size()) continue;
    if (static_cast<std::int16_t>(U16(glyf, start)) >= 0) continue;  // simple glyph
    qsizetype at = start + 10;
    for (int guard = 0; guard < 1000 && at + 4 <= end; ++guard) {
      const std::uint16_t flags = U16(glyf, at), part = U16(glyf, at + 2);
      if (part < glyphCount && !kept[part]) {
        kept[part] = true;
        pending.push_back(part);
      }
      at += 4 + ((flags & 0x0001) ? 4 : 2);
      if (flags & 0x0008) at += 2;
      else if (flags & 0x0040) at += 4;
      else if (flags & 0x0080) at += 8;
      if (!(flags & 0x0020)) break;
    }
  }

  // New outlines and their long offsets; dropped glyphs become empty.
  QByteArray newGlyf, newLoca;
  newLoca.reserve(4 * (glyphCount + 1));
  for (int g = 0; g < glyphCount; ++g) {
    Put32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
    if (!kept[static_cast<std::size_t>(g)]) continue;
    const qsizetype start = glyphStart(g), end = glyphStart(g + 1);
    if (end > start && end <= glyf.size()) {
      newGlyf.append(glyf.constData() + start, end - start);
      while (newGlyf.size() % 4) newGlyf.append('\0');
    }
  }
  Put32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
  tables["glyf"] = newGlyf;
  tables["loca"] = newLoca;
  head[50] = 0;
  head[51] = 1;  // long offsets
  Set32(head, 8, 0);  // checksum adjustment, set below

  // The file: offset table, table records sorted by tag, tables on 4-byte bounds.
  const auto n = static_cast<std::uint16_t>(tables.size());
  qsizetype offset = 12 + 16 * static_cast<qsizetype>(n), total = offset;
  for (const auto& [tag, data] : tables) total += (data.size() + 3) / 4 * 4;
  std::uint16_t power = 1, log2 = 0;
  while (power * 2 <= n) {
    power = static_cast<std::uint16_t>(power * 2);
    ++log2;
  }
  QByteArray out;
  out.reserve(total);
  Put32(out, 0x00010000u);
  Put16(out, n);
  Put16(out, static_cast<std::uint16_t>(power * 16));
  Put16(out, log2);
  Put16(out, static_cast<std::uint16_t>(n * 16 - power * 16));
  qsizetype headOffset = 0;
  for (const auto& [tag, data] : tables) {
    out.append(tag.data(), 4);
    Put32(out, CheckSum(data));
    Put32(out, static_cast<std::uint32_t>(offset));
    Put32(out, static_cast<std::uint32_t>(data.size()));
    if (tag == "head") headOffset = offset;
    offset += (data.size() + 3) / 4 * 4;
  }
  for (const auto& [tag, data] : tables) {
    out.append(data);
    while (out.size() % 4) out.append('\0');
  }
  Set32(out, headOffset + 8, 0xB1B0AFBAu - CheckSum(out));
  return out;
}

}  // namespace sumcraft
