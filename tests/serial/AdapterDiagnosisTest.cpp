#include "AdapterDiagnosis.h"
#include "PseudoTerminal.h"
#include "TestSupport.h"
#include "UsbUart.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

const QString Description = QStringLiteral("USB LIMNASET Adapter");

QString Explained(const QString& port) {
    TEnvironmentGuard variable(TUsbUart::PortVariable, port);
    return TAdapterDiagnosis().Explain(Description);
}

TEST(AdapterDiagnosisTest, TerminalNobodyAnswersOn) {
    TPseudoTerminal pty;
    ASSERT_TRUE(pty.Open());
    const QString silent = pty.SlavePath() + " opens, but no adapter answers on it.";
    EXPECT_EQ(Explained(pty.SlavePath()), silent);
    // Our own port opens it for itself alone; that is no other process holding it.
    TEnvironmentGuard variable(TUsbUart::PortVariable, pty.SlavePath());
    TUsbUart port;
    ASSERT_TRUE(port.Open(TUsbUart::NamedPortIndex));
    EXPECT_EQ(Explained(pty.SlavePath()), silent);
}

// A braille display daemon and the like keep the bridge open: the text names the process.
TEST(AdapterDiagnosisTest, TerminalHeldByAnotherProcess) {
    TPseudoTerminal pty;
    ASSERT_TRUE(pty.Open());
    QProcess holder;
    holder.setStandardInputFile(pty.SlavePath());
    holder.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(holder.waitForStarted());
    const QString held = QStringLiteral("sleep (pid %1)").arg(holder.processId());
    EXPECT_EQ(TAdapterDiagnosis().Holders(pty.SlavePath()), QStringList{held});
    EXPECT_TRUE(Explained(pty.SlavePath()).startsWith(pty.SlavePath() + " is held by " + held));
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(TAdapterDiagnosis().Holders(pty.SlavePath()).isEmpty());
}

TEST(AdapterDiagnosisTest, NoDeviceWithTheDescription) {
    TEnvironmentGuard variable(TUsbUart::PortVariable, QString());
    EXPECT_TRUE(TAdapterDiagnosis()
                    .Explain("No Such Adapter 0815")
                    .startsWith("No serial device has the description \"No Such Adapter 0815\"."));
}

} // namespace
