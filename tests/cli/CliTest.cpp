// SPDX-License-Identifier: MIT
// vardex-cli run as a separate process, as scripts run it: each transcript of the .txt files of
// this folder runs the program and compares its outputs and exit status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <QProcess>

namespace vardex::test {
namespace {

struct CliResult {
    QString out, err;
    int status = -1;
};

// A program run with the arguments and the environment, to its end.
CliResult RunProgram(const QString &program, const QStringList &arguments,
                     const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(30000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

// vardex-cli run with the arguments, under the locale when one is given, to its end.
CliResult RunCli(const QStringList &arguments, const QString &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!locale.isEmpty())
        environment.insert(QStringLiteral("LC_ALL"), locale);
    return RunProgram(QStringLiteral(VARDEX_CLI_PATH), arguments, environment);
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

// "$ args" runs the program ("@ locale" under that LC_ALL); "= n" is its exit status. Standard
// output is the "> " lines, in full; "^> " gives its start, "~> " a part, "-> " a part it must
// not hold. The same with "!" stand for standard error. A stream with no lines is empty.
// "\\r" and "\\n" stand for the characters: the CSV output ends its lines in CR LF.
QString Unescaped(QString text)
{
    return text.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

TEST_P(Cli, Transcript)
{
    QString command, locale, out, err;
    int status = 0;
    std::vector<std::pair<QString, QString>> patterns;  // (kind and stream, text)
    for (const QString &line : GetParam().lines) {
        const QString text = Unescaped(line.mid(2));
        if (line == u'$' || line.startsWith("$ "))
            command = text;
        else if (line.startsWith("@ "))
            locale = text;
        else if (line.startsWith("= "))
            status = text.toInt();
        else if (line.startsWith(u'>'))
            out += text + u'\n';
        else if (line.startsWith(u'!'))
            err += text + u'\n';
        else if (line.size() >= 2 && QStringLiteral("^~-").contains(line[0]) &&
                 QStringLiteral(">!").contains(line[1]))
            patterns.emplace_back(line.left(2), Unescaped(line.mid(3)));
        else if (!line.isEmpty())
            ADD_FAILURE() << "a line no transcript has: " << line.toStdString();
    }
    const CliResult r = RunCli(Arguments(command), locale);
    EXPECT_EQ(r.status, status) << r.err.toStdString();
    bool outChecked = !out.isEmpty(), errChecked = !err.isEmpty();
    for (const auto &[kind, text] : patterns) {
        const QString &actual = kind[1] == u'>' ? r.out : r.err;
        (kind[1] == u'>' ? outChecked : errChecked) = true;
        const bool holds = kind[0] == u'^' ? actual.startsWith(text) : actual.contains(text);
        EXPECT_EQ(holds, kind[0] != u'-') << kind.toStdString() << " " << text.toStdString() << "\nin:\n"
                                          << actual.toStdString();
    }
    if (!outChecked || !out.isEmpty()) {
        EXPECT_EQ(r.out, out);
    }
    if (!errChecked || !err.isEmpty()) {
        EXPECT_EQ(r.err, err);
    }
}

// RFC 4180 records: fields split at commas outside quotes, "" inside quotes for one quote.
std::vector<QStringList> CsvRecords(const QString &csv)
{
    std::vector<QStringList> records;
    QStringList fields(QString{});
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (quoted && c == u'"' && csv.mid(i + 1, 1) == u'"')
            fields.back() += c, ++i;
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            fields << QString();
        else if (!quoted && csv.mid(i, 2) == QStringLiteral("\r\n"))
            records.push_back(fields), fields = QStringList(QString{}), ++i;
        else
            fields.back() += c;
    }
    return records;
}

// The CSV of a table, read back, holds what its JSON rows hold, field for field.
TEST(Cli, CsvRowsAreTheJsonRows)
{
    const QStringList sequence = {"--variant", "dee", "sequence", "--ymd", "2023-12-1 CE", "--days", "800"};
    const QStringList equinox = {"equinox", "--ymd",       "3201-1-1 CE", "--years", "800",
                                 "--mean",  "--longitude", "79",          "59"};
    for (const QStringList &arguments : {sequence, equinox}) {
        const auto csv = CsvRecords(RunCli(arguments + QStringList{"--csv"}, {}).out);
        const QJsonArray rows =
            QJsonDocument::fromJson(RunCli(arguments + QStringList{"--json"}, {}).out.toUtf8())["rows"]
                .toArray();
        ASSERT_EQ(csv.size(), rows.size() + 1u);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QStringList &f = csv[static_cast<size_t>(i) + 1];
            const QJsonObject row = rows[i].toObject();
            const auto flag = [](const QJsonValue &v) { return v.toBool() ? "true" : "false"; };
            if (arguments == sequence) {
                const auto ymd = [](const QString &text) {
                    return QString(text).replace(u'-', u',').section(u' ', 0, 0);
                };
                EXPECT_EQ(
                    QStringList(
                        {f[0], f[1] + ',' + f[2].rightJustified(2, u'0') + ',' + f[3].rightJustified(2, u'0'),
                         f[4] + ',' + f[5].rightJustified(2, u'0') + ',' + f[6].rightJustified(2, u'0'), f[7],
                         f[8], f[9]}),
                    QStringList({QString::number(row["jdn"].toInt()), ymd(row["gregorian"].toString()),
                                 ymd(row["dee"].toString()), flag(row["same"]), flag(row["mark"]),
                                 row["weekday"].toString()}));
            } else {
                EXPECT_EQ(f[0].toInt(), row["year"].toInt());
                EXPECT_NEAR(f[1].toDouble(), row["jd"].toDouble(), 5e-10);
                EXPECT_EQ(
                    QStringList({f[2], f[3], f[4], f[5], f[6], f[7], f[8]}),
                    QStringList({row["greenwich"]["date"].toString(), row["greenwich"]["time"].toString(),
                                 row["meridian"]["date"].toString(), row["meridian"]["time"].toString(),
                                 QString::number(row["cycle"].toInt(-1)), flag(row["dee_leap_year"]),
                                 flag(row["off_target"])}));
                EXPECT_EQ(f[9].toDouble(), row["deltat_minutes"].toDouble());
            }
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
            RunProgram(QStringLiteral("man"), {"-l", QStringLiteral(MAN_PAGES "/") + page}, environment);
        ASSERT_EQ(man.status, 0) << "man -l " << page << " (man-db, in the Makefile's DEB_PACKAGES)";
        const QString examplesSection = man.out.section(QStringLiteral("\nEXAMPLES\n"), 1)
                                            .section(QRegularExpression(QStringLiteral("\n[A-Z]")), 0, 0);
        static const QRegularExpression example(QStringLiteral("^ {1,7}(vardex-cli .*)\n((?: {8,}.*\n|\n)*)"),
                                                QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &m : example.globalMatch(examplesSection)) {
            static const QRegularExpression said(QStringLiteral("exit status (\\d+)"));
            const QRegularExpressionMatch expected = said.match(m.captured(2));
            const CliResult r = RunProgram(QStringLiteral("sh"), {"-c", m.captured(1)}, environment);
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
