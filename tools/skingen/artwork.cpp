#include "artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "mouse_art.h"
#include "skin/button_info.h"

namespace {

const Rgb kBack = FromColorRef(kBackground);
const Rgb kRed = FromColorRef(kAccent);
const Rgb kHeaderTop = FromColorRef(0x2A2A2A);
const Rgb kFrame = FromColorRef(0x454545);
const Rgb kFace = FromColorRef(0x2B2B2B);
const Rgb kFaceOver = FromColorRef(0x343434);
const Rgb kFaceDown = FromColorRef(0x0A0A78);
const Rgb kFaceDisabled = FromColorRef(0x242424);
const Rgb kFrameDisabled = FromColorRef(0x2E2E2E);
const Rgb kWell = FromColorRef(0x171717);
const Rgb kWellEdge = FromColorRef(0x303030);
const Rgb kGlyph = FromColorRef(0xB4B4B4);
const Rgb kGlyphBright = FromColorRef(0xF5F5F5);
const Rgb kGlyphDisabled = FromColorRef(0x4A4A4A);
const Rgb kLeader = FromColorRef(0x5A5A5A);

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> out;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) out.push_back(std::atof(item.c_str()));
  return out;
}

std::vector<Box> Boxes(const std::string& text) {
  std::vector<Box> out;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ';')) {
    const std::vector<double> n = Numbers(item);
    if (n.size() == 4) out.push_back({n[0], n[1], n[0] + n[2], n[1] + n[3]});
  }
  return out;
}

struct Face {
  Rgb fill, frame, glyph;
};

Face FaceOf(SkinState state) {
  switch (state) {
    case SkinState::Over: return {kFaceOver, kRed, kGlyphBright};
    case SkinState::Down: return {kFaceDown, kRed, kGlyphBright};
    case SkinState::Disabled: return {kFaceDisabled, kFrameDisabled, kGlyphDisabled};
    case SkinState::Normal: break;
  }
  return {kFace, kFrame, kGlyph};
}

void DrawControl(Canvas& c, const SkinControl& control, SkinState state) {
  const Box& b = control.rect;
  const double w = b.right - b.left, h = b.bottom - b.top;
  if (w <= 0 || h <= 0) return;
  const double cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
  const Face face = FaceOf(state);
  const std::string& look = control.look;

  if (look == "label") return;
  if (look == "well") {
    c.RoundRect(b, 4, kWellEdge);
    c.RoundRect({b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, 3, kWell);
    return;
  }
  if (look == "radio") {
    const double r = std::min(w, h) / 2 - 1;
    c.Ring(cx, cy, r, 1.5, state == SkinState::Normal || state == SkinState::Disabled ? face.frame : kRed);
    if (state == SkinState::Down) c.Disc(cx, cy, r - 4, kRed);
    if (state == SkinState::Over) c.Disc(cx, cy, r - 5, kFrame);
    return;
  }
  if (look == "check") {
    // A square box, red-framed under the pointer and filled red when checked.
    c.RoundRect(b, 2, state == SkinState::Normal || state == SkinState::Disabled ? face.frame : kRed);
    c.RoundRect({b.left + 2, b.top + 2, b.right - 2, b.bottom - 2}, 1, kWell);
    if (state == SkinState::Down) c.RoundRect({b.left + 3, b.top + 3, b.right - 3, b.bottom - 3}, 1, kRed);
    return;
  }
  if (look.rfind("swatch:", 0) == 0) {
    const Rgb colour = FromColorRef(static_cast<uint32_t>(std::strtoul(look.c_str() + 7, nullptr, 16)));
    const Rgb ring = state == SkinState::Down ? kRed : state == SkinState::Over ? kGlyphBright : kFrame;
    c.RoundRect(b, 4, ring);
    c.RoundRect({b.left + 2, b.top + 2, b.right - 2, b.bottom - 2}, 2.5, kBack);
    c.RoundRect({b.left + 3, b.top + 3, b.right - 3, b.bottom - 3}, 2, colour);
    return;
  }

  // Buttons: a rounded face with a frame, the pressed ones lit in red.
  c.RoundRect(b, 4, face.frame);
  c.RoundRect({b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, 3, face.fill);
  const double g = std::min(w, h) * 0.22;
  if (look == "minimise") {
    c.Line(cx - g, cy + g * 0.8, cx + g, cy + g * 0.8, 2, face.glyph);
  } else if (look == "close") {
    c.Line(cx - g, cy - g, cx + g, cy + g, 1.8, face.glyph);
    c.Line(cx - g, cy + g, cx + g, cy - g, 1.8, face.glyph);
  } else if (look == "browse") {
    for (int dot = -1; dot <= 1; ++dot) c.Disc(cx + dot * g * 1.3, cy + g * 0.6, 1.6, face.glyph);
  } else if (look == "arrow-left") {
    c.Triangle(cx + g * 0.7, cy - g * 1.2, cx + g * 0.7, cy + g * 1.2, cx - g, cy, face.glyph);
  } else if (look == "arrow-right") {
    c.Triangle(cx - g * 0.7, cy - g * 1.2, cx - g * 0.7, cy + g * 1.2, cx + g, cy, face.glyph);
  }
}

void DrawLogo(Canvas& c, const Box& at) {
  // A mouse seen from above, in the accent colour.
  const double w = at.right - at.left, h = at.bottom - at.top;
  const double cx = at.left + w / 2, cy = at.top + h / 2;
  c.Fill(at, [&](double x, double y) {
    const double ex = (x - cx) / (w / 2), ey = (y - cy) / (h / 2);
    return ex * ex + ey * ey <= 1;
  }, kRed);
  c.Fill(at, [&](double x, double y) {
    const double ex = (x - cx) / (w / 2 - 2.5), ey = (y - cy) / (h / 2 - 2.5);
    return ex * ex + ey * ey <= 1;
  }, kBack);
  c.Line(cx, at.top + 3, cx, cy - 1, 2, kRed);
  c.Line(at.left + 2.5, cy - 1, at.right - 2.5, cy - 1, 2, kRed);
}

// A thin line between the facing sides of the control and the part, with a
// short level start so that the lines leaving a column look alike.
void DrawLeader(Canvas& c, const Box& from, const Box& part) {
  const bool left = part.left < from.left;
  const double x = left ? from.left : from.right, y = std::floor((from.top + from.bottom) / 2) + 0.5;
  const double elbow = left ? x - 6 : x + 6;
  const double toX = left ? part.right : part.left, toY = (part.top + part.bottom) / 2;
  c.Line(x, y, elbow, y, 1, kLeader);
  c.Line(elbow, y, toX, toY, 1, kLeader);
  c.Disc(toX, toY, 2.4, kBack);
  c.Disc(toX, toY, 1.5, kGlyphBright);
}

}  // namespace

std::optional<WindowArt> ReadWindowArt(const IniDocument& d, const std::string& name, const std::string& skinDir,
                                       std::string& error) {
  WindowArt art;
  art.name = name;
  art.layout = d.Get(name, "Layout");
  const std::vector<double> size = Numbers(d.Get(name, "Size"));
  if (size.size() != 2 || size[0] <= 0 || size[1] <= 0) {
    error = name + ": Size=width,height is missing";
    return std::nullopt;
  }
  art.width = static_cast<int>(size[0]);
  art.height = static_cast<int>(size[1]);
  art.corner = std::atof(d.Get(name, "Corner", "0").c_str());
  art.header = std::atoi(d.Get(name, "Header", "0").c_str());
  art.footer = std::atoi(d.Get(name, "Footer", "0").c_str());
  art.wells = Boxes(d.Get(name, "Wells"));
  if (const std::vector<Box> logo = Boxes(d.Get(name, "Logo")); !logo.empty()) art.logo = logo.front();
  art.rules = Boxes(d.Get(name, "Rules"));
  if (const std::vector<Box> mouse = Boxes(d.Get(name, "Mouse")); !mouse.empty()) art.mouse = mouse.front();
  for (const char* state : {"Mask", "Normal", "Over", "Down", "Disabled"}) {
    if (std::string file = d.Get(name, state); !file.empty()) art.files[state] = file;
  }
  if (!art.files.count("Mask") || !art.files.count("Normal")) {
    error = name + ": Mask and Normal files must be named";
    return std::nullopt;
  }
  if (art.layout.empty()) return art;

  const std::optional<IniDocument> layout = IniDocument::Load(skinDir + "/" + art.layout);
  if (!layout) {
    error = name + ": cannot read " + art.layout;
    return std::nullopt;
  }
  for (const auto& [key, value] : layout->Entries("BUTTONINFO")) {
    const SkinButtonInfo info = ParseButtonInfo(std::u16string(value.begin(), value.end()));
    const SkinRect& r = info.Rect;
    if (r.left < 0 || r.top < 0 || r.right > art.width || r.bottom > art.height) {
      error = name + ": control " + key + " lies outside the window";
      return std::nullopt;
    }
    const std::string lead = d.Get(name, "Lead." + key);
    if (!lead.empty() && !(art.mouse && MousePart(*art.mouse, lead))) {
      error = name + ": control " + key + " leads to " + lead + ", which the window's mouse does not have";
      return std::nullopt;
    }
    art.controls.push_back({key, {double(r.left), double(r.top), double(r.right), double(r.bottom)},
                            d.Get(name, "Look." + key, "button"), lead});
  }
  return art;
}

Canvas RenderState(const WindowArt& art, SkinState state) {
  Canvas c(art.width, art.height, kBack);
  const double w = art.width, h = art.height;
  if (art.header > 0) {
    c.Gradient({0, 0, w, double(art.header)}, kHeaderTop, kBack);
    c.Rect({0, double(art.header) - 1, w, double(art.header)}, kRed);
  }
  if (art.footer > 0) c.Rect({0, h - art.footer, w, h - art.footer + 1}, kWellEdge);
  // A thin outline following the window's rounded shape.
  if (art.corner > 0) c.RoundFrame({0, 0, w, h}, art.corner, 1, FromColorRef(0x3A3A3A));
  for (const Box& well : art.wells) {
    c.RoundRect({well.left - 1, well.top - 1, well.right + 1, well.bottom + 1}, 5, kWellEdge);
    c.RoundRect(well, 4, kWell);
  }
  for (const Box& rule : art.rules) c.Rect(rule, kFrame);
  if (art.logo) DrawLogo(c, *art.logo);
  if (art.mouse) DrawMouse(c, *art.mouse);
  for (const SkinControl& control : art.controls) {
    if (!control.lead.empty()) DrawLeader(c, control.rect, *MousePart(*art.mouse, control.lead));
  }
  for (const SkinControl& control : art.controls) DrawControl(c, control, state);
  return c;
}

Canvas RenderMask(const WindowArt& art) {
  Canvas mask(art.width, art.height, {255, 255, 255});
  const Box all{0, 0, double(art.width), double(art.height)};
  // Whole pixels only: a pixel belongs to the window when its centre does.
  for (int y = 0; y < art.height; ++y) {
    for (int x = 0; x < art.width; ++x) {
      if (InRoundRect(all, art.corner, x + 0.5, y + 0.5)) mask.Set(x, y, {0, 0, 0});
    }
  }
  return mask;
}
