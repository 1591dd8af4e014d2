#include "GalleryData.h"

#include <stdexcept>

namespace yq::gallery {

TGalleryDataSet::TGalleryDataSet(TComponent* owner) : TComponent(owner) {}

void TGalleryDataSet::Open(std::vector<TRow> rows) {
    rows_ = std::move(rows);
    state_ = TDataSetState::dsBrowse;
    recNo_ = rows_.empty() ? 0 : 1;
    eof_ = rows_.empty();
    Notify(TDataEvent::deDataSetChange);
}

void TGalleryDataSet::SetRecNo(int recNo) {
    if (recNo < 1 || recNo > int(rows_.size()) || recNo == recNo_) return;
    Move(recNo);
}

void TGalleryDataSet::First() {
    eof_ = rows_.empty();
    if (!rows_.empty()) Move(1);
}

void TGalleryDataSet::Next() {
    if (recNo_ >= int(rows_.size())) {
        eof_ = true;
        return;
    }
    Move(recNo_ + 1);
}

void TGalleryDataSet::Prior() {
    if (recNo_ > 1) Move(recNo_ - 1);
}

std::string TGalleryDataSet::FieldTextAt(int recNo, std::string_view field) const {
    if (recNo < 1 || recNo > int(rows_.size())) return {};
    const TRow& row = rows_[size_t(recNo - 1)];
    auto it = row.find(field);
    return it == row.end() ? std::string() : it->second;
}

void TGalleryDataSet::SetFieldText(std::string_view field, const std::string& value) {
    if (state_ != TDataSetState::dsEdit) throw std::runtime_error("Dataset not in edit or insert mode");
    rows_[size_t(recNo_ - 1)][std::string(field)] = value;
    Notify(TDataEvent::deFieldChange);
}

void TGalleryDataSet::Edit() {
    if (state_ != TDataSetState::dsBrowse || rows_.empty()) return;
    saved_ = rows_[size_t(recNo_ - 1)];
    state_ = TDataSetState::dsEdit;
    Notify(TDataEvent::deStateChange);
}

void TGalleryDataSet::Post() {
    if (state_ != TDataSetState::dsEdit) return;
    state_ = TDataSetState::dsBrowse;
    Notify(TDataEvent::deStateChange);
}

void TGalleryDataSet::Cancel() {
    if (state_ != TDataSetState::dsEdit) return;
    rows_[size_t(recNo_ - 1)] = saved_;
    state_ = TDataSetState::dsBrowse;
    Notify(TDataEvent::deStateChange);
    Notify(TDataEvent::deFieldChange);
}

void TGalleryDataSet::Move(int recNo) {
    Post();
    recNo_ = recNo;
    eof_ = false;
    Notify(TDataEvent::deRecordChange);
}

std::vector<TRow> SampleRiddles() {
    static const char* const riddles[][3] = {
        {"一口咬掉牛尾巴", "打一字", "告"}, {"千里相逢", "打一字", "重"},
        {"十五天", "打一字", "胖"},         {"半部春秋", "打一字", "秦"},
        {"一加一", "打一字", "王"},         {"人有他大，天没他大", "打一字", "一"},
        {"上下一体", "打一字", "卡"},       {"池中无水", "打一字", "也"},
        {"二人并肩立", "打一字", "夫"},     {"有心走不快", "打一字", "慢"},
        {"一月七日", "打一字", "脂"},       {"七十二小时", "打一字", "晶"},
        {"半个月亮", "打一字", "胖"},       {"一人一张口", "打一字", "合"},
        {"大口吞小口", "打一字", "回"},     {"目字加两点", "打一字", "贺"},
        {"一边绿，一边红", "打一字", "秋"}, {"田中立", "打一字", "畜"},
        {"日落山下", "打一字", "昏"},       {"人在云中", "打一字", "会"},
    };
    std::vector<TRow> rows;
    for (int round = 0; round < 2; ++round)
        for (const auto& r : riddles)
            rows.push_back({{"谜面", r[0]}, {"谜目", r[1]}, {"谜底", r[2]}});
    return rows;
}

} // namespace yq::gallery
