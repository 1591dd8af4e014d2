#include "WinSkinData.h"

#include "Application.h"
#include "Bmp.h"
#include "Form.h"
#include "QuickIni.h"
#include "Scope.h"
#include "SkinManage.h"
#include "SkinReader.h"
#include "SkinValues.h"
#include "Text.h"

#include <filesystem>
#include <stdexcept>

namespace yq {

YQ_PUBLISHED(TSkinData, TComponent) {
    r.Bool("Active", &TSkinData::Active, &TSkinData::SetActive);
    r.Int("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag);
    r.Int("SkinControls", &TSkinData::SkinControls, &TSkinData::SetSkinControls);
    r.Int("Options", &TSkinData::Options, &TSkinData::SetOptions);
    r.WStr("Skin3rd", &TSkinData::Skin3rdText, &TSkinData::SetSkin3rdText);
    r.WStr("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile);
    r.WStr("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore);
    r.Enum("SkinFormtype", &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype,
           {"sfMainform", "sfOnlyThisForm", "sfDialog"});
    r.WStr("Version", &TSkinData::Version, &TSkinData::SetVersion);
    r.Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate);
    r.Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge);
}

TByteStream ResourceStream(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return {};
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    if (!bytes) return {};
    return TByteStream(std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, found)));
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), skin3rd_(DefaultSkin3rd()), menuGlyphs_(std::make_unique<TImageList>()),
      left_(std::make_unique<TDataSkinBorder>("Left")), right_(std::make_unique<TDataSkinBorder>("Right")),
      top_(std::make_unique<TDataSkinBorder>("Top")), bottom_(std::make_unique<TDataSkinBorder>("Bottom")),
      title_(std::make_unique<TDataSkinTitle>("Title")),
      buttons_(std::make_unique<TDataSkinButton>("Buttons")) {
    TBitmap strip;
    if (strip.LoadFromResourceName(GetModuleHandleW(nullptr), kMenuGlyphsResource)) {
        menuGlyphs_->AddMasked(strip, clWhite);
    }
}

TSkinData::~TSkinData() {
    if (!SkinManage) return;
    SkinManage->RemoveSkinData(this);
    // The manager lives as long as some skin data is registered.
    if (SkinManage->SkinDatas().empty()) FinalizeSkinManage();
}

namespace {
TSkinManage& ManagerFor(TSkinData* skin) {
    TSkinManage& manager = EnsureSkinManage();
    manager.AddSkinData(skin);
    return manager;
}
} // namespace

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (Designing()) return;
    TSkinManage& manager = ManagerFor(this);
    if (formType_ != sfMainform) {
        manager.Active = true;
        ++manager.LoopState;
        auto* form = dynamic_cast<TForm*>(Owner());
        if (form && form->HandleAllocated()) manager.SkinWindow(form->Handle());
        return;
    }
    manager.InstallHook();
    if (active_) {
        if (skinEmpty_) {
            active_ = false;
        } else {
            manager.PendingSkinData = this;
            manager.RequestAction(saSkinOn, kPendingActionInterval);
        }
    }
    if (InSet(skinControls_, xcMainMenu))
        skinControls_ &= ~SetOf(xcMenuItem);
    else
        skinControls_ &= ~SetOf(xcSystemMenu);
}

void TSkinData::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (Designing() || Loading()) return;
    TSkinManage& manager = ManagerFor(this);
    switch (formType_) {
    case sfDialog:
        return;
    case sfOnlyThisForm:
        manager.PendingSkinData = this;
        if (!(active && skinEmpty_))
            manager.RequestAction(active ? saSkinOn : saSkinOff, kPendingActionInterval);
        return;
    case sfMainform:
        if (active) {
            if (skinEmpty_) return;
            manager.PendingSkinData = this;
            manager.RequestAction(saSkinOn, kPendingActionInterval);
            manager.LoopState = 1;
        } else {
            manager.PendingSkinData = this;
            manager.RequestAction(saSkinOff, kPendingActionInterval);
        }
        return;
    }
}

void TSkinData::ApplySkinChange() {
    if (Designing() || Loading()) return;
    TSkinManage& manager = ManagerFor(this);
    manager.PendingSkinData = this;
    manager.ClearSysButtonsOfPending();
    if (manager.LoopState == 1) manager.RequestAction(saSkinChanged, kPendingActionInterval);
}

std::wstring TSkinData::Skin3rdText() const {
    std::wstring text;
    for (const auto& line : skin3rd_)
        text += Widen(line) + L"\r\n";
    return text;
}

void TSkinData::SetSkin3rdText(const std::wstring& text) {
    // Lines end at CR, LF or CR LF; a final line break adds no empty line.
    const std::string narrow = Narrow(text);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        const char c = narrow[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        lines.push_back(std::move(line));
        line.clear();
        if (c == '\r' && i + 1 < narrow.size() && narrow[i + 1] == '\n') ++i;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    skin3rd_ = std::move(lines);
}

std::wstring TSkinData::SkinStore() const {
    return Designing() && blob_.Size() > 0 ? L"(Good)" : L"(none)";
}

void TSkinData::SetSkinFile(const std::wstring& path) {
    skinEmpty_ = true;
    skinFile_ = path;
    if (Designing()) {
        if (!path.empty()) blob_.Clear();
        return;
    }
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(path), error)) return;
    // Windows wearing this skin point into its objects: the load replaces
    // them, and a load that fails leaves these windows plainly drawn.
    if (SkinManage) {
        SkinManage->PendingSkinData = this;
        SkinManage->ClearSysButtonsOfPending();
    }
    bool loaded = false;
    try {
        blob_.Clear();
        blob_.LoadFromFile(std::filesystem::path(path));
        loaded = LoadSkin();
    } catch (...) {
        if (SkinManage) SkinManage->UnskinWindowsOf(this);
        throw;
    }
    if (!loaded) {
        if (SkinManage) SkinManage->UnskinWindowsOf(this);
        return;
    }
    if (formType_ == sfMainform) ApplySkinChange();
}

void TSkinData::ReadSkinStream(TByteStream& reader) {
    const std::int32_t length = reader.ReadInt32();
    if (length <= 0) return;
    std::vector<std::uint8_t> bytes(
        std::size_t(std::min<std::int64_t>(length, reader.Size() - reader.Position())));
    if (reader.Read(bytes.data(), bytes.size()) != std::size_t(length))
        throw std::runtime_error("Stream read error");
    blob_ = TByteStream(std::move(bytes));
    if (!Designing()) LoadSkin();
}

void TSkinData::WriteSkinStream(TByteStream& writer) const {
    writer.WriteInt32(std::int32_t(blob_.Size()));
    writer.Write(blob_.Bytes().data(), blob_.Bytes().size());
}

bool TSkinData::LoadSkin() {
    if (Designing()) return false;
    skinEmpty_ = true;
    TSkinReader reader;
    reader.ShowMessage = [](std::string_view message) {
        Application().ShowMessageBox(Widen(message), Application().Title, MB_OK);
    };
    if (!reader.LoadArchive(blob_)) return false;

    TByteStream entry;
    std::string name;
    reader.FindEntry(".ini", entry, name);
    if (name.empty()) return false;
    TQuickIni ini;
    entry.SetPosition(0);
    ini.LoadFromStream(entry);

    TValueScope scope(reader_, &reader);
    ReadSkin(ini);
    return true;
}

void TSkinData::LoadSkinImage(TBitmap& bitmap, std::string_view reference) const {
    const std::string name = SkinImageEntryName(reference);
    TByteStream entry;
    if (reader_ && !name.empty()) reader_->GetEntry(name, entry);
    if (entry.Size() == 0) {
        bitmap.SetSize(0, 0);
        return;
    }
    try {
        const std::vector<std::uint8_t> file = EncodeBmp(DecodeBmp(entry.Bytes()));
        bitmap.LoadFromBytes(file.data(), file.size());
    } catch (const EBmpFormatError& e) {
        throw EInvalidGraphic(std::string(e.what()) + " (" + name + ")");
    }
}

void TSkinData::ShouldSkinWindow(const std::string& className, bool& doSkin) {
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32") doSkin = false;
    if (InSet(skinControls_, xcFastReport) && className.starts_with("Tfr")) doSkin = false;
}

void TSkinData::DoSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

} // namespace yq
