#include "AppTestSupport.h"
#include "EmulatorProcess.h"
#include "R7200.h"
#include "TestSupport.h"

// The window against limnaset-emulator on a pseudo-terminal, through the real serial code.
class EmulatorFormTest : public TFormFixture {
protected:
    void SetUp() override {
        TFormFixture::SetUp();
        TR7200 image;
        image.ConnectorName = QStringLiteral("Pumping station");
        image.SerialNumber = 0x0BADF00D;
        ASSERT_TRUE(image.SaveToFile(FilePath("connector.r72")));
        ASSERT_TRUE(Emulator.Start(
            {"--image", FilePath("connector.r72"), "--save", FilePath("after.r72")}));
        Provider.reset(); // the USB search, which LIMNASET_PORT points at the emulator
        Open();
        Tick();
    }
    void TearDown() override {
        TFormFixture::TearDown();
        Emulator.Stop();
    }
    TEmulatorProcess Emulator;
};

TEST_F(EmulatorFormTest, ReadAndWriteThroughTheSerialPort) {
    ASSERT_EQ(Form->PanelText(TPanel::Connector), "Connector OK");
    EXPECT_TRUE(Form->PanelText(TPanel::Adapter).startsWith("USB LIMNASET Adapter 1.05"));
    ASSERT_TRUE(Act("DataRead")->isEnabled());

    Act("DataRead")->trigger();
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_EQ(Workplace->Document().ConnectorName, "Pumping station");
    EXPECT_EQ(Workplace->Document().SerialNumber, 0x0BADF00Du);

    Workplace->Document().ConnectorName = QStringLiteral("Renamed");
    Answers.Box(QMessageBox::Ok);
    Act("DataWrite")->trigger();
    EXPECT_EQ(Form->PanelText(TPanel::Result), "OK");
    EXPECT_TRUE(Form->isEnabled());

    Discard();
    Emulator.Stop(); // the emulator saves its memory on the way out
    TR7200 saved;
    ASSERT_TRUE(saved.LoadFromFile(FilePath("after.r72")));
    EXPECT_EQ(saved.ConnectorName, "Renamed");
    EXPECT_EQ(saved.SerialNumber, 0x0BADF00Du) << "a write leaves the serial number alone";
    EXPECT_EQ(saved.LogCount, 1);
}
