#include "EmulatorOptions.h"

#include <QCommandLineParser>

namespace {

bool Probability(const QCommandLineParser& parser, const QString& name, double& value,
                 QString& error) {
    if (!parser.isSet(name)) return true;
    bool ok = false;
    value = parser.value(name).toDouble(&ok);
    if (!ok || value < 0 || value > 1) {
        error = QStringLiteral("--%1 wants a probability from 0 to 1").arg(name);
        return false;
    }
    return true;
}

bool Count(const QCommandLineParser& parser, const QString& name, int& value, QString& error) {
    if (!parser.isSet(name)) return true;
    bool ok = false;
    value = parser.value(name).toInt(&ok, 0);
    if (!ok || value < 0) {
        error = QStringLiteral("--%1 wants a count of 0 or more").arg(name);
        return false;
    }
    return true;
}

} // namespace

bool TEmulatorOptions::Parse(const QStringList& arguments, TEmulatorOptions& options,
                             QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays the USB LIMNASET Adapter with a Connector in it on a pseudo-terminal.\n"
        "The first line of output is the terminal's path; point Limnaset at it with\n"
        "LIMNASET_PORT=<path>."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("connector"),
         QStringLiteral("The Connector in the adapter: large, small or none (default large)."),
         QStringLiteral("kind"), QStringLiteral("large")},
        {QStringLiteral("adapter-version"),
         QStringLiteral("Version word the adapter reports (default 0x0105)."),
         QStringLiteral("word"), QStringLiteral("0x0105")},
        {QStringLiteral("image"),
         QStringLiteral("Connector memory from this file (an .r72 file); otherwise a fresh "
                        "image with a sample program."),
         QStringLiteral("file")},
        {QStringLiteral("save"),
         QStringLiteral("Write the Connector memory to this file on exit (SIGINT, SIGTERM "
                        "too)."),
         QStringLiteral("file")},
        {QStringLiteral("paced"),
         QStringLiteral("Pace both directions at 19200 baud, 10 bits a byte, as the real "
                        "line does.")},
        {QStringLiteral("demo"),
         QStringLiteral("A working sampler: the log is prefilled and a record is appended "
                        "every few seconds.")},
        {QStringLiteral("demo-records"),
         QStringLiteral("Records prefilled with --demo (default 400; above 1919 the ring "
                        "wraps)."),
         QStringLiteral("n"), QStringLiteral("400")},
        {QStringLiteral("demo-interval"),
         QStringLiteral("Milliseconds between appended records with --demo (default 3000)."),
         QStringLiteral("ms"), QStringLiteral("3000")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the fault draws (default 1)."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("fault-drop"),
         QStringLiteral("Probability that a reply never comes (the request is carried out)."),
         QStringLiteral("p")},
        {QStringLiteral("fault-wrong-first"),
         QStringLiteral("Probability that a reply starts with 0x00 in place of 0xA5."),
         QStringLiteral("p")},
        {QStringLiteral("fault-truncate"), QStringLiteral("Probability that a reply stops early."),
         QStringLiteral("p")},
        {QStringLiteral("fault-flip"),
         QStringLiteral("Probability that one bit of a reply's payload is inverted."),
         QStringLiteral("p")},
        {QStringLiteral("fault-nak"),
         QStringLiteral("Probability that a write or clock setting is refused."),
         QStringLiteral("p")},
        {QStringLiteral("vanish-after"),
         QStringLiteral("The adapter leaves the bus after n replies: the terminal is closed "
                        "and the emulator exits."),
         QStringLiteral("n")},
        {QStringLiteral("pull-after"),
         QStringLiteral("The Connector is pulled out of the adapter after n replies."),
         QStringLiteral("n")},
        {QStringLiteral("fault-stuck-at"),
         QStringLiteral(
             "Worn Connector cells from this address read as 0 (see --fault-stuck-count)."),
         QStringLiteral("address")},
        {QStringLiteral("fault-stuck-count"),
         QStringLiteral("Number of worn cells from --fault-stuck-at (default 0)."),
         QStringLiteral("n")},
        {QStringLiteral("clock-lost"),
         QStringLiteral("The Connector clock lost its time: it reads 255 in every field until "
                        "it is set.")},
        {QStringLiteral("junk"), QStringLiteral("The adapter sends junk bytes without end.")},
    });
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first();
        return false;
    }

    const QString kind = parser.value(QStringLiteral("connector"));
    if (kind == QLatin1String("large"))
        options.Kind = TConnectorModel::TKind::Large;
    else if (kind == QLatin1String("small"))
        options.Kind = TConnectorModel::TKind::Small;
    else if (kind == QLatin1String("none"))
        options.Kind = TConnectorModel::TKind::None;
    else {
        error = QStringLiteral("--connector wants large, small or none");
        return false;
    }

    bool ok = false;
    const uint version = parser.value(QStringLiteral("adapter-version")).toUInt(&ok, 0);
    if (!ok || version > 0xFFFF) {
        error = QStringLiteral("--adapter-version wants a 16-bit word such as 0x0105");
        return false;
    }
    options.AdapterVersion = uint16_t(version);

    options.ImageFile = parser.value(QStringLiteral("image"));
    options.SaveFile = parser.value(QStringLiteral("save"));
    options.Paced = parser.isSet(QStringLiteral("paced"));
    options.Demo = parser.isSet(QStringLiteral("demo"));
    options.ClockLost = parser.isSet(QStringLiteral("clock-lost"));

    const uint seed = parser.value(QStringLiteral("seed")).toUInt(&ok, 0);
    if (!ok) {
        error = QStringLiteral("--seed wants a number");
        return false;
    }
    TFaultPlan& plan = options.Faults;
    plan.Seed = seed;
    plan.Junk = parser.isSet(QStringLiteral("junk"));
    if (!Count(parser, QStringLiteral("demo-interval"), options.DemoIntervalMs, error))
        return false;
    if (options.DemoIntervalMs < 10) {
        error = QStringLiteral("--demo-interval wants at least 10 ms");
        return false;
    }
    return Count(parser, QStringLiteral("demo-records"), options.DemoRecords, error) &&
           Probability(parser, QStringLiteral("fault-drop"), plan.DropProbability, error) &&
           Probability(parser, QStringLiteral("fault-wrong-first"), plan.WrongFirstProbability,
                       error) &&
           Probability(parser, QStringLiteral("fault-truncate"), plan.TruncateProbability, error) &&
           Probability(parser, QStringLiteral("fault-flip"), plan.FlipProbability, error) &&
           Probability(parser, QStringLiteral("fault-nak"), plan.NakProbability, error) &&
           Count(parser, QStringLiteral("vanish-after"), plan.VanishAfter, error) &&
           Count(parser, QStringLiteral("pull-after"), plan.PullAfter, error) &&
           Count(parser, QStringLiteral("fault-stuck-at"), plan.StuckAt, error) &&
           Count(parser, QStringLiteral("fault-stuck-count"), plan.StuckCount, error);
}
