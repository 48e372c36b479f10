// Builds a Windows .ico (or .cur) file from a text picture, so that no binary image lives in the
// sources. Input lines:
//   colour <char> <RRGGBB>   a palette entry; '.' is always transparent
//   hotspot <x> <y>          cursor hot spot (cursors only)
//   image <size>             followed by <size> rows of <size> palette characters
//   # ...                    a comment
// Every image is written twice, in 16 colours (4 bits, the standard VGA palette, each colour
// mapped to its nearest entry) and in 256 colours (8 bits, the picture's own palette).
// Usage: icongen <input.txt> <output.ico|.cur> [--cursor]
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  int r, g, b;
};

struct Picture {
  int size = 0;
  std::vector<std::string> rows;
};

const Rgb kVga[16] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
                      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                      {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

int Nearest(const Rgb& c, const Rgb* pal, int n) {
  int best = 0;
  long bestD = -1;
  for (int i = 0; i < n; ++i) {
    const long dr = c.r - pal[i].r, dg = c.g - pal[i].g, db = c.b - pal[i].b;
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (bestD < 0 || d < bestD) bestD = d, best = i;
  }
  return best;
}

void Put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& v, unsigned x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// One DIB image as stored in an icon: header, palette, colour bits, then the transparency mask.
std::vector<uint8_t> MakeImage(const Picture& p, int bits, const std::map<char, Rgb>& colours) {
  const int n = p.size;
  const int paletteSize = 1 << bits;
  std::vector<Rgb> palette;
  std::map<char, int> index;
  if (bits == 4) {
    palette.assign(kVga, kVga + 16);
    for (const auto& [ch, rgb] : colours) index[ch] = Nearest(rgb, kVga, 16);
  } else {
    for (const auto& [ch, rgb] : colours) {
      index[ch] = static_cast<int>(palette.size());
      palette.push_back(rgb);
    }
    palette.resize(paletteSize, Rgb{0, 0, 0});
  }
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, n);
  Put32(out, 2 * n);  // colour bits and mask
  Put16(out, 1);
  Put16(out, bits);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  const int xorStride = ((n * bits + 31) / 32) * 4;
  const int andStride = ((n + 31) / 32) * 4;
  for (int y = n - 1; y >= 0; --y) {  // bottom-up
    std::vector<uint8_t> row(xorStride, 0);
    for (int x = 0; x < n; ++x) {
      const char ch = p.rows[y][x];
      const int v = ch == '.' ? 0 : index.at(ch);
      if (bits == 8)
        row[x] = static_cast<uint8_t>(v);
      else
        row[x / 2] |= static_cast<uint8_t>(x % 2 ? v : v << 4);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(andStride, 0);
    for (int x = 0; x < n; ++x)
      if (p.rows[y][x] == '.') row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

int Fail(const std::string& why) {
  std::cerr << "icongen: " << why << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Fail("usage: icongen <input.txt> <output> [--cursor]");
  const bool cursor = argc > 3 && std::string(argv[3]) == "--cursor";
  std::ifstream in(argv[1]);
  if (!in) return Fail(std::string("cannot read ") + argv[1]);

  std::map<char, Rgb> colours;
  std::vector<Picture> pictures;
  int hotX = 0, hotY = 0;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!pictures.empty() && static_cast<int>(pictures.back().rows.size()) < pictures.back().size) {
      if (static_cast<int>(line.size()) != pictures.back().size)
        return Fail("line " + std::to_string(lineNo) + ": row is not " + std::to_string(pictures.back().size) + " wide");
      for (char ch : line)
        if (ch != '.' && !colours.count(ch))
          return Fail("line " + std::to_string(lineNo) + ": unknown colour '" + std::string(1, ch) + "'");
      pictures.back().rows.push_back(line);
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string word;
    words >> word;
    if (word == "colour") {
      std::string ch, hex;
      words >> ch >> hex;
      if (ch.size() != 1 || ch == "." || hex.size() != 6) return Fail("line " + std::to_string(lineNo) + ": bad colour");
      const unsigned v = std::stoul(hex, nullptr, 16);
      colours[ch[0]] = Rgb{int(v >> 16), int((v >> 8) & 0xFF), int(v & 0xFF)};
    } else if (word == "hotspot") {
      words >> hotX >> hotY;
    } else if (word == "image") {
      Picture p;
      words >> p.size;
      if (p.size <= 0 || p.size > 256) return Fail("line " + std::to_string(lineNo) + ": bad image size");
      pictures.push_back(p);
    } else {
      return Fail("line " + std::to_string(lineNo) + ": unknown keyword " + word);
    }
  }
  if (pictures.empty()) return Fail("no image");
  if (static_cast<int>(pictures.back().rows.size()) != pictures.back().size) return Fail("last image is short");
  if (colours.size() > 255) return Fail("more than 255 colours");

  std::vector<std::vector<uint8_t>> images;
  struct Entry {
    int size, bits;
  };
  std::vector<Entry> entries;
  for (int bits : {4, 8})
    for (const Picture& p : pictures) {
      images.push_back(MakeImage(p, bits, colours));
      entries.push_back({p.size, bits});
    }

  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, cursor ? 2 : 1);
  Put16(file, static_cast<unsigned>(images.size()));
  unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<uint8_t>(entries[i].size == 256 ? 0 : entries[i].size));
    file.push_back(static_cast<uint8_t>(entries[i].size == 256 ? 0 : entries[i].size));
    file.push_back(static_cast<uint8_t>(entries[i].bits == 4 ? 16 : 0));
    file.push_back(0);
    Put16(file, cursor ? hotX : 1);  // planes, or the hot spot of a cursor
    Put16(file, cursor ? hotY : entries[i].bits);
    Put32(file, static_cast<unsigned>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (const auto& img : images) file.insert(file.end(), img.begin(), img.end());

  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) return Fail(std::string("cannot write ") + argv[2]);
  return 0;
}
