// skingen DESCRIPTION SKIN_DIR OUT_DIR
// Renders every window of the artwork description: its state pictures
// (JPEG) and its mask (BMP), from the layout files in SKIN_DIR, into OUT_DIR.
#include <cstdio>
#include <string>

#include "render_skin.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skingen DESCRIPTION SKIN_DIR OUT_DIR\n");
    return 2;
  }
  const std::optional<IniDocument> description = IniDocument::Load(argv[1]);
  if (!description) {
    std::fprintf(stderr, "skingen: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string error;
  if (!RenderSkin(*description, argv[2], argv[3], error)) {
    std::fprintf(stderr, "skingen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
