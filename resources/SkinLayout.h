#pragma once

// Where the skinned windows place their controls, in pixels. The background pictures are drawn
// to match, so the skin painter and the windows read the same numbers.

namespace skin {

struct Box {
    int x;
    int y;
    int width;
    int height;
    constexpr int Right() const { return x + width; }
    constexpr int Bottom() const { return y + height; }
};

// The faces of a skinned button: the bitmap ids of its resting, hover and greyed faces (0: none).
// The skin painter draws them and the windows load them from here.
struct Faces {
    int normal;
    int hover;
    int disabled;
};

// Where a skinned window paints a text of its own over a face or the background: the room it may
// fill (in the face's or window's pixels) and its look. The faces and backgrounds hold no text,
// so that the text is the user's language; a text wider than its room is made smaller, then cut
// short.
struct TextSpot {
    double x;
    double y;
    double width;
    double height;
    double fontSize;  // pixels
    bool bold;
    enum Align { kLeft, kCentre, kRight } align;
};

// A skinned button's label and its sign, which the window paints over the face in the user's
// language.
struct LabelSpot {
    TextSpot text;  // beside: the room of the sign and the label together
    double signSize;
    bool signAbove;  // centred above the text's room
};
// The gap between a sign and the label beside it.
inline constexpr double kSignGap = 8;

// ---- Main window (background 290) ----
inline constexpr Box kMainWindow{0, 0, 880, 540};
inline constexpr int kTitleBarHeight = 40;

inline constexpr Box kCloseButton{844, 11, 20, 18};
inline constexpr Box kMinimizeButton{818, 11, 20, 18};
inline constexpr Box kAboutButton{789, 11, 23, 18};

inline constexpr Box kAddButton{16, 52, 133, 61};
inline constexpr Box kClipButton{159, 51, 130, 63};
inline constexpr Box kHelpButton{299, 52, 129, 61};

inline constexpr Box kTaskList{16, 124, 540, 300};
inline constexpr Box kRemoveButton{16, 432, 71, 42};
inline constexpr Box kClearAllButton{97, 432, 71, 42};
inline constexpr Box kMergeButton{178, 432, 71, 42};
inline constexpr Box kFileInfoButton{259, 432, 71, 42};
// How many files a Convert works on at once.
inline constexpr Box kFilesAtOnceBox{488, 440, 68, 26};

inline constexpr Box kPreviewFrame{572, 124, 292, 176};
inline constexpr Box kPositionSlider{561, 308, 315, 17};
inline constexpr Box kPlayButton{572, 332, 54, 37};
inline constexpr Box kStopButton{632, 330, 60, 42};
inline constexpr Box kVolumeSymbol{766, 340, 21, 22};
inline constexpr Box kVolumeSlider{791, 343, 73, 17};

inline constexpr Box kFormatBox{572, 398, 168, 26};
inline constexpr Box kSettingButton{748, 392, 116, 38};

inline constexpr Box kFolderBox{76, 496, 344, 26};
inline constexpr Box kBrowseButton{430, 490, 113, 37};
inline constexpr Box kFindTargetButton{551, 489, 112, 39};

inline constexpr Box kConvertButton{681, 440, 183, 93};

inline constexpr Faces kAddFaces{177, 178, 0};
inline constexpr Faces kClipFaces{180, 226, 280};
inline constexpr Faces kHelpFaces{181, 182, 0};
inline constexpr Faces kConvertFaces{186, 185, 279};
inline constexpr Faces kRemoveFaces{189, 188, 229};
inline constexpr Faces kClearAllFaces{191, 269, 212};
inline constexpr Faces kMergeFaces{295, 286, 296};
inline constexpr Faces kFileInfoFaces{243, 244, 261};
inline constexpr Faces kSettingFaces{197, 196, 200};
inline constexpr Faces kBrowseFaces{199, 199, 0};
inline constexpr Faces kFindTargetFaces{204, 204, 0};
inline constexpr Faces kMinimizeFaces{207, 208, 0};
inline constexpr Faces kCloseFaces{209, 210, 0};
inline constexpr Faces kAboutFaces{254, 253, 0};
inline constexpr Faces kVolumeFaces{293, 293, 0};
// The labels of the buttons and their signs, in the face's pixels: a sign beside its label is
// centred with it in the room; one above has the label under it.
inline constexpr LabelSpot kAddLabel{{6, 0, 121, 61, 16, false, TextSpot::kLeft}, 22, false};
inline constexpr LabelSpot kClipLabel{{6, 0, 118, 63, 16, false, TextSpot::kLeft}, 22, false};
inline constexpr LabelSpot kHelpLabel{{6, 0, 117, 61, 16, false, TextSpot::kLeft}, 22, false};
inline constexpr LabelSpot kConvertLabel{
    {6, 56.4, 171, 22.2, 19, true, TextSpot::kCentre}, 40, true};
inline constexpr LabelSpot kListToolLabel{
    {1, 24.6, 69, 12.8, 10.5, false, TextSpot::kCentre}, 18, true};
inline constexpr LabelSpot kSettingLabel{{6, 0, 104, 38, 13, false, TextSpot::kLeft}, 18, false};
inline constexpr LabelSpot kBrowseLabel{{6, 0, 101, 37, 13, false, TextSpot::kLeft}, 18, false};
inline constexpr LabelSpot kFindTargetLabel{
    {6, 0, 100, 39, 12.5, false, TextSpot::kLeft}, 18, false};

// The texts painted on the background.
inline constexpr TextSpot kTaglineText{130, 1, 640, 40, 12, false, TextSpot::kLeft};
inline constexpr TextSpot kGettingStartedText{40, 142, 492, 24, 16, true, TextSpot::kLeft};
// The four numbered steps under it: a number in a circle, a title and a line that explains it.
inline constexpr double kStepTop = 186;
inline constexpr double kStepPitch = 56;
inline constexpr Box kStepCircle{42, 0, 30, 30};  // y from kStepTop
inline constexpr TextSpot kStepTitleText{88, -2, 444, 20, 15, true, TextSpot::kLeft};
inline constexpr TextSpot kStepDetailText{88, 17, 444, 18, 12.5, false, TextSpot::kLeft};
inline constexpr TextSpot kPreviewText{572, 124, 292, 176, 12, false, TextSpot::kCentre};
inline constexpr TextSpot kProfileText{572, 380, 160, 16, 13, true, TextSpot::kLeft};
inline constexpr TextSpot kOutputText{6, 496, 66, 26, 13, true, TextSpot::kRight};
// Right-aligned against the box of files at once.
inline constexpr TextSpot kFilesAtOnceText{336, 440, 148, 26, 13, true, TextSpot::kRight};

// The transport: Play shows a pause face while playing.
inline constexpr Faces kPlayFaces{302, 302, 301};
inline constexpr int kPlayPlayingFace = 310;
inline constexpr Faces kStopFaces{304, 304, 303};

// ---- Clip dialog (background 311) ----
inline constexpr Box kClipWindow{0, 0, 423, 455};
inline constexpr Box kClipPreview{2, 2, 419, 192};
// The sound of the whole file, under the picture.
inline constexpr Box kClipWaveform{2, 196, 419, 42};
inline constexpr Box kClipSlider{2, 242, 419, 18};
inline constexpr Box kClipPlayButton{14, 268, 54, 37};
inline constexpr Box kClipStopButton{74, 266, 60, 42};
inline constexpr Box kClipStartGroup{12, 314, 127, 52};
inline constexpr Box kClipEndGroup{148, 314, 127, 52};
inline constexpr Box kClipCutGroup{284, 314, 127, 52};
inline constexpr Box kClipSetBeginButton{12, 376, 127, 30};
inline constexpr Box kClipSetEndButton{148, 376, 127, 30};
inline constexpr Box kClipResetButton{284, 376, 127, 30};
inline constexpr Box kClipTrimCheck{12, 416, 196, 30};
inline constexpr Box kClipOkButton{216, 416, 95, 30};
inline constexpr Box kClipCancelButton{316, 416, 95, 30};

inline constexpr TextSpot kClipPreviewText{2, 2, 419, 192, 12, false, TextSpot::kCentre};

// ---- About dialog ----
inline constexpr Box kAboutBanner{0, 0, 408, 86};
inline constexpr TextSpot kAboutTaglineText{90, 50, 312, 22, 13, false, TextSpot::kLeft};

}  // namespace skin
