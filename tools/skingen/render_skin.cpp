#include "render_skin.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <utility>

#include "artwork.h"
#include "image_files.h"
#include "thumbs.h"

namespace {
constexpr int kJpegQuality = 92;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

Canvas Render(const WindowArt& art, const std::string& file) {
  if (file == "Mask") return RenderMask(art);
  if (file == "Over") return RenderState(art, SkinState::Over);
  if (file == "Down") return RenderState(art, SkinState::Down);
  if (file == "Disabled") return RenderState(art, SkinState::Disabled);
  return RenderState(art, SkinState::Normal);
}
}  // namespace

bool RenderSkin(const IniDocument& description, const std::string& skinDir, const std::string& outDir,
                std::string& error) {
  // What each file was drawn as, and by which window: a second window naming
  // it must agree, or one of them would silently lose its picture.
  std::map<std::string, std::pair<std::string, Canvas>> written;
  for (const std::string& name : description.Sections()) {
    if (IsThumbSection(description, name)) {
      const std::optional<ThumbArt> thumbs = ReadThumbArt(description, name, error);
      if (!thumbs) return false;
      if (!WriteThumbs(*thumbs, outDir)) {
        error = "cannot write the thumbs of " + name + " to " + outDir;
        return false;
      }
      continue;
    }
    const std::optional<WindowArt> art = ReadWindowArt(description, name, skinDir, error);
    if (!art) return false;
    for (const auto& [key, file] : art->files) {
      Canvas picture = Render(*art, key);
      if (const auto earlier = written.find(Lower(file)); earlier != written.end()) {
        const Canvas& before = earlier->second.second;
        if (before.Width() == picture.Width() && before.Pixels() == picture.Pixels()) continue;
        error = name + " and " + earlier->second.first + " draw " + file + " differently";
        return false;
      }
      const std::string path = outDir + "/" + file;
      if (!(key == "Mask" ? WriteMaskBmp(picture, path) : WriteJpeg(picture, path, kJpegQuality))) {
        error = "cannot write " + path;
        return false;
      }
      written.emplace(Lower(file), std::make_pair(name, std::move(picture)));
    }
  }
  return true;
}
