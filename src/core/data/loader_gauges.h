#pragma once
// The loader window's two gauges while the data file is read: the stage
// gauge restarts with every section, the total gauge runs to 3034 and stays
// full once it gets there.

#include <functional>
#include <string>

#include "core/data/data_file.h"

namespace zorikan {

class LoaderGauges final : public LoadProgress {
public:
    static constexpr int kTotalMaximum = 3034;

    void startStage(int maximum, const std::string& caption) override;
    void step() override;

    int stageMaximum() const { return stageMaximum_; }
    int stagePosition() const { return stagePosition_; }
    int totalPosition() const { return totalPosition_; }
    const std::string& caption() const { return caption_; }

    // Called at every stage start and whenever a gauge's whole percentage
    // changes: the load never returns to the event loop, so the window must
    // paint right then.
    std::function<void(bool stageStarted)> onChange;

private:
    int stageMaximum_ = 1;
    int stagePosition_ = 0;
    int totalPosition_ = 0;
    std::string caption_;
};

// The whole percentage a gauge shows.
int GaugePercent(int position, int maximum);

}  // namespace zorikan
