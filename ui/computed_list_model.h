#pragma once

#include <string>

#include <QAbstractListModel>

namespace hobwatch {

// A read-only list whose rows are computed when they are shown, for the entries' long lists of
// numbers: it holds no item per row.
class ComputedListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    // The text of row `row` (0-based) as UTF-8.
    using RowText = std::string (*)(int row);

    // `rowCount` rows, 0 or more.
    ComputedListModel(int rowCount, RowText rowText, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The row's text for the display and edit roles; nothing for the others.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int rowCount_;
    RowText rowText_;
};

}  // namespace hobwatch
