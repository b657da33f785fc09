#include "lib/controls/glyphs.h"

#include <mutex>
#include <optional>
#include <string>
#include <system_error>

#include "platform/os/dynlib.h"
#include "platform/os/profile.h"

namespace pxq::controls {

namespace {

struct GlyphLibrary {
  std::mutex lock;
  std::optional<std::filesystem::path> chosen;  // set by SetGlyphFolder
  std::optional<std::filesystem::path> folder;  // found folder, once looked for
  int maxId = 0;
};

GlyphLibrary& Library() {
  static GlyphLibrary lib;
  return lib;
}

bool HasGlyphs(const std::filesystem::path& dir) {
  std::error_code ec;
  return !dir.empty() && std::filesystem::is_directory(dir, ec);
}

std::filesystem::path FindFolder() {
  const std::filesystem::path beside =
      os::ModuleFile(reinterpret_cast<const void*>(&GetMaxBmpID)).parent_path() / "glyphs";
  if (HasGlyphs(beside)) return beside;
#ifdef PXQ_DATA_DIR
  const std::filesystem::path data = std::filesystem::path(PXQ_DATA_DIR) / "glyphs";
  if (HasGlyphs(data)) return data;
#endif
  return {};
}

// Number of a glyph file name "<n>.bmp" (letter case of the extension ignored), else 0.
int GlyphNumber(const std::filesystem::path& file) {
  std::string ext = file.extension().string();
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (ext != ".bmp") return 0;
  const std::string stem = file.stem().string();
  if (stem.empty() || stem.size() > 6) return 0;
  for (char c : stem) {
    if (c < '0' || c > '9') return 0;
  }
  int32_t n = 0;
  return os::ParseInt32(stem, n) && n > 0 ? n : 0;
}

// Finds the folder and its highest glyph number (once, under the lock).
const std::filesystem::path& Folder(GlyphLibrary& lib) {
  if (!lib.folder) {
    lib.folder = lib.chosen ? *lib.chosen : FindFolder();
    lib.maxId = 0;
    std::error_code ec;
    if (HasGlyphs(*lib.folder)) {
      for (const auto& entry : std::filesystem::directory_iterator(*lib.folder, ec)) {
        lib.maxId = std::max(lib.maxId, GlyphNumber(entry.path()));
      }
    }
  }
  return *lib.folder;
}

}  // namespace

int GetMaxBmpID() {
  GlyphLibrary& lib = Library();
  std::lock_guard guard(lib.lock);
  Folder(lib);
  return lib.maxId;
}

bool LoadBmp(vcl::TBitmap& glyph, int id) {
  std::filesystem::path file;
  {
    GlyphLibrary& lib = Library();
    std::lock_guard guard(lib.lock);
    const std::filesystem::path& dir = Folder(lib);
    if (id <= 0 || id > lib.maxId || dir.empty()) return false;
    file = dir / (std::to_string(id) + ".bmp");
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  vcl::TBitmap loaded;
  loaded.LoadFromFile(file);  // EInvalidGraphic for a file that cannot be read
  loaded.SetTransparent(true);
  glyph.Assign(loaded);
  return true;
}

void SetGlyphFolder(const std::filesystem::path& folder) {
  GlyphLibrary& lib = Library();
  std::lock_guard guard(lib.lock);
  lib.chosen = folder.empty() ? std::nullopt : std::optional(folder);
  lib.folder.reset();
}

std::filesystem::path GlyphFolder() {
  GlyphLibrary& lib = Library();
  std::lock_guard guard(lib.lock);
  return Folder(lib);
}

}  // namespace pxq::controls
