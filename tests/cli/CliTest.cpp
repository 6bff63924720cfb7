// SPDX-License-Identifier: MIT
// vardex-cli run as a separate process, as scripts run it: each transcript of the .txt files of
// this folder runs the program and compares its outputs and exit status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace vardex::test {
namespace {

struct CliResult {
    QString out, err;
    int status = -1;
};

// A program (vardex-cli unless named) run with the arguments in the environment, to its end.
CliResult RunProgram(const QStringList &arguments,
                     const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                     const QString &program = QStringLiteral(VARDEX_CLI_PATH))
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QStringLiteral(CLI_TRANSCRIPTS));  // where the files they name are
    process.start(program, arguments);
    process.waitForFinished(30000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

struct Transcript {
    std::string name;
    QStringList lines;  // as in the file, after the "==" line
    friend void PrintTo(const Transcript &t, std::ostream *os) { *os << t.name; }
};

std::vector<Transcript> Transcripts()
{
    std::vector<Transcript> transcripts;
    const QDir folder(QStringLiteral(CLI_TRANSCRIPTS));
    for (const QString &name : folder.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.startsWith("== "))
                transcripts.push_back({line.mid(3).toStdString(), {}});
            else if (!transcripts.empty() && !line.startsWith(u'#'))
                transcripts.back().lines << line;
        }
    }
    return transcripts;
}

// The arguments of a "$" line: blank-separated, a double-quoted one may hold blanks or be empty.
QStringList Arguments(const QString &line)
{
    QStringList args;
    static const QRegularExpression word(R"re("([^"]*)"|(\S+))re");
    for (const QRegularExpressionMatch &m : word.globalMatch(line))
        args << (m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2));
    return args;
}

class Cli : public testing::TestWithParam<Transcript> {};

// "$ args" runs the program (in this folder, so that data/ holds the files it reads) ("@ locale" under that
// LC_ALL); "= n" is its exit status. Standard output is the "> " lines, in full; "^> " gives its start, "~> "
// a part, "-> " a part it must not hold. The same with "!" stand for standard error. A stream with no lines
// is empty.
// "\\r" and "\\n" stand for the characters: the CSV output ends its lines in CR LF.
QString Unescaped(QString text)
{
    return text.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

TEST_P(Cli, Transcript)
{
    QString command, expected[2];  // standard output, standard error
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    int status = 0;
    std::vector<std::pair<QString, QString>> patterns;  // (kind and stream, text)
    for (const QString &line : GetParam().lines) {
        const QString text = Unescaped(line.mid(2));
        if (line == u'$' || line.startsWith("$ "))
            command = text;
        else if (line.startsWith("@ "))
            environment.insert(QStringLiteral("LC_ALL"), text);
        else if (line.startsWith("= "))
            status = text.toInt();
        else if (line.startsWith(u'>') || line.startsWith(u'!'))
            expected[line[0] == u'!'] += text + u'\n';
        else if (line.size() >= 2 && QStringLiteral("^~-").contains(line[0]) &&
                 QStringLiteral(">!").contains(line[1]))
            patterns.emplace_back(line.left(2), Unescaped(line.mid(3)));
        else if (!line.isEmpty())
            ADD_FAILURE() << "a line no transcript has: " << line.toStdString();
    }
    const CliResult r = RunProgram(Arguments(command), environment);
    EXPECT_EQ(r.status, status) << r.err.toStdString();
    const QString actual[2] = {r.out, r.err};
    bool whole[2] = {true, true};  // a stream with patterns only is not compared whole
    for (const auto &[kind, text] : patterns) {
        const int stream = kind[1] == u'!';
        whole[stream] = !expected[stream].isEmpty();
        const bool holds = kind[0] == u'^' ? actual[stream].startsWith(text) : actual[stream].contains(text);
        EXPECT_EQ(holds, kind[0] != u'-') << kind.toStdString() << " " << text.toStdString() << "\nin:\n"
                                          << actual[stream].toStdString();
    }
    for (const int stream : {0, 1}) {
        if (whole[stream]) {
            EXPECT_EQ(actual[stream], expected[stream]);
        }
    }
}

// Every example of the manuals, as man prints it on an 80-column terminal, pasted into a shell:
// roff macros eat quotes that are not escaped, and a wrapped line would fail too. An example is
// a line of the EXAMPLES section that starts with vardex-cli; it exits 0 unless the text under it
// says "exit status N".
TEST(Cli, ManualExamplesRunAsPrinted)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(VARDEX_CLI_PATH)).absolutePath() +
                                                   u':' + environment.value(QStringLiteral("PATH")));
    int examples = 0;
    for (const char *page : {"vardex.1", "vardex-cli.1"}) {
        const CliResult man =
            RunProgram({"-l", QStringLiteral(MAN_PAGES "/") + page}, environment, QStringLiteral("man"));
        ASSERT_EQ(man.status, 0) << "man -l " << page << " (man-db, in the Makefile's DEB_PACKAGES)";
        const QString examplesSection = man.out.section(QStringLiteral("\nEXAMPLES\n"), 1)
                                            .section(QRegularExpression(QStringLiteral("\n[A-Z]")), 0, 0);
        static const QRegularExpression example(QStringLiteral("^ {1,7}(vardex-cli .*)\n((?: {8,}.*\n|\n)*)"),
                                                QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &m : example.globalMatch(examplesSection)) {
            static const QRegularExpression said(QStringLiteral("exit status (\\d+)"));
            const QRegularExpressionMatch expected = said.match(m.captured(2));
            const CliResult r = RunProgram({"-c", m.captured(1)}, environment, QStringLiteral("sh"));
            EXPECT_EQ(r.status, expected.hasMatch() ? expected.captured(1).toInt() : 0)
                << m.captured(1).toStdString() << "\n"
                << r.err.toStdString();
            EXPECT_FALSE(r.out.isEmpty()) << m.captured(1).toStdString();
            ++examples;
        }
    }
    EXPECT_GE(examples, 3);
}

INSTANTIATE_TEST_SUITE_P(Transcripts, Cli, testing::ValuesIn(Transcripts()),
                         [](const auto &info) { return info.param.name; });

}  // namespace
}  // namespace vardex::test
