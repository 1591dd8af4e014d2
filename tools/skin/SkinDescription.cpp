// The skin description: every section and key the skin engine reads.  The
// numbers and title colours come from the style: the side borders' corner
// rows, the caption height, the ends of the top and bottom borders and the
// caption buttons' places follow its sizes.
#include "SkinArt.h"

#include <string_view>
#include <utility>

namespace yq::art {

namespace {

std::string Rgb(TRgb c) {
    return std::to_string(int(c.r)) + " " + std::to_string(int(c.g)) + " " + std::to_string(int(c.b));
}

// Replaces every "{name}" of the text by its value.
std::string Fill(std::string text, const std::vector<std::pair<std::string_view, std::string>>& values) {
    for (const auto& [name, value] : values) {
        const std::string key = "{" + std::string(name) + "}";
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    }
    return text;
}

constexpr std::string_view kTemplate = R"(; 云樵 skin: {summary}
; Colours are "red green blue".

[Personality]
Left=left.bmp
Right=right.bmp
Top=top.bmp
Bottom=bottom.bmp
LeftTopHeight={caption}
LeftBotHeight={corner}
RightTopHeight={caption}
RightBotHeight={corner}
TopTopHeight={topend}
TopBotHeight={topend}
BottomTopHeight={bottomend}
BottomBotHeight={bottomend}
LeftFrame=2
RightFrame=2
TopFrame=2
BottomFrame=2
LeftStretch=1
RightStretch=1
TopStretch=1
BottomStretch=1
LeftTrans=1
RightTrans=1
TopTrans=1
BottomTrans=1
TextBack=CaptionBack.bmp
TextShift=30
TextShiftVert=0
TextRightClip=100
TextAlignment=0
TXTBackleft=10
TXTBackRight=10
menuBar=menubar.bmp
TileMenu=0
TileLeftMenu=2
TileRightMenu=2

[Colours]
ButtonFace=246 241 231
HilightText={accent}
Hilight=251 235 203
Menubar=248 244 237
Menu=251 248 242
MenuText=59 47 42
ButtonText=59 47 42
ButtonHilight=255 255 255
ButtonShadow=190 174 154
ButtonDkShadow=120 104 88
MenuBarText=59 47 42
TitleTextActive={titleactive}
TitleTextNoActive={titleinactive}

; Caption buttons, in this order: window icon, close, maximise, restore,
; minimise, and an ornament that never shows (Visibility1 defaults to -1).
[ButtonIcon]
Action=3
Align=0
Xcoord={iconx}
Ycoord={icony}
Visibility=0
Visibility1=0
frame=0
ButtonImage=WindowIcon.bmp

[ButtonClose]
Action=0
Align=1
Xcoord={closex}
Ycoord={buttony}
Visibility=0
Visibility1=0
frame=4
ButtonImage=close.bmp

[ButtonMaximize]
Action=1
Align=1
Xcoord={maxx}
Ycoord={buttony}
Visibility=2
Visibility1=6
frame=4
ButtonImage=maximise.bmp

[ButtonRestore]
Action=1
Align=1
Xcoord={maxx}
Ycoord={buttony}
Visibility=1
Visibility1=6
frame=4
ButtonImage=restore.bmp

[ButtonMinimize]
Action=2
Align=1
Xcoord={minx}
Ycoord={buttony}
Visibility=0
Visibility1=8
frame=4
ButtonImage=minimise.bmp

[ButtonKnot]
Action=-1
Align=3
Xcoord=4
Ycoord=6
Visibility=0
frame=0
ButtonImage=knot.bmp

[MDICONTROLS]
Image=mdicontrols.bmp

[Buttons]
Bitmap=button.bmp
CheckButton=checkbox.bmp
RadioButton=radiobutton.bmp
LeftWidth=5
RightWidth=5
TopHeight=5
BottomHeight=5
Trans=1
Tile=0
RadioButtonFrame=0
CheckButtonFrame=0
NormalColour2=59 47 42
MouseOverColour2={accent}
PressedColour2=59 47 42

[Progress]
Bitmap=progress.bmp
Chunk=progresschunk.bmp
Style=0
LeftWidth=5
RightWidth=5
TopHeight=4
BottomHeight=4
Trans=1
Tile=0

[GroupBoxEdge]
Image=groupbox.bmp
LeftWidth=5
RightWidth=5
TopHeight=5
BottomHeight=5
Trans=1
Tile=0

[Tabs]
Image=tabs.bmp
Border=tabborder.bmp
LeftWidth=5
RightWidth=5
TopHeight=5
BottomHeight=3
Trans=1
Tile=0
NormalColour2=110 94 82
MouseOverColour2={accent}
PressedColour2=59 47 42

[StatusBarEdges]
Image=statusbar.bmp
LeftWidth=2
RightWidth=2
TopHeight=2
BottomHeight=2
Trans=0
Tile=0

[ComboButton]
Image=combobutton.bmp
LeftWidth=3
RightWidth=3
TopHeight=3
BottomHeight=3
Trans=1
Tile=0

[SunkEdge]
Image=sunkedge.bmp
LeftWidth=4
RightWidth=4
TopHeight=4
BottomHeight=4
Trans=1
Tile=0

[ExtraImages]
Image=ExtraImages.bmp
Trans=1
Tile=0

[Headerbar]
Image=headerbar.bmp
LeftWidth=2
RightWidth=2
TopHeight=2
BottomHeight=2
Trans=0
Tile=0

[MenuItem]
Image=menuitem.bmp
LeftWidth=4
RightWidth=4
TopHeight=4
BottomHeight=4
Trans=1
Tile=0

[MenuBackground]
Image=menubackground.bmp
LeftWidth=3
RightWidth=3
TopHeight=3
BottomHeight=3
Trans=0
Tile=0

[Scrollbar]
Image=scrollbar.bmp
Trans=1
Tile=0

[HorzScroll]
Image=hscroll.bmp
Trans=0
Tile=0

[VertScroll]
Image=vscroll.bmp
Trans=0
Tile=0

[HorzScrollThumb]
Image=hthumb.bmp
LeftWidth=6
RightWidth=6
Trans=1
Tile=0
FrameCount=3

[VertScrollThumb]
Image=vthumb.bmp
TopHeight=6
BottomHeight=6
Trans=1
Tile=0

[Trackbar.ThumbHorz]
Image=trackthumbh.bmp
Trans=1
Tile=0

[Trackbar.ThumbVert]
Image=trackthumbv.bmp
Trans=1
Tile=0

[UpDown.Horz]
Image=updownh.bmp
GlyphImage=updownhglyph.bmp
LeftWidth=3
RightWidth=3
TopHeight=3
BottomHeight=3
Trans=1
Tile=0

[UpDown.Vert]
Image=updownv.bmp
GlyphImage=updownvglyph.bmp
LeftWidth=3
RightWidth=3
TopHeight=3
BottomHeight=3
Trans=1
Tile=0
)";

} // namespace

std::string SkinDescription(const TArtStyle& style) {
    const auto n = [](int v) { return std::to_string(v); };
    // Right-aligned caption buttons are placed by their left edge's distance
    // from the window's right edge: close first, one button width apart.
    const int closeX = style.Border + style.CaptionButtonWidth + 1;
    return Fill(std::string(kTemplate), {{"summary", style.Summary},
                                         {"caption", n(style.Caption)},
                                         {"corner", n(style.BottomCorner)},
                                         {"topend", n(style.TopCornerEnd())},
                                         {"bottomend", n(style.BottomCornerEnd())},
                                         {"accent", Rgb(style.RedDeep)},
                                         {"titleactive", Rgb(style.TitleText[0])},
                                         {"titleinactive", Rgb(style.TitleText[1])},
                                         {"iconx", n(style.Border + 1)},
                                         {"icony", n((style.Caption - 16) / 2)},
                                         {"buttony", n(style.CaptionButtonTop)},
                                         {"closex", n(closeX)},
                                         {"maxx", n(closeX + style.CaptionButtonWidth)},
                                         {"minx", n(closeX + 2 * style.CaptionButtonWidth)}});
}

} // namespace yq::art
