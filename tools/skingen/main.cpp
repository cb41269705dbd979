// skingen DESCRIPTION SKIN_DIR OUT_DIR
// Renders every window of the artwork description: its state pictures
// (JPEG) and its mask (BMP), from the layout files in SKIN_DIR, and the
// sliders' thumbs (BMP), into OUT_DIR.
#include <cstdio>
#include <string>

#include "artwork.h"
#include "image_files.h"
#include "thumbs.h"

namespace {
constexpr int kJpegQuality = 92;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skingen DESCRIPTION SKIN_DIR OUT_DIR\n");
    return 2;
  }
  const std::string skinDir = argv[2], outDir = argv[3];
  const std::optional<IniDocument> description = IniDocument::Load(argv[1]);
  if (!description) {
    std::fprintf(stderr, "skingen: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::pair<const char*, SkinState> states[] = {
      {"Normal", SkinState::Normal}, {"Over", SkinState::Over}, {"Down", SkinState::Down},
      {"Disabled", SkinState::Disabled}};
  for (const std::string& name : description->Sections()) {
    std::string error;
    if (IsThumbSection(*description, name)) {
      const std::optional<ThumbArt> thumbs = ReadThumbArt(*description, name, error);
      if (!thumbs) {
        std::fprintf(stderr, "skingen: %s\n", error.c_str());
        return 1;
      }
      if (!WriteThumbs(*thumbs, outDir)) {
        std::fprintf(stderr, "skingen: cannot write the thumbs of %s to %s\n", name.c_str(), outDir.c_str());
        return 1;
      }
      continue;
    }
    const std::optional<WindowArt> art = ReadWindowArt(*description, name, skinDir, error);
    if (!art) {
      std::fprintf(stderr, "skingen: %s\n", error.c_str());
      return 1;
    }
    bool ok = WriteMaskBmp(RenderMask(*art), outDir + "/" + art->files.at("Mask"));
    for (const auto& [key, state] : states) {
      if (auto file = art->files.find(key); file != art->files.end()) {
        ok = WriteJpeg(RenderState(*art, state), outDir + "/" + file->second, kJpegQuality) && ok;
      }
    }
    if (!ok) {
      std::fprintf(stderr, "skingen: cannot write the pictures of %s to %s\n", name.c_str(), outDir.c_str());
      return 1;
    }
  }
  return 0;
}
