#include "ui/roster_list_model.h"

#include "painter/creature_images.h"

namespace zorikan::ui {

RosterListModel::RosterListModel(const StatisticsModel& statistics, painter::CreatureImages& images,
                                 QObject* parent)
    : QAbstractListModel(parent), statistics_(statistics), images_(images) {}

int RosterListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : statistics_.rosterCount();
}

QVariant RosterListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= statistics_.rosterCount()) return {};
    const RosterListItem& item = statistics_.rosterList[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return QString::fromStdString(item.caption);
        case Qt::DecorationRole:
            return item.imageIndex >= 0 ? QVariant(images_.small(item.imageIndex)) : QVariant();
        default:
            return {};
    }
}

bool RosterListModel::sync() {
    if (shownRevision_ == statistics_.rosterRevision) return false;
    shownRevision_ = statistics_.rosterRevision;
    beginResetModel();
    endResetModel();
    return true;
}

}  // namespace zorikan::ui
