#include "ui/computed_list_model.h"

#include "ui/qt_text.h"

namespace hobwatch {

ComputedListModel::ComputedListModel(int rowCount, RowText rowText, QObject* parent)
    : QAbstractListModel(parent), rowCount_(rowCount), rowText_(rowText) {}

int ComputedListModel::rowCount(const QModelIndex& parent) const {
    // A list: only the invisible root has rows.
    return parent.isValid() ? 0 : rowCount_;
}

QVariant ComputedListModel::data(const QModelIndex& index, int role) const {
    // An entry without a current item asks for the invalid index: nothing, and no warning.
    if (!index.isValid() || index.model() != this || index.row() >= rowCount_ ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return ToQString(rowText_(index.row()));
}

}  // namespace hobwatch
