#include "core/data/loader_gauges.h"

namespace zorikan {

int GaugePercent(int position, int maximum) {
    return maximum > 0 ? static_cast<int>(static_cast<long long>(position) * 100 / maximum) : 0;
}

void LoaderGauges::startStage(int maximum, const std::string& caption) {
    stageMaximum_ = maximum;
    stagePosition_ = 0;
    caption_ = caption;
    if (onChange) onChange(true);
}

void LoaderGauges::step() {
    const int stageBefore = GaugePercent(stagePosition_, stageMaximum_);
    const int totalBefore = GaugePercent(totalPosition_, kTotalMaximum);
    if (stagePosition_ < stageMaximum_) ++stagePosition_;
    if (totalPosition_ < kTotalMaximum) ++totalPosition_;
    if (onChange && (stageBefore != GaugePercent(stagePosition_, stageMaximum_) ||
                     totalBefore != GaugePercent(totalPosition_, kTotalMaximum)))
        onChange(false);
}

}  // namespace zorikan
