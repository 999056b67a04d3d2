// How the main window reaches the tile browser: Ctrl+B and "Browse tiles…"
// in the tile list's context menu open it; a tile chosen in it is loaded in
// the main window, and a write of it reloads the main window's tile.
#pragma once

namespace tilewright {

class FrmMain;
class TileBrowser;

// Gives `window` its Ctrl+B and its list's context menu entry.
void AttachTileBrowser(FrmMain& window);
// Opens the browser over `window` (made at the first call) on the files and
// the list kind of that moment, and returns it.
TileBrowser& OpenTileBrowser(FrmMain& window);

}  // namespace tilewright
