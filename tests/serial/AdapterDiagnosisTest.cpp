#include "AdapterDiagnosis.h"
#include "PseudoTerminal.h"
#include "TestSupport.h"
#include "UsbUart.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString Description = QStringLiteral("USB LIMNASET Adapter");

QString Explained(const QString& port) {
    TEnvironmentGuard variable(TUsbUart::PortVariable, port);
    return TAdapterDiagnosis().Explain(Description);
}

TEST(AdapterDiagnosisTest, NamedPathThatDoesNotExist) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ttyUSB9"));
    EXPECT_EQ(Explained(path), QStringLiteral("LIMNASET_PORT names %1, which does not exist. Name "
                                              "the adapter's device, or unset LIMNASET_PORT to "
                                              "search by the description.")
                                   .arg(path));
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
    EXPECT_EQ(Explained(pty.SlavePath()),
              QStringLiteral("%1 is held by %2. Close that program, or name another device with "
                             "LIMNASET_PORT.")
                  .arg(pty.SlavePath(), held));
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(TAdapterDiagnosis().Holders(pty.SlavePath()).isEmpty());
}

TEST(AdapterDiagnosisTest, NoDeviceWithTheDescription) {
    TEnvironmentGuard variable(TUsbUart::PortVariable, QString());
    const QString text = TAdapterDiagnosis().Explain(QStringLiteral("No Such Adapter 0815"));
    EXPECT_EQ(text, "No serial device has the description \"No Such Adapter 0815\". Plug the "
                    "adapter in; if it is plugged in, try another USB socket or cable.");
}

} // namespace
