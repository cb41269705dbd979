#pragma once
// Skin pictures decoded on a worker thread, ahead of their use: the main
// window starts its pictures while the window system is still starting.
// Picture decoding needs COM, which the worker sets up for itself, so the
// user-interface thread keeps its own apartment choice.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/gdi.h"

struct DecodedPicture {
  GdiBitmap bitmap;  // empty when the file is missing or undecodable
  SIZE size{0, 0};
};

// Queues the files for the worker, which decodes one after another in the
// order queued; a file queued and not yet taken is not queued again.
void DecodePicturesAhead(const std::vector<std::wstring>& paths);

// The picture of `path`, waiting for its decoding to end (started now when
// it was not started ahead). Each decoding is taken once.
DecodedPicture TakeDecodedPicture(const std::wstring& path);
