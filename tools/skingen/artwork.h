#pragma once
// One skinned window's artwork: its size and shape, its fixed decoration,
// and each control of its layout file drawn in the look of each state. The
// rectangles come from the layout file itself, read with the program's own
// parser, so pictures and layout cannot disagree.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "ini.h"

// The theme (Windows colour values 0x00BBGGRR, as everywhere in the skin).
inline constexpr uint32_t kBackground = 0x1F1F1F;
inline constexpr uint32_t kAccent = 0x0808FF;

enum class SkinState { Normal, Over, Down, Disabled };

struct SkinControl {
  std::string key;
  Box rect;
  std::string look;  // button, label, well, minimise, close, arrow-left, arrow-right, browse, radio, check, swatch:0xBBGGRR
  std::string lead;  // the part of the window's mouse its leader line points at, if any
};

struct WindowArt {
  std::string name;
  std::string layout;
  int width = 0;
  int height = 0;
  double corner = 0;
  int header = 0;
  int footer = 0;
  std::vector<Box> wells;
  std::optional<Box> logo;
  std::vector<Box> rules;     // thin separating lines
  std::optional<Box> mouse;   // where the mouse of the button page is drawn
  // Picture file names by state; the mask's under "Mask".
  std::map<std::string, std::string> files;
  std::vector<SkinControl> controls;
};

// The artwork of section `name` of the description, with the controls of
// its layout file (read from `skinDir`). Empty when the description is
// incomplete; `error` then says why.
std::optional<WindowArt> ReadWindowArt(const IniDocument& description, const std::string& name,
                                       const std::string& skinDir, std::string& error);

Canvas RenderState(const WindowArt& art, SkinState state);
// Black inside the window, pure white outside.
Canvas RenderMask(const WindowArt& art);
