#pragma once
// The statistics window's roster list, read straight from the game's model:
// entry i is roster slot i + 1 with its caption and small picture.

#include <QAbstractListModel>

#include "core/model/screens.h"

namespace zorikan::painter {
class CreatureImages;
}  // namespace zorikan::painter

namespace zorikan::ui {

class RosterListModel : public QAbstractListModel {
    Q_OBJECT

public:
    RosterListModel(const StatisticsModel& statistics, painter::CreatureImages& images,
                    QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Tells the views when the roster list changed since the last look.
    // True when the list was rebuilt.
    bool sync();

private:
    const StatisticsModel& statistics_;
    painter::CreatureImages& images_;
    std::uint64_t shownRevision_ = 0;
};

}  // namespace zorikan::ui
