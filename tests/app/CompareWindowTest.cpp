#include "CompareWindow.h"
#include "Archive.h"
#include "R7200.h"

#include <QCheckBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every field that counts, the differing ones in bold; the filter keeps only those.
TEST(CompareWindow, ShowsTheFieldsAndMarksWhatDiffers) {
    QTemporaryDir folder;
    const TArchive archive(folder.path());
    TR7200 mine;
    mine.SamplerMode = TR7200::NewDocumentSamplerMode;
    mine.PrePurge = 10;
    TR7200 other = mine;
    other.PrePurge = 237;
    other.SerialNumber = 0x1234; // the Connector's identity, no program change
    TCompareWindow window(
        {[] { return QString(); }, [] { return std::optional<TR7200>(); }, archive});
    auto table = window.findChild<QTableWidget*>(QStringLiteral("CompareTable"));
    auto only = window.findChild<QCheckBox*>(QStringLiteral("CompareOnlyDifferences"));
    window.SetDocument(mine);
    EXPECT_EQ(table->rowCount(), 0) << "nothing to compare with yet";

    struct TRow {
        TR7200 Other;
        bool OnlyDifferences;
        int Differing;
    };
    const TRow rows[] = {{other, true, 1}, {other, false, 1}, {mine, true, 0}};
    for (const TRow& row : rows) {
        only->setChecked(row.OnlyDifferences);
        window.CompareWith(row.Other, QStringLiteral("other.r72"));
        int bold = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            if (!table->item(r, 0)->font().bold()) continue;
            ++bold;
            EXPECT_EQ(table->item(r, 0)->text(), "Purging Before Sampling");
            EXPECT_EQ(table->item(r, 1)->text(), "10");
            EXPECT_EQ(table->item(r, 2)->text(), "237");
        }
        EXPECT_EQ(bold, row.Differing);
        if (row.OnlyDifferences)
            EXPECT_EQ(table->rowCount(), row.Differing);
        else
            EXPECT_GT(table->rowCount(), 10) << "every field that counts is listed";
    }
}
