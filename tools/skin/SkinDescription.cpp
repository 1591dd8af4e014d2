// The skin description: every section and key the skin engine reads.  The
// numbers follow ArtStyle.h (caption 27, borders 7, caption buttons 28 x 20
// at row 4, MDI buttons 18 wide).
#include "SkinArt.h"

namespace yq::art {

std::string SkinDescription() {
    return R"(; 云樵 skin: light paper surfaces, lantern red and gold accents.
; Colours are "red green blue".

[Personality]
Left=left.bmp
Right=right.bmp
Top=top.bmp
Bottom=bottom.bmp
LeftTopHeight=27
LeftBotHeight=8
RightTopHeight=27
RightBotHeight=8
TopTopHeight=0
TopBotHeight=0
BottomTopHeight=0
BottomBotHeight=0
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
HilightText=142 28 32
Hilight=251 235 203
Menubar=248 244 237
Menu=251 248 242
MenuText=59 47 42
ButtonText=59 47 42
ButtonHilight=255 255 255
ButtonShadow=190 174 154
ButtonDkShadow=120 104 88
MenuBarText=59 47 42
TitleTextActive=255 248 235
TitleTextNoActive=245 236 226

; Caption buttons, in this order: window icon, close, maximise, restore,
; minimise, and an ornament that never shows (Visibility1 defaults to -1).
[ButtonIcon]
Action=3
Align=0
Xcoord=8
Ycoord=5
Visibility=0
Visibility1=0
frame=0
ButtonImage=WindowIcon.bmp

[ButtonClose]
Action=0
Align=1
Xcoord=36
Ycoord=4
Visibility=0
Visibility1=0
frame=4
ButtonImage=close.bmp

[ButtonMaximize]
Action=1
Align=1
Xcoord=64
Ycoord=4
Visibility=2
Visibility1=6
frame=4
ButtonImage=maximise.bmp

[ButtonRestore]
Action=1
Align=1
Xcoord=64
Ycoord=4
Visibility=1
Visibility1=6
frame=4
ButtonImage=restore.bmp

[ButtonMinimize]
Action=2
Align=1
Xcoord=92
Ycoord=4
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
MouseOverColour2=142 28 32
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
MouseOverColour2=142 28 32
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
}

} // namespace yq::art
