#include "Archive.h"
#include "AppTestSupport.h"
#include "History.h"
#include "ImageLayout.h"
#include "KelbDevice.h"
#include "PropertiesDialog.h"
#include "R7200.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

constexpr uint8_t CmdWriteBlock = 0x40;
const QString Question = "Confirmation: Do You really want to write data into Connector ?\n\n";

class ArchiveTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        Open();
        Tick();
    }
    QList<TArchiveEntry> Kept(const QString& filter = {}) const {
        return Workplace->Archive().List(filter);
    }
    QByteArray Memory() const {
        const auto& bytes = Model->Memory();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
    void Write() {
        Answers.Box(QMessageBox::Ok);
        Form->DataWriteExecute();
    }
};

TEST_F(ArchiveTest, ReadsWithWholeBytesAreKeptAsRead) {
    struct TCase {
        const char* Name;
        std::function<void(std::vector<uint8_t>&)> Damage;
        int Kept;
    };
    const TCase cases[] = {
        {"good", [](auto&) {}, 1},
        {"wrong marker",
         [](auto& m) {
             m[TImageLayout::Marker] = 'X';
             uint16_t sum = 0;
             for (int i = TImageLayout::ChecksumStart; i < TImageLayout::Checksum; ++i)
                 sum = uint16_t(sum + m[size_t(i)]);
             m[TImageLayout::Checksum] = uint8_t(~sum);
             m[TImageLayout::Checksum + 1] = uint8_t(~sum >> 8);
         },
         1},
        {"wrong checksum", [](auto& m) { m[TImageLayout::Checksum] ^= 1; }, 1},
    };
    for (const TCase& c : cases) {
        Answers.Forget();
        LoadConnector(c.Name);
        Model->PrefillDemoRecords(3);
        c.Damage(Model->Memory());
        const int before = int(Kept().size());
        Answers.Box(QMessageBox::Ok);
        Form->DataReadExecute();
        ASSERT_EQ(int(Kept().size()) - before, c.Kept) << c.Name;
        if (c.Kept) {
            EXPECT_EQ(FileBytes(Kept()[0].Path), Memory()) << c.Name;
        }
    }
    EXPECT_EQ(Kept()[0].LogCount, 4) << "the log of a damaged header is listed";
    EXPECT_EQ(Kept()[1].LogCount, 4) << "and that of a wrong marker";
}

TEST_F(ArchiveTest, WriteBacksUpOnlyAConnectorNotKnownSinceItsRead) {
    LoadConnector("Field");
    Model->PrefillDemoRecords(5);
    const QByteArray before = Memory();
    Write();
    ASSERT_EQ(Kept().size(), 1);
    EXPECT_EQ(FileBytes(Kept()[0].Path), before);
    EXPECT_EQ(Answers.Boxes(),
              QStringList{Question +
                          "Sampler Mode: EXTERNAL CONTROL → PERIODICAL SAMPLING\nName: Field → "
                          "Limnaset\n\nLog records in the Connector: 6, all archived."});

    Form->DataReadExecute();
    Write();
    EXPECT_EQ(Kept().size(), 2) << "a Connector read and left in place is not read again";

    Form->DataReadExecute();
    Model->AppendDemoRecord(); // the sampler went on after the read
    const QByteArray grown = Memory();
    Write();
    ASSERT_EQ(Kept().size(), 4) << "a log grown since the read is backed up";
    EXPECT_EQ(FileBytes(Kept()[0].Path), grown);

    Model->SetKind(TConnectorModel::TKind::None);
    Tick();
    Model->SetKind(TConnectorModel::TKind::Large);
    Tick();
    Write();
    EXPECT_EQ(Kept().size(), 5) << "unplugging forgets the read";
}

TEST_F(ArchiveTest, FailingOrSwitchedOffBackup) {
    LoadConnector("Field");
    TFaultPlan pull;
    pull.PullAfter = 10;
    Model->SetFaultPlan(pull);
    Answers.Box(QMessageBox::Ok);
    Answers.Box(QMessageBox::Cancel);
    Form->DataWriteExecute();
    EXPECT_EQ(
        Answers.Boxes(),
        QStringList({Question + "Without the backup, what the write changes cannot be told\n\n"
                                "The Connector could not be read whole; nothing was archived.",
                     "Warning: The Connector could not be read for its backup: its event "
                     "log will be lost. Write all the same?"}));
    EXPECT_EQ(Model->RequestCount(CmdWriteBlock), 0) << "the second question was declined";

    Model->SetFaultPlan({});
    Model->SetKind(TConnectorModel::TKind::Large);
    Tick();
    Answers.Forget();
    Answers.Window([](QWidget* w) {
        w->findChild<QCheckBox*>("PropertiesBackup")->setChecked(false);
        w->findChild<QLineEdit*>("PropertiesDatabase")->setText(" /tmp/named.sqlite ");
        w->findChild<QPushButton*>("OKBtn")->click();
    });
    Form->FilePropertiesExecute();
    Write();
    EXPECT_TRUE(Kept().isEmpty());
    EXPECT_TRUE(Answers.Boxes().last().endsWith("its event log will be lost."));
    EXPECT_GT(Model->RequestCount(CmdWriteBlock), 0);
    ASSERT_TRUE(Workplace->SaveSettings());
    TWorkplace again(Options());
    again.LoadSettings();
    EXPECT_FALSE(again.Properties().BackupBeforeWrite);
    EXPECT_EQ(again.Properties().HistoryDatabase, "/tmp/named.sqlite");
    EXPECT_EQ(HistoryPlaceFor(Workplace->Archive().Folder()), "/tmp/named.sqlite");
    SetHistoryPlace({});
}

TEST_F(ArchiveTest, ArchiveWindowListsFiltersAndOpensAsANewDocument) {
    for (uint32_t serial : {0x1111u, 0x2222u}) {
        TR7200 image;
        image.SerialNumber = serial;
        image.ConnectorName = QString::number(serial, 16);
        image.Pack();
        ASSERT_FALSE(Workplace->Archive()
                         .Keep(image.Image, QDateTime::currentDateTime().addSecs(serial))
                         .isEmpty());
    }
    QStringList rows;
    Answers.Window([&rows](QWidget* w) {
        auto table = w->findChild<QTableWidget*>("ArchiveTable");
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 1)->text();
        w->findChild<QLineEdit*>("ArchiveFilter")->setText("1111");
        rows << QString::number(table->rowCount());
        w->findChild<QPushButton*>("ArchiveOpen")->click();
    });
    Form->FileArchiveExecute();
    EXPECT_EQ(rows, QStringList({"2222", "1111", "1"}));
    EXPECT_EQ(Workplace->Document().ConnectorName, "1111");
    EXPECT_TRUE(Workplace->FileName().isEmpty());
    EXPECT_EQ(Kept().size(), 2);
}

} // namespace
