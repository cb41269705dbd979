#pragma once
// A skinned window's pictures: the mask of its shape and the full-window
// pictures of its controls' four states (the normal one doubles as the
// window's background).
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/gdi.h"
#include "model/ini_section.h"
#include "skin/bitmap_btn.h"
#include "skin/button_info.h"


// Picture file names, relative to the skin folder.
struct PageImageNames {
  std::wstring mask;
  std::wstring normal;
  std::wstring over;
  std::wstring down;
  std::wstring disabled;
  // When set, the names are those of this layout file's "SCREEN" section,
  // read when the pictures are wanted: the skin names them, not the program.
  std::wstring screenLayout = {};

  static PageImageNames InScreenSection(std::wstring layout) { return {{}, {}, {}, {}, {}, std::move(layout)}; }
};

struct PageImageSet {
  GdiBitmap mask;
  GdiBitmap normal;
  GdiBitmap over;
  GdiBitmap down;
  GdiBitmap disabled;
  // Size of the last picture loaded; the window takes its size from it.
  SIZE size{0, 0};

  // The files Load decodes for `names`: each file once, however spelled.
  static std::vector<std::wstring> PicturePaths(const PageImageNames& names, const std::wstring& folder);

  // Loads each named picture from `folder` (the skin folder unless given);
  // missing ones stay empty. Names given by a layout are read from it there.
  void Load(const PageImageNames& names);
  void Load(const PageImageNames& names, const std::wstring& folder);

  // The names from the "SCREEN" section of a layout file.
  static PageImageNames NamesFromLayout(const std::wstring& layoutPath);

  // Cuts a button's four state images from the pictures at its rectangle.
  void CutButtonImages(CBitmapBtn& button, const SkinButtonInfo& info) const;

  // Drops the four state pictures once the controls have their cut-outs.
  void ReleaseStatePictures();

  // Shapes `window` from the mask, when it yields a region.
  void ApplyRegion(HWND window) const;

  // Paints the background picture at (0, 0), unscaled.
  void PaintBackground(HDC dc) const;
};

// Builds one skinned button from the layout's BUTTONINFO section (see
// ReadButtonSection): takes entry `key`, creates the button (identifier 0)
// on `parent` at its rectangle as `args` say and, given the pictures, cuts
// its four state images. Returns the layout read.
SkinButtonInfo CreateSkinButton(CBitmapBtn& button, const IniSection& buttons, const wchar_t* key, HWND parent,
                                const CBitmapBtn::CreateArgs& args = {});
SkinButtonInfo CreateSkinButton(CBitmapBtn& button, const IniSection& buttons, const wchar_t* key, HWND parent,
                                const PageImageSet& images, const CBitmapBtn::CreateArgs& args = {});
