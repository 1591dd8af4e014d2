// Reading a skin description into TSkinData's objects and colours.
#include "WinSkinData.h"

#include "QuickIni.h"
#include "SkinTransform.h"
#include "SkinValues.h"

#include <algorithm>
#include <cctype>

namespace yq {

namespace {

constexpr const char* kPersonality = "Personality";
constexpr int kComboButtonFrames = 4;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// A section of a caption button: its upper-cased name begins "BUTTON" and
// is none of the button sections of the controls.
bool IsCaptionButtonSection(const std::string& section) {
    const std::string upper = Upper(section);
    return upper.starts_with("BUTTON") && upper != "BUTTON" && upper != "BUTTONS" &&
           upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

TSkinMargins ReadMargins(const TQuickIni& ini, const char* section) {
    return {ini.ReadInteger(section, "LeftWidth", 0), ini.ReadInteger(section, "TopHeight", 0),
            ini.ReadInteger(section, "RightWidth", 0), ini.ReadInteger(section, "BottomHeight", 0)};
}

// Frames of a check or radio picture when the description gives none.
int DerivedBoxFrames(const TBitmap& picture) {
    const int cell = picture.Height() < 16 ? 13 : 16;
    return std::max(picture.Width() / cell, 4);
}

} // namespace

void TSkinData::ReadSkin(const TQuickIni& ini) {
    ReadBorders(ini);
    ReadColours(ini);
    ReadSysButtons(ini);
    ReadButtons(ini);
    ReadTitle(ini);
    ReadControlObjects(ini);
    SetFrameCounts();
    BuildComboPicture();
    buttonFaceBrush_.Reset(CreateSolidBrush(ColorToRGB(ButtonFace)));
    skinEmpty_ = false;
}

void TSkinData::ReadBorders(const TQuickIni& ini) {
    struct TBorderKey {
        const char* name;
        std::unique_ptr<TDataSkinBorder>& slot;
        bool side; // left and right protect their top and bottom, top and bottom their ends
    };
    const TBorderKey borders[] = {
        {"Left", left_, true}, {"Right", right_, true}, {"Top", top_, false}, {"Bottom", bottom_, false}};
    for (const auto& [name, slot, side] : borders) {
        auto border = std::make_unique<TDataSkinBorder>(name);
        const std::string key(name);
        const int first = ini.ReadInteger(kPersonality, key + "TopHeight", 0);
        const int last = ini.ReadInteger(kPersonality, key + "BotHeight", 0);
        border->Margins = side ? TSkinMargins{0, first, 0, last} : TSkinMargins{first, 0, last, 0};
        border->FrameCount = ini.ReadInteger(kPersonality, key + "Frame", 1);
        border->Tile = ini.ReadInteger(kPersonality, key + "Stretch", 1);
        border->Trans = ini.ReadInteger(kPersonality, key + "Trans", 1);
        LoadSkinImage(border->Image, ini.ReadString(kPersonality, key, ""));
        slot = std::move(border);
    }
}

void TSkinData::ReadColours(const TQuickIni& ini) {
    const auto colour = [&](const char* key, TColor fallback) {
        return ReadColour(ini.ReadString("Colours", key, ""), fallback);
    };
    ButtonFace = colour("ButtonFace", clBtnFace);
    HilightText = colour("HilightText", clHighlightText);
    Hilight = colour("Hilight", clHighlight);
    Menubar = colour("Menubar", ButtonFace);
    Menu = colour("Menu", clMenu);
    MenuText = colour("MenuText", clMenuText);
    ButtonText = colour("ButtonText", clBtnText);
    ButtonHilight = colour("ButtonHilight", clBtnHighlight);
    ButtonShadow = colour("ButtonShadow", clBtnShadow);
    ButtonDkShadow = colour("ButtonDkShadow", cl3DDkShadow);
    MenuBarText = colour("MenuBarText", clMenuText);
    TitleTextActive = colour("TitleTextActive", clCaptionText);
    TitleTextNoActive = colour("TitleTextNoActive", clInactiveCaptionText);
}

void TSkinData::ReadSysButtons(const TQuickIni& ini) {
    sysButtons_.clear();
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    std::erase_if(sections, [&](const std::string& s) {
        if (!IsCaptionButtonSection(s)) return true;
        return ini.ReadInteger(s, "Action", 0) == -1 && ini.ReadInteger(s, "Visibility", -1) != 0;
    });

    for (const std::string& section : sections) {
        auto button = std::make_unique<TDataSkinSysButton>(Upper(section));
        button->Action = ini.ReadInteger(section, "Action", 0);
        button->Align = ini.ReadInteger(section, "Align", 0);
        button->XCoord = ini.ReadInteger(section, "Xcoord", 0);
        button->YCoord = ini.ReadInteger(section, "Ycoord", 0);
        button->Visibility = ini.ReadInteger(section, "Visibility", 0);
        button->Visibility1 = ini.ReadInteger(section, "Visibility1", button->Action == -1 ? -1 : 0);
        const int frames = ini.ReadInteger(section, "frame", 0);
        LoadSkinImage(button->Image, ini.ReadString(section, "ButtonImage", ""));
        if (frames != 0) {
            button->FrameCount = frames;
        } else {
            button->FrameCount = 6;
            if (!button->Image.Empty()) {
                const double ratio = double(button->Image.Width()) / double(button->Image.Height());
                button->FrameCount = ratio <= 3.8 ? 3 : 6;
            }
            if (button->Action < 0) button->FrameCount = 6;
            // The window icon is drawn there instead.
            if (button->Action == 3 || button->Action == 11) button->Image.SetSize(0, 0);
        }
        sysButtons_.push_back(std::move(button));
    }

    // Minimise, restore and close of a maximised MDI child, in the menu bar.
    TBitmap strip;
    LoadSkinImage(strip, ini.ReadString("MDICONTROLS", "Image", ""));
    for (int i = 0; i < 3; ++i) {
        auto button = std::make_unique<TDataSkinSysButton>();
        button->Action = 7 + i;
        button->Align = button->Visibility = button->Visibility1 = 100;
        button->FrameCount = 4;
        if (!strip.Empty()) {
            const int w = strip.Width() / 12, h = strip.Height();
            button->Image.SetSize(w * 4, h);
            BitBlt(button->Image.Canvas().Handle(), 0, 0, w * 4, h, strip.Canvas().Handle(), 4 * i * w, 0,
                   SRCCOPY);
            button->XCoord = (3 - i) * (w + 4);
        }
        sysButtons_.push_back(std::move(button));
    }
}

void TSkinData::ReadButtons(const TQuickIni& ini) {
    constexpr const char* s = "Buttons";
    auto b = std::make_unique<TDataSkinButton>("Buttons");
    LoadSkinImage(b->Image, ini.ReadString(s, "Bitmap", ""));
    LoadSkinImage(b->CheckImage, ini.ReadString(s, "CheckButton", ""));
    LoadSkinImage(b->RadioImage, ini.ReadString(s, "RadioButton", ""));
    b->Margins = ReadMargins(ini, s);
    b->Trans = ini.ReadInteger(s, "Trans", 0);
    b->Tile = ini.ReadInteger(s, "Tile", 0);
    b->RadioFrameCount = ini.ReadInteger(s, "RadioButtonFrame", 0);
    b->CheckFrameCount = ini.ReadInteger(s, "CheckButtonFrame", 0);
    const auto colour = [&](const char* key, bool& given) {
        const std::string text = ini.ReadString(s, key, "");
        given = !text.empty();
        return ReadColour(text, ButtonText);
    };
    b->NormalColour2 = colour("NormalColour2", b->HasNormalColour2);
    b->MouseOverColour2 = colour("MouseOverColour2", b->HasMouseOverColour2);
    b->PressedColour2 = colour("PressedColour2", b->HasPressedColour2);
    buttons_ = std::move(b);
}

void TSkinData::ReadTitle(const TQuickIni& ini) {
    auto t = std::make_unique<TDataSkinTitle>("Title");
    t->Margins = {ini.ReadInteger(kPersonality, "TextShift", 0),
                  ini.ReadInteger(kPersonality, "TextShiftVert", 0),
                  ini.ReadInteger(kPersonality, "TextRightClip", 0), 0};
    LoadSkinImage(t->Image, ini.ReadString(kPersonality, "TextBack", ""));
    t->TextAlignment = ini.ReadInteger(kPersonality, "TextAlignment", 0);
    t->TXTBackleft = ini.ReadInteger(kPersonality, "TXTBackleft", 0);
    t->TXTBackRight = ini.ReadInteger(kPersonality, "TXTBackRight", 0);
    title_ = std::move(t);
}

// A section with a required picture (absent picture, absent object), the
// common keys and, for TDataSkinBorder, a second picture.
template <class T>
std::unique_ptr<T> TSkinData::ReadPictureSection(const TQuickIni& ini, const char* section,
                                                 const char* pictureKey, bool readStyle) {
    auto o = std::make_unique<T>(section);
    LoadSkinImage(o->Image, ini.ReadString(section, pictureKey, ""));
    if (o->Image.Empty()) return nullptr;
    if (readStyle) o->Style = ini.ReadInteger(section, "Style", 0);
    o->Margins = ReadMargins(ini, section);
    o->Trans = ini.ReadInteger(section, "Trans", 0);
    o->Tile = ini.ReadInteger(section, "Tile", 0);
    o->NormalColour2 = ReadColour(ini.ReadString(section, "NormalColour2", ""), ButtonText);
    o->MouseOverColour2 = ReadColour(ini.ReadString(section, "MouseOverColour2", ""), ButtonText);
    o->PressedColour2 = ReadColour(ini.ReadString(section, "PressedColour2", ""), ButtonText);
    return o;
}

void TSkinData::ReadControlObjects(const TQuickIni& ini) {
    // The progress bar: the common keys under its own picture keys.
    progress_ = ReadPictureSection<TDataSkinBorder>(ini, "Progress", "Bitmap", true);
    if (progress_) LoadSkinImage(progress_->Image2, ini.ReadString("Progress", "Chunk", ""));

    menuBar_.reset();
    auto bar = std::make_unique<TDataSkinObject>("menuBar");
    LoadSkinImage(bar->Image, ini.ReadString(kPersonality, "menuBar", ""));
    if (!bar->Image.Empty()) {
        bar->Tile = ini.ReadInteger(kPersonality, "TileMenu", 0);
        bar->Margins.Left = ini.ReadInteger(kPersonality, "TileLeftMenu", 1);
        bar->Margins.Right = ini.ReadInteger(kPersonality, "TileRightMenu", 1);
        menuBar_ = std::move(bar);
    }

    // Common sections count a Tile above 1 as 0.
    const auto common = [&](const char* section) {
        auto o = ReadPictureSection<TDataSkinObject>(ini, section, "Image", true);
        if (o && o->Tile > 1) o->Tile = 0;
        return o;
    };
    const auto withSecond = [&](const char* section, const char* secondKey) {
        auto o = ReadPictureSection<TDataSkinBorder>(ini, section, "Image", false);
        if (o && o->Tile > 1) o->Tile = 0;
        if (o) LoadSkinImage(o->Image2, ini.ReadString(section, secondKey, ""));
        return o;
    };
    groupBoxEdge_ = common("GroupBoxEdge");
    tabs_ = withSecond("Tabs", "Border");
    statusBarEdges_ = common("StatusBarEdges");
    comboButton_ = withSecond("ComboButton", "****");
    if (comboButton_) {
        // For right-to-left combo boxes; each state frame mirrored in place.
        comboButton_->Image2.Assign(comboButton_->Image);
        MirrorBitmapFrames(comboButton_->Image2, kComboButtonFrames);
    }
    sunkEdge_ = common("SunkEdge");
    extraImages_ = common("ExtraImages");
    headerbar_ = common("Headerbar");
    menuItem_ = common("MenuItem");
    menuBackground_ = common("MenuBackground");
    scrollbar_ = common("Scrollbar");
    horzScroll_ = common("HorzScroll");
    vertScroll_ = common("VertScroll");
    horzScrollThumb_ = common("HorzScrollThumb");
    vertScrollThumb_ = common("VertScrollThumb");
    trackbarThumbHorz_ = common("Trackbar.ThumbHorz");
    trackbarThumbVert_ = common("Trackbar.ThumbVert");
    upDownHorz_ = withSecond("UpDown.Horz", "GlyphImage");
    upDownVert_ = withSecond("UpDown.Vert", "GlyphImage");
    if (horzScrollThumb_) horzScrollThumb_->FrameCount = ini.ReadInteger("HorzScrollThumb", "FrameCount", 3);
    if (vertScrollThumb_) vertScrollThumb_->FrameCount = ini.ReadInteger("VertScrollThumb", "FrameCount", 3);
}

void TSkinData::SetFrameCounts() {
    buttons_->FrameCount = 5;
    if (buttons_->RadioFrameCount == 0) buttons_->RadioFrameCount = DerivedBoxFrames(buttons_->RadioImage);
    if (buttons_->CheckFrameCount == 0) buttons_->CheckFrameCount = DerivedBoxFrames(buttons_->CheckImage);
    title_->FrameCount = 2;
    const std::pair<TDataSkinObject*, int> counts[] = {
        {progress_.get(), 2},   {menuBar_.get(), 2},           {groupBoxEdge_.get(), 2},
        {tabs_.get(), 5},       {statusBarEdges_.get(), 3},    {comboButton_.get(), kComboButtonFrames},
        {sunkEdge_.get(), 4},   {extraImages_.get(), 5},       {headerbar_.get(), 5},
        {menuItem_.get(), 5},   {menuBackground_.get(), 1},    {scrollbar_.get(), 23},
        {horzScroll_.get(), 4}, {vertScroll_.get(), 4},        {upDownHorz_.get(), 8},
        {upDownVert_.get(), 8}, {trackbarThumbHorz_.get(), 5}, {trackbarThumbVert_.get(), 5},
    };
    for (const auto& [object, frames] : counts) {
        if (object) object->FrameCount = frames;
    }
}

// One picture for the whole combo box: per state, the sunken edge with the
// button and its arrow at the right, the text field keyed out.  With each
// frame mirrored it serves right-to-left combo boxes as the sunken edge's
// picture.
void TSkinData::BuildComboPicture() {
    if (!sunkEdge_ || !comboButton_) return;
    constexpr int w = 50, h = 21;
    const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const int frames = sunkEdge_->FrameCount;
    TBitmap strip(w * frames, h);
    TBrushHandle key(CreateSolidBrush(ColorToRGB(kSkinKeyColour)));
    const RECT whole{0, 0, w * frames, h};
    FillRect(strip.Canvas().Handle(), &whole, key.Get());

    for (int f = 1; f <= frames; ++f) {
        TBitmap work(w, h);
        HDC dc = work.Canvas().Handle();
        const RECT all{0, 0, w, h}, button{w - b, 0, w, h}, field{2, 2, w - 1 - b, h - 3};
        FillRect(dc, &all, key.Get());
        DrawSkinImage(dc, all, sunkEdge_->Image, false, false, sunkEdge_->Trans != 0, sunkEdge_->FrameCount,
                      f, sunkEdge_->Margins);
        DrawSkinImage(dc, button, comboButton_->Image, false, false, true, comboButton_->FrameCount, f,
                      comboButton_->Margins);
        if (extraImages_) DrawSkinGlyph(dc, button, extraImages_->Image, true, extraImages_->FrameCount, f);
        FillRect(dc, &field, key.Get());
        BitBlt(strip.Canvas().Handle(), w * (f - 1), 0, w, h, dc, 0, 0, SRCCOPY);
    }

    comboButton_->Style = 2;
    comboButton_->Margins = sunkEdge_->Margins;
    comboButton_->Margins.Left = 2;
    comboButton_->Margins.Right = b + 2;
    comboButton_->Image.Assign(strip);
    MirrorBitmapFrames(strip, frames);
    sunkEdge_->Image.Assign(strip);
    sunkEdge_->Margins.Left = b + 2;
    sunkEdge_->Margins.Right = 2;
}

} // namespace yq
