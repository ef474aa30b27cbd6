#include "ui/computed_list_model.h"

#include <gtest/gtest.h>

#include <string>

#include <QComboBox>
#include <QString>
#include <QtGlobal>

namespace hobwatch::testing {
namespace {

QString& Logged() {
    static QString logged;
    return logged;
}

void KeepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    Logged() += message;
}

std::string Square(int row) { return std::to_string(row * row); }

TEST(ComputedListModelTest, AnEntryShowsTheComputedRowsAndLogsNothing) {
    Logged().clear();
    const QtMessageHandler previous = qInstallMessageHandler(KeepMessage);
    QComboBox entry;
    entry.setEditable(true);
    entry.setModel(new ComputedListModel(5, Square, &entry));
    entry.setCurrentIndex(-1);
    entry.setEditText(QStringLiteral("typed"));
    const int found = entry.findText(QStringLiteral("9"), Qt::MatchExactly);
    qInstallMessageHandler(previous);

    EXPECT_EQ(entry.count(), 5);
    EXPECT_EQ(entry.itemText(0), QStringLiteral("0"));
    EXPECT_EQ(entry.itemText(4), QStringLiteral("16"));
    EXPECT_EQ(entry.itemText(5), QString()) << "past the end";
    EXPECT_EQ(found, 3);
    EXPECT_EQ(entry.currentText(), QStringLiteral("typed"));
    EXPECT_EQ(Logged().toStdString(), "");
}

}  // namespace
}  // namespace hobwatch::testing
