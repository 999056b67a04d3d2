// Where the main window puts each control, with its caption and tooltip,
// as the window tests expect to find them.
#pragma once

#include <QRect>

namespace tilewright::testing {

struct Placement {
    const char* name;
    const char* container;
    const char* caption;
    const char* tooltip;
    QRect geometry;
};

inline const Placement kLayout[] = {
    {"lstId", "frmMain", "", "List of ID's", {0, 0, 89, 366}},
    {"cmdLand", "frmMain", "Look Land's Tile", "Load Land's Block Info", {0, 368, 89, 17}},
    {"cmdItem", "frmMain", "Look Item's Tile", "Load Item's Block Info", {0, 384, 89, 17}},
    {"Frame1", "frmMain", "Flags", "", {8, 16, 177, 273}},
    {"Frame2", "frmMain", "Values", "", {192, 16, 169, 209}},
    {"Frame5", "frmMain", "Tile Name", "", {192, 232, 169, 57}},
    {"txtTileName", "Frame5", "", "Tile Name MAX = 20 Char's", {8, 24, 153, 19}},
    {"Frame3", "frmMain", "Picture Viewer", "", {96, 304, 209, 97}},
    {"PicTile", "Frame3", "", "", {8, 16, 193, 73}},
    {"Frame4", "frmMain", "Other Info", "", {312, 304, 153, 65}},
    {"Label1", "Frame4", "Offset :", "", {8, 16, 34, 13}},
    {"Label3", "Frame4", "Size (in hex) :", "", {8, 32, 63, 13}},
    {"Label4", "Frame4", "Flag (in hex) :", "", {8, 48, 63, 13}},
    {"txtOtherInfo(0)", "Frame4", "", "Offset in byte in file. Proper value for other languages is (value -1)",
     {56, 16, 89, 13}},
    {"txtOtherInfo(1)", "Frame4", "", "Size of block", {80, 32, 65, 13}},
    {"txtOtherInfo(2)", "Frame4", "", "Flag's value", {80, 48, 65, 13}},
    {"cmdCompile", "frmMain", "Compile", "Save changes in file", {320, 376, 57, 25}},
    {"cmdLoad", "frmMain", "Path's", "Please choose right way +)", {400, 376, 57, 25}},
};

inline const char* const kValueCaptions[] = {"Weight :",  "Quality/Layer/LightID :", "Unknown1 :", "Unknown2 :",
                                      "Quantity/WC/AC :", "Gump/Animation :", "Unknown3 :", "Hue :",
                                      "Unknown4 :", "Unknown5 :", "Height :", "Id :"};
inline const char* const kValueLabelTips[] = {"if 255 then not moveable", "Wearable - Layer, Light Source - LightID", "", "",
                                       "Weapon - Weapon Class, Armor - Armor Class", "", "", "", "", "", "",
                                       "Edit only for Land Tile"};
inline const char* const kValueBoxTips[] = {"0 - 255", "0 - 255", "0 - 16383", "0 - 255", "0 - 255", "0 - 16383",
                                     "0 - 255", "0 - 255", "0 - 255", "0 - 255", "0 - 255", "0-16383"};
inline const int kRightFlagWidths[] = {57, 65, 73, 73, 49, 65, 73, 81, 73, 81, 73, 49, 49, 49, 73, 73};

}  // namespace tilewright::testing
