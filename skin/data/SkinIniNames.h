// The vocabulary of a skin's INI description: every section and key the
// loader reads, and the frame counts it gives each element. The loader takes
// its names from here and so does skinpack's checker, so what the checker
// calls unknown is exactly what the loader ignores.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The entry an INI image value names: its file-name part (any directory part
// dropped) when that ends in ".bmp" exactly, lower case; "" otherwise.
std::string SkinImageEntryName(const std::string& value);

inline constexpr const char* kTitlebarSkinSection = "TitlebarSkin";
inline constexpr const char* kSkinNameKey = "SkinName";
inline constexpr const char* kFontsSection = "Fonts";
inline constexpr const char* kFontHeightKey = "FontHeight";
inline constexpr const char* kPersonalitySection = "Personality";

// Frame sides: the image key is the side's name, the other keys add a suffix.
struct TFrameSideName {
  const char* Name;
  bool Vertical;  // left and right: their end pieces lie along the height
};
inline constexpr std::array<TFrameSideName, 4> kFrameSides{
    {{"Left", true}, {"Right", true}, {"Top", false}, {"Bottom", false}}};
inline constexpr const char* kSideFirstEndSuffix = "TopHeight";
inline constexpr const char* kSideLastEndSuffix = "BotHeight";
inline constexpr const char* kSideFrameSuffix = "Frame";
inline constexpr const char* kSideStretchSuffix = "Stretch";
inline constexpr const char* kSideTransSuffix = "Trans";

// The caption text, in "Personality".
inline constexpr const char* kTitleImageKey = "TextBack";
inline constexpr const char* kTitleShiftKey = "TextShift";
inline constexpr const char* kTitleShiftVertKey = "TextShiftVert";
inline constexpr const char* kTitleRightClipKey = "TextRightClip";
inline constexpr const char* kTitleAlignmentKey = "TextAlignment";
inline constexpr const char* kTitleBackgroundKey = "Textbackground";
inline constexpr const char* kTitleBackLeftKey = "TXTBackleft";
inline constexpr const char* kTitleBackRightKey = "TXTBackRight";
// Text colours: the prefix with each channel added.
inline constexpr const char* kTitleActiveTextPrefix = "ActiveText";
inline constexpr const char* kTitleInactiveTextPrefix = "InActiveText";
inline constexpr std::array<const char*, 3> kTitleTextChannels{"R", "G", "B"};
inline constexpr int kTitleFrames = 2;

// The menu bar, in "Personality".
inline constexpr const char* kMenuBarImageKey = "menuBar";
inline constexpr const char* kMenuBarTileKey = "TileMenu";
inline constexpr const char* kMenuBarLeftKey = "TileLeftMenu";
inline constexpr const char* kMenuBarRightKey = "TileRightMenu";
inline constexpr int kMenuBarFrames = 2;

// Keys every element loader reads.
inline constexpr std::array<const char*, 4> kMarginKeys{"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"};
inline constexpr const char* kStyleKey = "Style";
inline constexpr const char* kFrameKey = "Frame";
inline constexpr const char* kTransKey = "Trans";
inline constexpr const char* kTileKey = "Tile";
inline constexpr std::array<const char*, 3> kTextColourKeys{"NormalColour", "MouseOverColour", "PressedColour"};
inline constexpr std::array<const char*, 3> kSecondColourKeys{"NormalColour2", "MouseOverColour2", "PressedColour2"};

// What a loader reads besides the four slice widths, Trans and Tile.
struct TElementKeys {
  const char* ImageKey;  // the key naming the image; its value decides whether the element exists
  bool ReadStyle;
  bool ReadFrame;        // FrameCount from "Frame"
  bool ReadColours;      // the three text colours and the three second colours
  int TileAboveOne;      // what a Tile above 1 becomes
};
inline constexpr TElementKeys kCommonKeys{"Image", true, true, true, 0};
inline constexpr TElementKeys kNoFrameKeys{"Image", true, false, true, 0};
inline constexpr TElementKeys kBitmapKeys{"Bitmap", true, false, false, 1};
inline constexpr TElementKeys kPushButtonKeys{"Bitmap", false, false, true, 0};

// Push buttons, with the check-box and radio-button strips.
inline constexpr const char* kButtonsSection = "Buttons";
inline constexpr const char* kCheckImageKey = "CheckButton";
inline constexpr const char* kRadioImageKey = "RadioButton";
inline constexpr const char* kCheckFramesKey = "CheckButtonFrame";
inline constexpr const char* kRadioFramesKey = "RadioButtonFrame";
inline constexpr int kPushButtonFrames = 5;
// Check-box and radio-button strips that give no frame count: cells 13
// pixels wide when lower than 16 pixels, else 16, and at least 4 of them.
int ButtonStripFrames(int width, int height);

// What a caption button does when clicked (its Action key). Some actions
// have a second number that does the same.
enum TCaptionAction {
  caHidden = -1,  // a section kept only to be skipped
  caClose = 0,
  caMaximize = 1,
  caMinimize = 2,
  caSystemMenu = 3,  // the window icon
  caHelp = 4,
  caMDIMinimize = 7,
  caMDIRestore = 8,
  caMDIClose = 9,
  caIcon = 11,
  caSystemMenuToo = 12,
  caMaximizeToo = 22,
  caMinimizeToo = 23,
  caMDIMinimizeToo = 60,
  caMDIRestoreToo = 61,
  caMDICloseToo = 62,
};

// When a caption button shows (its Visibility and Visibility1 keys).
enum TButtonVisibility {
  bvUndefined = -1,
  bvAlways = 0,
  bvMaximized = 1,
  bvNotMaximized = 2,
  bvActive = 3,
  bvInactive = 4,
  bvNever = 5,
  bvMinMaxBoxAndMenu = 6,  // Visibility1: a minimize or maximize box
  bvNoMaximizeBox = 7,
  bvMinOrMaxBoxAndMenu = 8,  // Visibility1: a minimize box, else a maximize box
  bvNoMinimizeBox = 9,
  bvHelpOnly = 10,  // Visibility1: context help
  bvMDIChildMaximized = 100,
  bvDialogFrame = 200,  // a dialog frame that is no dialog class
  bvShownFirst = 201,
  bvShownLast = 999,
  bvAskWindowFirst = 1000,  // the window answers WM_SKIN_BUTTONVISIBLE
  bvAskWindowLast = 2000,
};
// Caption buttons: every section whose name begins with "BUTTON", except the
// push-button ones.
bool IsCaptionButtonSection(const std::string& section);
inline constexpr const char* kCaptionActionKey = "Action";
inline constexpr const char* kCaptionAlignKey = "Align";
inline constexpr const char* kCaptionXKey = "Xcoord";
inline constexpr const char* kCaptionYKey = "Ycoord";
inline constexpr const char* kCaptionVisibilityKey = "Visibility";
inline constexpr const char* kCaptionVisibility1Key = "Visibility1";
inline constexpr const char* kCaptionCombineOpKey = "CombineOp";
inline constexpr const char* kCaptionFrameKey = "frame";
inline constexpr const char* kCaptionImageKey = "ButtonImage";
// The frame count of a caption button whose "frame" is 0: 3 for an image at
// most 3.8 times as wide as high, else 6; 6 without an image or for a
// negative action.
int CaptionButtonFrames(int action, int width, int height);
// A caption-button section the loader skips: a hidden action without Visibility 0.
bool IsSkippedCaptionButton(int action, int visibility);
// A button with this action and no frame count loses its image (the window icon is drawn instead).
bool CaptionButtonDropsImage(int action);

// The buttons of a maximised MDI child: one image of 3 buttons x 4 frames.
inline constexpr const char* kMdiControlsSection = "MDICONTROLS";
inline constexpr const char* kMdiControlsImageKey = "Image";
inline constexpr int kMdiControlsCells = 12;

// Colours.
inline constexpr const char* kColoursSection = "Colours";
// The entries of SkinColours, by the keys of the "Colours" section.
enum TSkinColourIndex {
  scWindowText = 0, scTitleTextActive = 1, scTitleTextNoActive = 2, scButtonFace = 3, scButtonText = 4,
  scButtonHilight = 5, scButtonlight = 6, scButtonShadow = 7, scButtonDkShadow = 8, scHilightText = 11,
  scHilight = 12, scMenubar = 13, scMenuBarText = 14, scMenuText = 15, scMenu = 16, scTitleSample = 17,
  scScrollbar = 18
};

struct TSkinColourKey {
  TSkinColourIndex Index;
  const char* Key;
};
// In reading order: ButtonFace comes before Menubar, which defaults to it.
inline constexpr std::array<TSkinColourKey, 16> kSkinColourKeys{{
    {scWindowText, "WindowText"}, {scButtonFace, "ButtonFace"}, {scScrollbar, "Scrollbar"},
    {scHilightText, "HilightText"}, {scHilight, "Hilight"}, {scMenubar, "Menubar"}, {scMenu, "Menu"},
    {scMenuText, "MenuText"}, {scButtonText, "ButtonText"}, {scButtonHilight, "ButtonHilight"},
    {scButtonlight, "Buttonlight"}, {scButtonShadow, "ButtonShadow"}, {scButtonDkShadow, "ButtonDkShadow"},
    {scMenuBarText, "MenuBarText"}, {scTitleTextActive, "TitleTextActive"}, {scTitleTextNoActive, "TitleTextNoActive"},
}};
// One extra colour per section whose upper-cased name begins with this, other than "COLOURS".
inline constexpr const char* kExtraColourPrefix = "COLOUR";
inline constexpr const char* kExtraColourKey = "color";
bool IsExtraColourSection(const std::string& section);
inline constexpr const char* kCustomColoursSection = "Customcolors";
inline constexpr const char* kCustomColourKeyPrefix = "Color";  // "Color0" ... "Color9"
inline constexpr size_t kCustomColourCount = 10;

// How an element's FrameCount is settled after loading.
enum TFrameRule {
  frFixed,            // Frames, whatever the skin says
  frAsRead,           // "Frame" as read (0 when absent)
  frReadOrFixed,      // "Frame" when non-zero, else Frames
  frFrameCountKey,    // the section's "FrameCount", default Frames
  frByStyle,          // 1 when Style is non-zero, else 2
};

// The optional elements, in loading order.
enum TSkinElement {
  seProgressBar, seProgressChunk, seGroupBoxEdge, seGroupBox, seTabs, seStatusBarEdges, seTabPane,
  seToolBars, seComboButton, seSunkEdge, seExtraImages, seHeaderbar, seMenuItem, seMenuBackground,
  seScrollbar, seHorzScroll, seVertScroll, seHorzScrollThumb, seVertScrollThumb, seTrackThumbHorz,
  seTrackThumbVert, seTrackThumbLeft, seTrackThumbRight, seTrackThumbUp, seTrackThumbDown, seUpDownHorz,
  seUpDownVert, seTrack, seTrackVert, seElementCount
};

struct TElementSection {
  const char* Section;
  const TElementKeys* Keys;
  const char* SecondImageKey;  // nullptr: none
  bool BoxLabel;               // reads the background alignment and shifts
  TFrameRule Rule;
  int Frames;
};
extern const std::array<TElementSection, seElementCount> kElementSections;
inline constexpr const char* kFrameCountKey = "FrameCount";
inline constexpr std::array<const char*, 3> kBoxLabelKeys{"BackgroundAlignment", "BackgroundLeftShift",
                                                          "BackgroundRightShift"};
// The tab pane's slice widths are limited to this.
inline constexpr int kTabPaneMaxMargin = 4;

// The FrameCount an element has after loading: read is what its "Frame"
// gave, frameCountKey what its "FrameCount" gave (default row.Frames).
int ElementFramesAfterLoad(const TElementSection& row, int read, int style, int frameCountKey);

// The keys of a section whose values name images (letter case ignored).
std::vector<std::string> SkinImageKeys(const std::string& section);

// The keys the loader reads from the section of that name (letter case
// ignored), empty when it reads none; the names as the loader writes them.
std::vector<std::string> KnownSkinKeys(const std::string& section);
