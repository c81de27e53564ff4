#include "CliProcess.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CliProgram : public testing::Test {
protected:
    QTemporaryDir Dir;

    QString PathOf(const QString& name) const { return Dir.filePath(name); }
    QByteArray Bytes(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString New(const QString& name) const {
        EXPECT_EQ(RunCli({"new", PathOf(name)}).Exit, 0);
        return PathOf(name);
    }
};

} // namespace

// Each set either changes the file as the editor would, or leaves it whole with a message
// naming the field, the text and the range.
TEST_F(CliProgram, SetTakesAllOrNothing) {
    const struct {
        QStringList Assignments;
        int Exit;
        QByteArray Err;   // "" for none
        QByteArray Shown; // a line of `get` afterwards
    } rows[] = {
        {{"SamplerMode=1", "SamplingPeriod=1:30", "SamplesPerBottle=5", "ConnectorName=Weir 3"},
         0,
         "",
         "SamplingPeriod\t01:30\nPulsesPerSample"},
        {{"SamplesPerBottle=5", "SamplesPerBottle=241"},
         15,
         "SamplesPerBottle=241: Parameter out of range (1..240)\n",
         "SamplesPerBottle\t1\n"},
        {{"PrePurge=7", "SamplingPeriod=abc"},
         16,
         "SamplingPeriod=abc: Invalid format of parameter (00:02..99:59)\n",
         "PrePurge\t10\n"},
        {{"Bogus=1"}, 64, "limnaset-cli: unknown field 'Bogus'\n", "SamplerMode\tPERIODICAL"},
        {{"ConnectorName=Станция №5"},
         15,
         "ConnectorName=Станция №5: These letters cannot be stored in code page 1252: С т а н ц "
         "и я №\n",
         "ConnectorName\tLimnaset\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Assignments.join(' ').toStdString());
        const QString path = New("p.r72");
        const QByteArray before = Bytes("p.r72");
        const TCliRun set = RunCli(QStringList{"set", path} + row.Assignments);
        EXPECT_EQ(set.Exit, row.Exit);
        EXPECT_EQ(set.Err, row.Err);
        if (row.Exit != 0) {
            EXPECT_EQ(Bytes("p.r72"), before);
        }
        EXPECT_TRUE(RunCli({"get", path}).Out.contains(row.Shown));
    }
}

// get --json of one file applied to another makes the program, the name and the comment
// the same bytes; the output meets the generated schema.
TEST_F(CliProgram, ApplyOfGetMakesTheSameProgram) {
    const QString a = New("a.r72");
    ASSERT_EQ(RunCli({"set", a, "SamplerMode=SAMPLING BY FLOW RATE", "ConnectorComment=x\ny",
                      "Analog1.Max=20.125", "ProgramMode=3", "Schedule[4].Weeks=2,Last",
                      "Schedule[4].StartAt=6:15", "MaximumInterval="})
                  .Exit,
              0);
    const TCliRun json = RunCli({"get", a, "--json"});
    ASSERT_EQ(json.Exit, 0);
    QFile program(PathOf("a.json"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly) && program.write(json.Out) == json.Out.size());
    program.close();
    const QString b = New("b.r72");
    const TCliRun apply = RunCli({"apply", b, PathOf("a.json"), "-o", PathOf("c.r72")});
    ASSERT_EQ(apply.Exit, 0) << apply.Err.toStdString();
    const QByteArray x = Bytes("a.r72"), y = Bytes("c.r72");
    EXPECT_EQ(x.mid(4, 508), y.mid(4, 508));   // name and comment
    EXPECT_EQ(x.mid(518, 95), y.mid(518, 95)); // the program block
    EXPECT_EQ(x.mid(1999, 49), y.mid(1999, 49));

    const TCliRun schema = RunCli({"schema"});
    ASSERT_EQ(schema.Exit, 0);
    QFile schemaFile(PathOf("schema.json"));
    ASSERT_TRUE(schemaFile.open(QIODevice::WriteOnly) && schemaFile.write(schema.Out) > 0);
    schemaFile.close();
    const QString check =
        QStringLiteral("import json,sys,jsonschema\n"
                       "s=json.load(open(sys.argv[1]))\n"
                       "jsonschema.Draft202012Validator.check_schema(s)\n"
                       "v=jsonschema.Draft202012Validator(s)\n"
                       "sys.exit(0 if v.is_valid(json.load(open(sys.argv[2]))) else 3)\n");
    const auto run = [&](const QString& file) {
        return RunPath("python3", {"-c", check, PathOf("schema.json"), file}).Exit;
    };
    EXPECT_EQ(run(PathOf("a.json")), 0);
    QFile wrong(PathOf("wrong.json"));
    ASSERT_TRUE(wrong.open(QIODevice::WriteOnly) && wrong.write(R"({"SamplesRate": "x"})") > 0);
    wrong.close();
    EXPECT_EQ(run(PathOf("wrong.json")), 3);
    EXPECT_EQ(RunCli({"apply", b, PathOf("wrong.json")}).Exit, 16);
}

// A program the editors refuse is never sent: write stops before it looks for an adapter.
TEST_F(CliProgram, WriteAndInfoGoByTheModel) {
    TR7200 record;
    record.SamplerMode = SamplerPeriodical;
    record.SamplesPerBottle = 0;
    ASSERT_TRUE(record.SaveToFile(PathOf("bad.r72")));
    const TCliRun write = RunCli({"write", PathOf("bad.r72")});
    EXPECT_EQ(write.Exit, 15);
    EXPECT_EQ(write.Err, "SamplesPerBottle=0: Parameter out of range (1..240)\n");

    const TCliRun info = RunCli({"info", PathOf("bad.r72")});
    EXPECT_TRUE(info.Out.contains("[Status page]\nSamplerMode: PERIODICAL SAMPLING\n"));
    EXPECT_FALSE(RunCli({"info", PathOf("bad.r72"), "--raw"}).Out.contains("[Status page]"));
}
