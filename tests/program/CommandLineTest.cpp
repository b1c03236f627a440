// The program as a player starts it: options, the usage on errors, the exit status.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome velmor(const QStringList& arguments, const QString& root = QString()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("VELMOR_ROOT");
    if (!root.isNull()) environment.insert("VELMOR_ROOT", root);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMOR_BINARY), arguments);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(CommandLine, HelpAndVersionSucceed) {
    Outcome help = velmor({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: Velmor"));
    EXPECT_TRUE(help.out.contains("--map NAME"));
    EXPECT_TRUE(help.out.contains("--load NAME"));
    Outcome version = velmor({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("Velmor "));
}

TEST(CommandLine, BadOptionsGiveAReasonAndTheUsageWithStatus2) {
    const struct {
        QStringList arguments;
        const char* reason;
    } cases[] = {
        {{"--bogus"}, "Velmor: unknown option '--bogus'\n"},
        {{"--root"}, "Velmor: option --root needs a value\n"},
        {{"--map"}, "Velmor: option --map needs a value\n"},
        {{"--load"}, "Velmor: option --load needs a value\n"},
        {{"--map", "a", "--load", "b.sv"}, "Velmor: --map and --load cannot be given together\n"},
        {{"--root", "/no/such/folder/at/all"},
         "Velmor: the program folder '/no/such/folder/at/all' does not exist\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        Outcome run = velmor(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.reason))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Usage: Velmor"));
    }
}

TEST(CommandLine, TheEnvironmentNamesTheProgramFolderToo) {
    Outcome run = velmor({"--version"}, "/no/such/folder");
    EXPECT_EQ(run.status, 0); // --version never looks at the folder
    Outcome bad = velmor({}, "/no/such/folder");
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains("/no/such/folder"));
}
